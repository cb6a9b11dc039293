#include "app/tinfodialog.h"

#include "controls/picture.h"
#include "data/program_options.h"
#include "data/program_state.h"
#include "dialogs/modal_run.h"
#include "platform/ini_file.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr const char* kAddressProperty = "address";

// A web address in a text ("https://...", "http://..." or "www...").
QString AddressIn(const QString& text)
{
    static const QRegularExpression address(QStringLiteral(R"((https?://|www\.)[^\s]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = address.match(text);
    if (!m.hasMatch())
        return {};
    QString url = m.captured(0);
    if (url.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        url.prepend(QLatin1String("https://"));
    return url;
}

QPixmap InfoPicture(QSize size)
{
    Picture picture;
    if (!picture.Load(QStringLiteral("fun\\KV3_1.wmf")))
        return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)), -1, true);
    return pixmap;
}

} // namespace

Tinfodialog::Tinfodialog(QWidget* parent, const QString& programName)
    : QDialog(parent),
      programName_(programName.isEmpty() ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                                          : programName)
{
    setObjectName(QStringLiteral("Tinfodialog"));
    setWindowTitle(QStringLiteral("Info"));
    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    L_bild = new QLabel(this);
    L_bild->setPixmap(InfoPicture(QSize(144, 120)));
    head->addWidget(L_bild);
    L_titel = new QLabel(QApplication::applicationName().isEmpty() ? QStringLiteral("Lirabo")
                                                                    : QApplication::applicationName(),
                         this);
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(30);
    title.setBold(true);
    L_titel->setFont(title);
    head->addWidget(L_titel, 1);
    layout->addLayout(head);

    for (int i = 1; i <= kInfoLines; ++i) {
        auto* line = new QLabel(this);
        line->setObjectName(QStringLiteral("L_info%1").arg(i));
        line->installEventFilter(this);
        L_info.append(line);
        layout->addWidget(line);
    }
    L_info[0]->setText(QStringLiteral("  Version ") + ProgramVersion());

    auto* country = new QGroupBox(this);
    auto* countryLayout = new QHBoxLayout(country);
    RB_schweiz = new QRadioButton(QStringLiteral("Schweiz"), country);
    RB_deutschland = new QRadioButton(QStringLiteral("Deutschland"), country);
    countryLayout->addWidget(RB_schweiz);
    countryLayout->addWidget(RB_deutschland);
    countryLayout->addStretch();
    layout->addWidget(country);
    CK_dateistart = new QCheckBox(QStringLiteral("Programm bei Dateiauswahl starten"), this);
    CK_hintergrund = new QCheckBox(QStringLiteral("Hintergrund abdecken"), this);
    layout->addWidget(CK_dateistart);
    layout->addWidget(CK_hintergrund);
    B_ok = new QPushButton(QStringLiteral("OK"), this);
    B_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(B_ok);
    layout->addLayout(buttons);
    connect(B_ok, &QPushButton::clicked, this, [this] {
        B_okClick();
        accept();
    });

    FillInfoLines();
    setWindowTitle(QStringLiteral("Info für ") + QStringLiteral("Lirabo"));
}

QString Tinfodialog::InfoFile() const
{
    return ProgramFolder() + QStringLiteral("intern/") + programName_ + QStringLiteral(".txt");
}

void Tinfodialog::FillInfoLines()
{
    const QString file = InfoFile();
    const QString section = QStringLiteral("Info");
    const int count = int(Ini::KeyNames(file, section).size());
    for (QLabel* line : L_info) {
        for (int i = 1; i <= count; ++i) {
            if (!line->objectName().contains(QString::number(i)))
                continue;
            const QString value = Ini::ReadString(file, section, QString::number(i), QString());
            QString text = QStringLiteral("  ") + value + QStringLiteral("  ");
            if (i == 1)
                text = QStringLiteral("Version ") + ProgramVersion() + QStringLiteral("  ") + text;
            line->setText(text);
            const QString address = AddressIn(value);
            line->setProperty(kAddressProperty, address);
            line->setToolTip(address);
            line->setCursor(address.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
            break;
        }
    }
}

QString Tinfodialog::InfoLine(int n) const
{
    return n >= 1 && n <= L_info.size() ? L_info[n - 1]->text() : QString();
}

QString Tinfodialog::LineAddress(int n) const
{
    return n >= 1 && n <= L_info.size() ? L_info[n - 1]->property(kAddressProperty).toString()
                                        : QString();
}

void Tinfodialog::FormShow()
{
    (SwissMode() ? RB_schweiz : RB_deutschland)->setChecked(true);
    CK_hintergrund->setChecked(CoverBackground());
    CK_dateistart->setChecked(StartOnListChoice());
    writeFailed_ = false;
}

void Tinfodialog::B_okClick()
{
    Program().swissMode = RB_schweiz->isChecked();
    Program().coverBackground = CK_hintergrund->isChecked();
    Program().startOnListChoice = CK_dateistart->isChecked();
    writeFailed_ = !WriteProgramOptions(SwissMode(), CoverBackground(), StartOnListChoice());
}

int Tinfodialog::Present()
{
    FormShow();
    const int result = RunModal(*this);
    // The background follows the stored option; when the options could not
    // be stored (a program folder that cannot be written) the choice made
    // here holds for the run.
    if (!writeFailed_)
        ApplyCoverBackgroundOption();
    return result;
}

bool Tinfodialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const QString address = watched->property(kAddressProperty).toString();
        if (!address.isEmpty()) {
            QDesktopServices::openUrl(QUrl(address));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
