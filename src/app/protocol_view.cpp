#include "app/protocol_view.h"

#include "app/tpzeugnis.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "dialogs/modal_run.h"
#include "platform/desktop_open.h"
#include "platform/file_paths.h"
#include "platform/messages.h"
#include "platform/text_codec.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

ProtocolViewer::ProtocolViewer(const QString& file, const QString& pupilName, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProtocolViewer"));
    setWindowTitle(pupilName.trimmed().isEmpty() ? QStringLiteral("Protokoll")
                                                 : QStringLiteral("Protokoll – %1").arg(pupilName.trimmed()));
    auto* layout = new QVBoxLayout(this);
    M_text = new QPlainTextEdit(this);
    M_text->setReadOnly(true);
    M_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(qMax(fixed.pointSize(), 11));
    M_text->setFont(fixed);
    M_text->setPlainText(ReadTextLines(file).join(u'\n'));
    layout->addWidget(M_text);
    auto* buttons = new QDialogButtonBox(this);
    B_schliessen = buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableSize() : QSize(1024, 768);
    resize(qMin(800, available.width() * 9 / 10), qMin(700, available.height() * 9 / 10));
}

void ShowResultsProtocol(QWidget* parent)
{
    const QString profile = CurrentProfilePath();
    if (!ProfileWritable(profile))
        return;
    const QString file = ChangeExtension(profile, QStringLiteral(".txt"));
    if (!FileExists(file)) {
        ShowMessage(QStringLiteral("Ergebnis-Datei noch nicht vorhanden! "), MessageIcon::None, NativePath(file));
        return;
    }
    // When the desktop has nothing to open the file with, the program's own
    // viewer shows it.
    const QPointer<QWidget> owner(parent);
    const QString pupil = CurrentPupilName();
    OpenWithDesktop(file, [file, pupil, owner] {
        ProtocolViewer viewer(file, pupil, owner.data());
        RunModal(viewer);
    });
}
