#include "app/tpzeugnis.h"
#include "data/program_state.h"
#include "dialogs/modal_run.h"
#include "framework/result_summary.h"
#include "framework/results_fixture.h"
#include "platform/messages.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QPageSize>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

int PdfPages(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

class TpzeugnisTest : public ResultsTest {
protected:
    TpzeugnisTest()
    {
        prog.Write("protokoll/anna.ini", "[CDtest]\r\naufCD=false\r\n");
        Program().currentProfilePath = profile;
        SetMessageHook([this](const MessageRequest& r) {
            messages.append(r.title + u'|' + r.text);
            return Answer::Ok;
        });
        SetModalHook([this](QDialog& d) {
            if (auto* z = qobject_cast<Tpzeugnis*>(&d)) {
                shownTitle = z->TitleText();
                shownRich = z->RichBodyShown();
                shownFooter = z->FooterShown();
                shownBody = z->M_text->toPlainText();
                shownRichText = z->RE_text->toPlainText();
            }
            return int(QDialog::Accepted);
        });
    }
    ~TpzeugnisTest() override
    {
        SetMessageHook({});
        SetModalHook({});
    }

    QStringList messages;
    QString shownTitle, shownBody, shownRichText;
    bool shownRich = false, shownFooter = false;
};

TEST_F(TpzeugnisTest, WorkReportShowsTheCertificateData)
{
    prog.Write("protokoll/anna.zgn", "Donnerstag, den  5.11.2026 \r\nHund                 = -OK-\r\n");
    Tpzeugnis::ShowWorkReport(QStringLiteral("Anna"));
    EXPECT_EQ(shownTitle, QStringLiteral("Arbeitszeugnis für: Anna"));
    EXPECT_FALSE(shownRich);
    EXPECT_TRUE(shownFooter);
    EXPECT_EQ(shownBody, QStringLiteral("Donnerstag, den  5.11.2026 \nHund                 = -OK-"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TpzeugnisTest, MissingFilesAndProfiles)
{
    Tpzeugnis::ShowWorkReport(QStringLiteral("Anna"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].endsWith(QStringLiteral("|Zeugnis-Datei noch nicht vorhanden! ")));
    EXPECT_TRUE(messages[0].startsWith(prog.Path("protokoll/anna.zgn")));
    Tpzeugnis::ShowCertificate(QStringLiteral("Anna"));   // no summary: nothing at all
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(shownTitle.isEmpty());

    // A profile that cannot be written: nothing happens.
    prog.Write("protokoll/anna.zgn", "x");
    prog.Write("protokoll/anna.rtf", "{\\rtf1 x}");
    Program().currentProfilePath = prog.Path("protokoll/niemand.ini");
    Tpzeugnis::ShowWorkReport(QStringLiteral("Anna"));
    Tpzeugnis::ShowCertificate(QStringLiteral("Anna"));
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(shownTitle.isEmpty());
    EXPECT_TRUE(QFile::exists(prog.Path("protokoll/anna.rtf")));
}

TEST_F(TpzeugnisTest, CertificateOfTheSummaryIsDeletedAfterwards)
{
    const struct {
        const char* pupil;
        const char* title;
    } cases[] = {
        {"Anna", "Urkunde für Anna"},
        {"Name", "Urkunde für  _____________"},
        {"NAME", "Urkunde für  _____________"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pupil);
        WriteResultSummary(QStringLiteral("Welches Wort stimmt?  -  AUFDECKMODUS"), 100, 1, Context());
        Tpzeugnis::ShowCertificate(QString::fromUtf8(c.pupil));
        EXPECT_EQ(shownTitle, QString::fromUtf8(c.title));
        EXPECT_TRUE(shownRich);
        EXPECT_FALSE(shownFooter);
        EXPECT_TRUE(shownRichText.contains(QStringLiteral("Spitzenmäßig!")));
        EXPECT_FALSE(shownRichText.contains(u'\\'));
        EXPECT_FALSE(QFile::exists(prog.Path("protokoll/anna.rtf")));
    }
}

// A body longer than a page goes on over further pages; every page holds the
// lines from a twelfth of the height down to eleven twelfths.
TEST_F(TpzeugnisTest, LongBodyBreaksPagesAtElevenTwelfths)
{
    const QString pdf = prog.Path("zeugnis.pdf");
    QPdfWriter probe(pdf);
    probe.setPageSize(QPageSize(QPageSize::A4));
    probe.setResolution(300);
    const int height = probe.height();
    const int title = QFontMetrics(ZeugnisTitleFont(), &probe).boundingRect(QStringLiteral("Äg")).height();
    const int line = QFontMetrics(ZeugnisBodyFont(), &probe).boundingRect(QStringLiteral("Äg")).height();
    // Body lines on the first page: those that start above eleven twelfths.
    int firstPage = 0;
    for (int y = height / 12 + title; y <= height * 11 / 12; y += line)
        ++firstPage;

    const struct {
        int lines;
        int pages;
    } cases[] = {{10, 1}, {firstPage, 1}, {firstPage + 1, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        ZeugnisPrintout p;
        p.title = {QStringLiteral("Arbeitszeugnis für: Anna")};
        for (int i = 0; i < c.lines; ++i)
            p.body << QStringLiteral("Wort%1               = -OK-").arg(i);
        p.footer.clear();
        QFile::remove(pdf);
        {
            QPdfWriter writer(pdf);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setResolution(300);
            EXPECT_EQ(PrintZeugnis(writer, p), c.pages);
        }
        EXPECT_EQ(PdfPages(pdf), c.pages);
    }
}

// "Als PDF speichern" says where the file lies, or that it could not be saved.
TEST_F(TpzeugnisTest, SavingAsPdfSaysWhereTheFileLiesOrThatItFailed)
{
    prog.Write("protokoll/anna.zgn", "Hund               = gut gemacht\r\n");
    Tpzeugnis dialog;
    dialog.fileName = prog.Path("protokoll/anna.zgn");
    dialog.pupilName = QStringLiteral("Anna");
    dialog.FormShow();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Arbeitszeugnis \u2013 Anna"));

    QString chosen;
    SetModalHook([&](QDialog& d) {
        auto* files = qobject_cast<QFileDialog*>(&d);
        if (!files)
            return int(QDialog::Rejected);
        files->selectFile(chosen);
        return int(QDialog::Accepted);
    });
    // A folder nobody may write into, also not the administrator.
    chosen = QStringLiteral("/proc/anna.pdf");
    dialog.B_pdf->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("konnte nicht gespeichert werden"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(chosen));
    EXPECT_FALSE(QFile::exists(chosen));

    chosen = prog.Path("anna.pdf");
    dialog.B_pdf->click();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1], QStringLiteral("Als PDF speichern|Gespeichert als PDF-Datei:\n") + chosen);
    EXPECT_GE(PdfPages(chosen), 1);
}

// The dialog's page through the print dialog and through "Als PDF speichern".
TEST_F(TpzeugnisTest, PrintAndSaveAsPdf)
{
    QStringList lines;
    for (int i = 0; i < 150; ++i)
        lines << QStringLiteral("Wort%1               = nochmal üben").arg(i);
    prog.Write("protokoll/anna.zgn", lines.join(QStringLiteral("\r\n")).toLatin1());
    Tpzeugnis dialog;
    dialog.fileName = prog.Path("protokoll/anna.zgn");
    dialog.pupilName = QStringLiteral("Anna");
    dialog.FormShow();
    EXPECT_EQ(dialog.Printout().body.size(), 150);
    EXPECT_EQ(dialog.Printout().footer, Tpzeugnis::FooterLines());

    const QString saved = prog.Path("gespeichert.pdf");
    ASSERT_TRUE(dialog.SaveAsPdf(saved));
    EXPECT_GE(PdfPages(saved), 3);

    const QString printed = prog.Path("gedruckt.pdf");
    SetModalHook([&](QDialog& d) {
        auto* print = qobject_cast<QPrintDialog*>(&d);
        if (!print)
            return int(QDialog::Rejected);
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(printed);
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(dialog.Print());
    EXPECT_EQ(PdfPages(printed), PdfPages(saved));
    SetModalHook([](QDialog&) { return int(QDialog::Rejected); });
    QFile::remove(printed);
    EXPECT_FALSE(dialog.Print());
    EXPECT_FALSE(QFile::exists(printed));
}

} // namespace
