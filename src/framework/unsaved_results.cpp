#include "framework/unsaved_results.h"

#include "data/path_helpers.h"
#include "platform/file_paths.h"
#include "platform/messages.h"

#include <QDir>
#include <QFileInfo>

#include <deque>

namespace {

struct KeptWrite {
    QString path;
    std::function<bool()> write;
    bool wholeFile = false;
};

std::deque<KeptWrite>& Kept()
{
    static std::deque<KeptWrite> kept;
    return kept;
}

bool Keeps(const QString& path)
{
    for (const KeptWrite& k : Kept())
        if (k.path == path)
            return true;
    return false;
}

// Tries the kept writes of one file in order; stops at the first that fails,
// so the blocks of a file never change their order.
void RetryFile(const QString& path)
{
    auto& kept = Kept();
    for (auto it = kept.begin(); it != kept.end();) {
        if (it->path != path) {
            ++it;
            continue;
        }
        if (!it->write())
            return;
        it = kept.erase(it);
    }
}

QString KindOf(const QString& path)
{
    const QString ext = ExtensionPart(path).toLower();
    if (ext == QLatin1String(".txt"))
        return QStringLiteral("Protokoll");
    if (ext == QLatin1String(".zgn"))
        return QStringLiteral("Zeugnisdaten");
    if (ext == QLatin1String(".fhl"))
        return QStringLiteral("Fehlerliste");
    if (ext == QLatin1String(".rtf"))
        return QStringLiteral("Auswertung");
    return QStringLiteral("Einstellungen");
}

} // namespace

bool WriteOrKeepResults(const QString& path, const std::function<bool()>& write, bool wholeFile)
{
    RetryFile(path);
    auto& kept = Kept();
    if (wholeFile)
        for (auto it = kept.begin(); it != kept.end();)
            it = it->path == path && it->wholeFile ? kept.erase(it) : it + 1;
    if (!Keeps(path) && write())
        return true;
    kept.push_back({path, write, wholeFile});
    return false;
}

int RetryUnsavedResults()
{
    QStringList paths;
    for (const KeptWrite& k : Kept())
        if (!paths.contains(k.path))
            paths << k.path;
    for (const QString& p : paths)
        RetryFile(p);
    return int(Kept().size());
}

QStringList UnsavedResultFiles()
{
    QStringList paths;
    for (const KeptWrite& k : Kept())
        if (!paths.contains(k.path))
            paths << k.path;
    return paths;
}

QString UnsavedResultsMessage()
{
    const QStringList files = UnsavedResultFiles();
    if (files.isEmpty())
        return {};
    QStringList what, folders;
    for (const QString& f : files) {
        const QString native = NativePath(f);
        const QString item = KindOf(f) + QStringLiteral(" (") + QFileInfo(native).fileName() + u')';
        if (!what.contains(item))
            what << item;
        const QString folder = QDir::toNativeSeparators(QFileInfo(native).absolutePath());
        if (!folders.contains(folder))
            folders << folder;
    }
    return QStringLiteral("Nicht gespeichert: ") + what.join(QStringLiteral(", ")) +
           QStringLiteral(".\n\nDer Ordner ") + folders.join(QStringLiteral(", ")) +
           QStringLiteral(" ist gerade belegt oder nicht erreichbar. Die Ergebnisse bleiben erhalten und werden "
                          "beim n\u00e4chsten Speichern noch einmal geschrieben; bitte das Programm bis dahin nicht "
                          "beenden.");
}

void ReportUnsavedResults()
{
    if (RetryUnsavedResults() == 0)
        return;
    ShowMessage(UnsavedResultsMessage(), MessageIcon::Warning, QStringLiteral("Ergebnisse nicht gespeichert"));
}

void ForgetUnsavedResults()
{
    Kept().clear();
}
