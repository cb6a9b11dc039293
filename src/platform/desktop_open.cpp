#include "platform/desktop_open.h"

#include "platform/file_paths.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

DesktopOpenHook& Hook()
{
    static DesktopOpenHook hook;
    return hook;
}

} // namespace

bool OpenWithDesktop(const QString& path)
{
    const QString native = NativePath(path);
    if (Hook())
        return Hook()(native);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(native));
}

void SetDesktopOpenHook(DesktopOpenHook hook)
{
    Hook() = std::move(hook);
}
