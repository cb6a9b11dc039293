#include "platform/desktop_session.h"

#include <QByteArray>
#include <QDir>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

void EnsureRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray folder =
        QDir::tempPath().toLocal8Bit() + "/lirabo-runtime-" + QByteArray::number(quint64(::getuid()));
    ::mkdir(folder.constData(), 0700);
    struct stat st {};
    // Only a folder of this account that nobody else may enter is used.
    if (::lstat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
        (st.st_mode & 077) == 0)
        qputenv("XDG_RUNTIME_DIR", folder);
}

void EnsureUtf8Locale()
{
    std::setlocale(LC_ALL, "");
    const char* codeset = nl_langinfo(CODESET);
    if (codeset && std::strcmp(codeset, "UTF-8") == 0)
        return;
    qputenv("LC_ALL", "C.UTF-8");
    std::setlocale(LC_ALL, "");
}

QString MissingDisplayMessage(const QString& programName)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QString();
    return QStringLiteral("%1 braucht eine Desktop-Sitzung (oder xvfb-run) / %1 needs a desktop session "
                          "(or xvfb-run).")
        .arg(programName);
}

bool PrepareDesktopSession(const QString& programName)
{
    EnsureRuntimeFolder();
    EnsureUtf8Locale();
    const QString missing = MissingDisplayMessage(programName);
    if (missing.isEmpty())
        return true;
    std::fputs((missing + u'\n').toUtf8().constData(), stderr);
    return false;
}
