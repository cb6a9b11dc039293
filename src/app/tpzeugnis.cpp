#include "app/tpzeugnis.h"

#include "app/rtf_reader.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "dialogs/modal_run.h"
#include "platform/file_paths.h"
#include "platform/messages.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile f(NativePath(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

bool ProfileWritable(const QString& profilePath)
{
    const QFileInfo info(NativePath(profilePath));
    return info.isFile() && info.isWritable();
}

const QStringList& Tpzeugnis::FooterLines()
{
    static const QStringList lines = {
        QStringLiteral("Vielen Dank für Deine gute Mitarbeit!"),
        QString(),
        QStringLiteral("                                                            ______________________________"),
        QString(),
    };
    return lines;
}

Tpzeugnis::Tpzeugnis(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tpzeugnis"));
    setWindowTitle(QStringLiteral("Zeugnis"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    B_drucken = new QPushButton(QStringLiteral("Drucken"), this);
    B_pdf = new QPushButton(QStringLiteral("Als PDF speichern"), this);
    bar->addWidget(B_drucken);
    bar->addWidget(B_pdf);
    bar->addStretch();
    layout->addLayout(bar);

    L_titel = new QLabel(QStringLiteral("Arbeitszeugnis für:"), this);
    L_titel->setFont(ZeugnisTitleFont());
    layout->addWidget(L_titel);

    M_text = new QPlainTextEdit(this);
    M_text->setReadOnly(true);
    M_text->setFont(ZeugnisBodyFont());
    M_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(M_text, 1);

    RE_text = new QTextEdit(this);
    RE_text->setReadOnly(true);
    RE_text->setFont(ZeugnisBodyFont());
    RE_text->hide();
    layout->addWidget(RE_text, 1);

    L_fuss = new QLabel(FooterLines().join(u'\n'), this);
    L_fuss->setFont(ZeugnisFooterFont());
    layout->addWidget(L_fuss);

    connect(B_drucken, &QPushButton::clicked, this, [this] { Print(); });
    connect(B_pdf, &QPushButton::clicked, this, [this] { SavePdfAsked(); });
    resize(780, 640);
}

void Tpzeugnis::ShowWorkReport(const QString& pupilName, QWidget* parent)
{
    const QString profile = CurrentProfilePath();
    if (!ProfileWritable(profile))
        return;
    Tpzeugnis dialog(parent);
    dialog.fileName = ChangeExtension(profile, QStringLiteral(".zgn"));
    dialog.pupilName = pupilName;
    if (!FileExists(dialog.fileName)) {
        ShowMessage(QStringLiteral("Zeugnis-Datei noch nicht vorhanden! "), MessageIcon::None,
                    NativePath(dialog.fileName));
        return;
    }
    dialog.FormShow();
    dialog.Present();
}

void Tpzeugnis::ShowCertificate(const QString& pupilName, QWidget* parent)
{
    const QString profile = CurrentProfilePath();
    if (!ProfileWritable(profile))
        return;
    const QString file = ChangeExtension(profile, QStringLiteral(".rtf"));
    if (!FileExists(file))
        return;
    {
        Tpzeugnis dialog(parent);
        dialog.fileName = file;
        dialog.pupilName = pupilName.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0
                               ? QStringLiteral(" _____________")
                               : pupilName;
        dialog.ShowAsCertificate();
        dialog.Present();
    }
    for (const QString& path : MatchingPaths(file))
        QFile::remove(path);
}

void Tpzeugnis::FormShow()
{
    if (QFileInfo(fileName).suffix().toUpper() == QLatin1String("RTF")) {
        LoadRichBody(fileName);
    } else {
        RE_text->hide();
        M_text->show();
        M_text->setPlainText(SplitLines(DecodeCp1252(ReadBytes(fileName))).join(u'\n'));
    }
    SetTitle();
}

void Tpzeugnis::ShowAsCertificate()
{
    titlePrefix = QStringLiteral("Urkunde für ");
    LoadRichBody(fileName);
    L_fuss->hide();
    SetTitle();
}

void Tpzeugnis::LoadRichBody(const QString& file)
{
    const RtfDocument document = ReadRtf(ReadBytes(file));
    FillTextDocument(*RE_text->document(), document);
    richLines_ = document.Lines();
    M_text->hide();
    RE_text->show();
}

void Tpzeugnis::SetTitle()
{
    L_titel->setText(titlePrefix + pupilName);
    const QString who = pupilName.trimmed().remove(u'_').trimmed();
    const QString kind = titlePrefix.startsWith(QLatin1String("Urkunde")) ? QStringLiteral("Urkunde")
                                                                          : QStringLiteral("Arbeitszeugnis");
    setWindowTitle(who.isEmpty() ? kind : QStringLiteral("%1 – %2").arg(kind, who));
}

int Tpzeugnis::Present()
{
    const int result = RunModal(*this);
    RE_text->clear();
    richLines_.clear();
    return result;
}

QString Tpzeugnis::TitleText() const
{
    return L_titel->text();
}

bool Tpzeugnis::RichBodyShown() const
{
    return !RE_text->isHidden();
}

bool Tpzeugnis::FooterShown() const
{
    return !L_fuss->isHidden();
}

ZeugnisPrintout Tpzeugnis::Printout() const
{
    ZeugnisPrintout p;
    p.title = SplitLines(L_titel->text());
    p.bodyVisible = !M_text->isHidden();
    if (p.bodyVisible)
        p.body = M_text->toPlainText().split(u'\n');
    p.richVisible = RichBodyShown();
    p.richBody = richLines_;
    p.footer = FooterLines();
    return p;
}

int Tpzeugnis::Printed(QPrinter& printer)
{
    return PrintZeugnis(printer, Printout());
}

bool Tpzeugnis::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return Printed(printer) > 0;
}

bool Tpzeugnis::SaveAsPdf(const QString& file)
{
    if (file.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(file);
    // The painter may not report a file it could not create: look at it.
    return Printed(printer) > 0 && QFileInfo(file).size() > 0;
}

void Tpzeugnis::SavePdfAsked()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString name = (titlePrefix + pupilName).simplified().remove(u'_').remove(u':').trimmed();
    QFileDialog dialog(this, QStringLiteral("Als PDF speichern"), folder + u'/' + name + QStringLiteral(".pdf"),
                       QStringLiteral("PDF-Dateien (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString file = dialog.selectedFiles().first();
    if (SaveAsPdf(file))
        ShowMessage(QStringLiteral("Gespeichert als PDF-Datei:\n%1").arg(QDir::toNativeSeparators(file)),
                    MessageIcon::Information, QStringLiteral("Als PDF speichern"));
    else
        ShowMessage(QStringLiteral("Die PDF-Datei konnte nicht gespeichert werden:\n%1\n\nDer Ordner ist "
                                   "schreibgeschützt, voll oder nicht erreichbar. Bitte einen anderen Ordner wählen.")
                        .arg(QDir::toNativeSeparators(file)),
                    MessageIcon::Error, QStringLiteral("Als PDF speichern"));
}
