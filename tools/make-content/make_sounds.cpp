// Step "sounds": every recording of the program folder.
//  - each word: the noun alone in "sprache\<first letter>\", the list
//    recording "Sounds\<noun> <article>.wav" (article, a pause, the noun) and
//    its noise word in "Sounds\Geraeusche\";
//  - articles in "Artikel\" and, with the pronouns, in "pronomen\";
//  - letter names ("ABC\w\") and letter sounds ("ABC\Lautiert\");
//  - announcements such as the sign sounds "fun\#33.wav";
//  - the praise and hint recordings in the three voices;
//  - the synthesised feedback sounds.
#include "chimes.h"
#include "file_set.h"
#include "speech/speech.h"
#include "steps.h"
#include "voice_tables.h"
#include "word_table.h"

#include <QHash>

namespace {

const QStringList& Articles()
{
    static const QStringList a = {QStringLiteral("der"), QStringLiteral("die"), QStringLiteral("das"),
                                  QStringLiteral("ein"), QStringLiteral("eine")};
    return a;
}

// Raw (trimmed) speech, cached: many texts are spoken more than once.
class Speaker {
public:
    const Wave& Raw(const QString& text, const Voice& voice)
    {
        const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                                .arg(QLatin1String(voice.name))
                                .arg(voice.pitch)
                                .arg(voice.range)
                                .arg(voice.rate)
                                .arg(text);
        auto it = cache_.find(key);
        if (it == cache_.end())
            it = cache_.insert(key, SpeakRaw(text, voice));
        return *it;
    }
    QByteArray File(const QString& text, const Voice& voice) { return WavBytes(Finished(Raw(text, voice))); }

private:
    QHash<QString, Wave> cache_;
};

QStringList Columns(const QString& line, int count, const QString& source)
{
    QStringList cols = line.split(u'|');
    for (QString& c : cols)
        c = c.trimmed();
    if (cols.size() != count || cols[0].isEmpty())
        Fail(QStringLiteral("%1: malformed row \"%2\"").arg(source, line));
    return cols;
}

void AddWords(const ContentPaths& paths, Speaker& speaker, FileSet& files)
{
    const WordTable table = WordTable::Load(paths.In(QStringLiteral("woerter.txt")));
    for (const Word& w : table.Words()) {
        const Wave& noun = speaker.Raw(w.spoken, Voices::kWords);
        files.Add(w.SprachePath(), WavBytes(Finished(noun)));
        if (w.article.isEmpty()) {
            files.Add(w.SpeechPath(), WavBytes(Finished(noun)));
        } else {
            const Wave& article = speaker.Raw(w.article, Voices::kWords);
            files.Add(w.SpeechPath(), WavBytes(ArticleAndNoun(article, noun)));
        }
        if (!w.noise.isEmpty())
            files.Add(w.NoisePath(), speaker.File(w.noise, Voices::kNoise));
    }
}

void AddArticlesAndPronouns(const ContentPaths& paths, Speaker& speaker, FileSet& files)
{
    for (const QString& a : Articles()) {
        files.Add(QStringLiteral("Artikel\\") + a + QStringLiteral(".wav"), speaker.File(a, Voices::kWords));
        files.Add(QStringLiteral("pronomen\\") + a + QStringLiteral(".wav"), speaker.File(a, Voices::kWords));
    }
    for (const QString& word : SourceLines(paths.In(QStringLiteral("pronomen.txt"))))
        files.Add(QStringLiteral("pronomen\\") + word + QStringLiteral(".wav"),
                  speaker.File(word, Voices::kWords));
}

// abc.txt: "unit | letter name | letter sound"; an empty column makes no file.
void AddLetters(const ContentPaths& paths, Speaker& speaker, FileSet& files)
{
    const QString source = paths.In(QStringLiteral("abc.txt"));
    for (const QString& line : SourceLines(source)) {
        const QStringList cols = Columns(line, 3, source);
        if (!cols[1].isEmpty())
            files.Add(QStringLiteral("ABC\\w\\") + cols[0] + QStringLiteral("_.wav"),
                      speaker.File(cols[1], Voices::kWords));
        if (!cols[2].isEmpty())
            files.Add(QStringLiteral("ABC\\Lautiert\\") + cols[0] + QStringLiteral("_.wav"),
                      speaker.File(cols[2], Voices::kWords));
    }
}

// Feedback sounds interrupt the pupil's work: none may last a second.
void CheckFeedbackLength(const QString& path, const Wave& wave)
{
    if (path.startsWith(QStringLiteral("fun\\"), Qt::CaseInsensitive) && wave.Seconds() >= 1.0)
        Fail(QStringLiteral("%1 lasts %2 s, more than a second").arg(path).arg(wave.Seconds()));
}

// ansagen.txt: "program path | text", spoken quickly.
void AddAnnouncements(const ContentPaths& paths, Speaker& speaker, FileSet& files)
{
    const QString source = paths.In(QStringLiteral("ansagen.txt"));
    for (const QString& line : SourceLines(source)) {
        const QStringList cols = Columns(line, 2, source);
        const Wave wave = Finished(speaker.Raw(cols[1], Voices::kQuick));
        CheckFeedbackLength(cols[0], wave);
        files.Add(cols[0], WavBytes(wave));
    }
}


void AddVoiceTables(const ContentPaths& paths, Speaker& speaker, FileSet& files)
{
    for (const VoiceTable& table : VoiceTables()) {
        const VoiceTableSource source = LoadVoiceTable(paths.In(QStringLiteral("intern/") + table.fileName));
        for (int row = 0; row < source.rows.size(); ++row)
            for (int voice = 0; voice < 3; ++voice)
                files.Add(VoiceSoundPath(table, voice, row),
                          speaker.File(source.rows[row][size_t(voice)], *TableVoices()[size_t(voice)]));
    }
}

} // namespace

void MakeSounds(const ContentPaths& paths)
{
    Speaker speaker;
    FileSet files(paths);
    AddWords(paths, speaker, files);
    AddArticlesAndPronouns(paths, speaker, files);
    AddLetters(paths, speaker, files);
    AddAnnouncements(paths, speaker, files);
    AddVoiceTables(paths, speaker, files);
    for (const NamedSound& s : FeedbackSounds()) {
        CheckFeedbackLength(s.path, s.wave);
        files.Add(s.path, WavBytes(s.wave));
    }
    files.WriteAll();
}
