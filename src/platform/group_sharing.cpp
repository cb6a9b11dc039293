#include "platform/group_sharing.h"

#include <sys/stat.h>

bool IsGroupSharedFolder(const QString& folder)
{
    struct stat st {};
    if (folder.isEmpty() || ::stat(folder.toLocal8Bit().constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && (st.st_mode & S_ISGID) && (st.st_mode & S_IWGRP);
}

bool OpenToGroup(const QString& path)
{
    const QByteArray native = path.toLocal8Bit();
    struct stat st {};
    if (path.isEmpty() || ::stat(native.constData(), &st) != 0)
        return false;
    mode_t mode = (st.st_mode & 07777) | S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP;
    if (S_ISDIR(st.st_mode))
        mode |= S_IXUSR | S_IXGRP;
    return ::chmod(native.constData(), mode) == 0;
}

void LetGroupWriteNewFiles()
{
    const mode_t mask = ::umask(0);
    ::umask(mask & ~mode_t(S_IRWXG));
}
