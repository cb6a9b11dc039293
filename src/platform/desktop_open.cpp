#include "platform/desktop_open.h"

#include "platform/file_paths.h"

#include <QProcess>

namespace {

DesktopOpenHook& Hook()
{
    static DesktopOpenHook hook;
    return hook;
}

} // namespace

bool OpenWithDesktop(const QString& path, std::function<void()> onFailure)
{
    const QString native = NativePath(path);
    auto fail = [&onFailure] {
        if (onFailure)
            onFailure();
        return false;
    };
    if (Hook())
        return Hook()(native) || fail();
    // Not owned by any object: a viewer the opener runs in its place is never
    // ended with this program. The object goes when the opener ends.
    auto* opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({native});
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener, [opener, onFailure](int code, QProcess::ExitStatus status) {
        opener->deleteLater();
        if ((code != 0 || status != QProcess::NormalExit) && onFailure)
            onFailure();
    });
    opener->start();
    if (!opener->waitForStarted(3000)) {
        delete opener;
        return fail();
    }
    return true;
}

void SetDesktopOpenHook(DesktopOpenHook hook)
{
    Hook() = std::move(hook);
}
