#include "klassenuebersicht/class_data.h"

#include "data/pupil_profile.h"
#include "data/path_helpers.h"
#include "data/pupil_registry.h"
#include "data/program_state.h"
#include "framework/history_csv.h"
#include "klassenuebersicht/protocol_import.h"
#include "klassenuebersicht/summary_cache.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

const QStringList& MenuOrder()
{
    static const QStringList order = {
        QStringLiteral("Hören und Schreiben"), QStringLiteral("Lautierübung"),  QStringLiteral("Welches Wort stimmt?"),
        QStringLiteral("Bild zum Wort"),       QStringLiteral("Bild zum Ton"),  QStringLiteral("Bild-Memory"),
        QStringLiteral("Sound-Memory")};
    return order;
}

} // namespace

namespace {

// Runs work(i) for i in 0..count-1 on every core: each history is read on its own.
template <class Work>
void OnEveryCore(qsizetype count, const Work& work)
{
    const int threads = std::max(1, std::min<int>(int(std::thread::hardware_concurrency()), 8));
    std::vector<std::thread> workers;
    std::atomic<qsizetype> next{0};
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&] {
            for (qsizetype i = next++; i < count; i = next++)
                work(i);
        });
    for (std::thread& w : workers)
        w.join();
}

} // namespace

QList<PupilHistory> LoadClass(bool importProtocols, const QString& cacheFile)
{
    PupilRegistry registry;
    registry.Load();
    QList<PupilHistory> pupils;
    QList<bool> shared;
    QSet<QString> seen;
    const QString sharedName = FileNamePart(PupilProfile::Shared().Path());
    for (const QString& line : registry.Lines()) {
        const PupilProfile profile = PupilProfile::OfRegistryValue(PupilRegistry::ValueOfLine(line));
        const QString key = profile.Path().toLower();
        if (seen.contains(key))
            continue;
        seen.insert(key);
        if (importProtocols)
            ImportProtocolIntoHistory(profile.Path());
        pupils << PupilHistory{PupilRegistry::NameOfLine(line), profile.Path(), {}};
        // Only a profile of the same file name can be the shared one: the
        // full comparison resolves both paths on the disk.
        shared << (FileNamePart(profile.Path()).compare(sharedName, Qt::CaseInsensitive) == 0 && profile.IsShared());
    }
    const QString dataRoot = DataRoot();
    QHash<QString, CachedHistory> cached;
    if (!cacheFile.isEmpty()) {
        QByteArray bytes;
        QList<CachedHistory> entries;
        if (ReadWholeFile(NativePath(cacheFile), &bytes) && ParseSummaryCache(bytes, dataRoot, &entries))
            for (CachedHistory& e : entries)
                cached.insert(e.path, std::move(e));
    }
    // A history is read unless the cache holds it with the same size and time.
    QList<CachedHistory> now(pupils.size());
    QList<bool> read(pupils.size(), false);
    for (qsizetype i = 0; i < pupils.size(); ++i) {
        CachedHistory& e = now[i];
        e.path = PupilProfile(pupils[i].profilePath).HistoryFile();
        const QFileInfo info(NativePath(e.path));
        if (!info.isFile())
            continue;
        e.size = info.size();
        e.modified = info.lastModified().toMSecsSinceEpoch();
        const auto it = cached.constFind(e.path);
        if (it != cached.cend() && it->size == e.size && it->modified == e.modified)
            e.summary = it->summary;
        else
            read[i] = true;
    }
    OnEveryCore(pupils.size(), [&](qsizetype i) {
        if (read[i])
            now[i].summary = SummaryOf(ReadHistoryFile(now[i].path));
    });
    QList<CachedHistory> keep;
    for (qsizetype i = 0; i < pupils.size(); ++i) {
        pupils[i].summary = now[i].summary;
        if (now[i].size > 0)
            keep << now[i];
    }
    if (!cacheFile.isEmpty() && (read.contains(true) || keep.size() != cached.size())) {
        WriteFileAtomically(cacheFile, SummaryCacheBytes(dataRoot, keep), true);
    }
    QList<PupilHistory> shown;
    for (qsizetype i = 0; i < pupils.size(); ++i)
        if (!shared[i] || pupils[i].summary.all.answers > 0)
            shown << std::move(pupils[i]);
    return shown;
}

ExerciseFigures FiguresOf(const PupilSummary& summary, const QString& exercise, const QDate& today)
{
    if (exercise.isEmpty())
        return FiguresAt(summary.all, today);
    for (const ExerciseTally& t : summary.exercises)
        if (t.exercise == exercise)
            return FiguresAt(t, today);
    return {};
}

QStringList ExercisesOf(const QList<PupilHistory>& pupils)
{
    QStringList found;
    for (const PupilHistory& p : pupils)
        for (const ExerciseTally& t : p.summary.exercises)
            if (!found.contains(t.exercise))
                found << t.exercise;
    std::stable_sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
        const qsizetype ia = MenuOrder().indexOf(a), ib = MenuOrder().indexOf(b);
        return (ia < 0 ? 99 : ia) < (ib < 0 ? 99 : ib);
    });
    return found;
}

bool IsIdle(const PupilHistory& pupil, const QDate& today)
{
    const QDate last = pupil.summary.all.last;
    return !last.isValid() || last.daysTo(today) > 7;
}

QList<MissedWord> MostMissedWords(const QList<PupilHistory>& pupils, int limit)
{
    QHash<QString, MissedWord> words;
    for (const PupilHistory& p : pupils)
        for (const WordMisses& m : p.summary.missed) {
            MissedWord& w = words[m.word];
            w.word = m.word;
            w.wrong += m.wrong;
            ++w.pupils;
        }
    QList<MissedWord> list = words.values();
    std::sort(list.begin(), list.end(), [](const MissedWord& a, const MissedWord& b) {
        if (a.pupils != b.pupils)
            return a.pupils > b.pupils;
        if (a.wrong != b.wrong)
            return a.wrong > b.wrong;
        return a.word < b.word;
    });
    if (list.size() > limit)
        list.resize(limit);
    return list;
}
