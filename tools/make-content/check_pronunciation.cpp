// Step "aussprache" (not part of the build; scripts/check-pronunciation.sh
// runs it after a build): looks for words the speech synthesiser reads
// wrongly. For every word of the table it compares
//  - the syllables of the spelling with the syllables of the phonemes that
//    espeak-ng reports for what is spoken ("espeak-ng -x -v de"), and the
//    vowel lengths the spelling marks ("ie", "h" after a vowel, a doubled
//    vowel: long) with the phonemes; a switch to another language marks a
//    word read as a foreign one;
//  - the made recording "Sounds\<noun> <article>.wav": the first pause (the
//    gap after the article) and the length of the rest against the number of
//    syllables, as the exercises measure them (TWAV).
// Prints one line per suspicious word and the count; exit status 1 when any
// word is suspicious. Fixes go into the pronunciation column of woerter.txt.
#include "sound/twav.h"
#include "steps.h"
#include "word_table.h"

#include <QProcess>
#include <QRegularExpression>

#include <cstdio>

namespace {

const QString kVowels = QStringLiteral("aeiouäöüy");

// Syllables of a German spelling: groups of vowel letters, where the
// diphthongs and long spellings "ei", "ai", "au", "eu", "äu", "ie", "aa",
// "ee", "oo" are one and other neighbours two ("Ko-a-la").
int SpellingSyllables(const QString& word)
{
    static const QStringList pairs = {"ei", "ai", "au", "eu", "äu", "ie", "aa", "ee", "oo", "ey", "ay"};
    const QString w = word.toLower();
    int count = 0;
    for (int i = 0; i < w.size(); ++i) {
        if (!kVowels.contains(w[i]))
            continue;
        ++count;
        if (i + 1 < w.size() && pairs.contains(w.mid(i, 2)))
            ++i;
    }
    return count;
}

// espeak-ng's phoneme mnemonics without stress, length and pause marks; a
// vowel followed by ";" is not syllabic ("I;@": "j@").
struct Phonemes {
    QString text;
    bool foreign = false;   // espeak switched to another language
    int syllables = 0;
    bool anyLong = false;
};

Phonemes ReadPhonemes(const QString& spoken)
{
    Phonemes p;
    QString raw;
    if (spoken.startsWith(QLatin1String("[[")) && spoken.endsWith(QLatin1String("]]"))) {
        raw = spoken.mid(2, spoken.size() - 4);
    } else {
        QProcess espeak;
        espeak.start(QStringLiteral("espeak-ng"), {QStringLiteral("-q"), QStringLiteral("-x"),
                                                   QStringLiteral("-v"), QStringLiteral("de"), spoken});
        if (!espeak.waitForFinished(10000) || espeak.exitCode() != 0)
            Fail(QStringLiteral("espeak-ng failed for \"%1\"").arg(spoken));
        raw = QString::fromUtf8(espeak.readAllStandardOutput()).trimmed();
    }
    p.text = raw;
    p.foreign = raw.contains(QRegularExpression(QStringLiteral("\\([a-z]{2,3}\\)")));
    raw.remove(QRegularExpression(QStringLiteral("\\([a-z]{2,3}\\)")));
    p.anyLong = raw.contains(u':');
    static const QStringList diphthongs = {"aI", "aU", "OY", "eI", "oU"};
    static const QString vowels = QStringLiteral("aAeEiIoOuUyYW@3");
    for (int i = 0; i < raw.size(); ++i) {
        if (!vowels.contains(raw[i]))
            continue;
        if (i + 1 < raw.size() && raw[i + 1] == u';')
            continue;
        ++p.syllables;
        if (i + 1 < raw.size() && diphthongs.contains(raw.mid(i, 2)))
            ++i;
    }
    return p;
}

// What the spelling says must be long: "ie", a doubled vowel, or a vowel
// before an "h" that no vowel follows ("Kuh", "Zahn", not "Ruhe").
bool SpellingMarksLong(const QString& word)
{
    const QString w = word.toLower();
    static const QRegularExpression marks(QStringLiteral("ie|aa|ee|oo|[aeiouäöü]h(?![aeiouäöü])"));
    return marks.match(w).hasMatch();
}

QStringList Problems(const Word& w, const ContentPaths& paths)
{
    QStringList problems;
    // Compounds and foreign words are what the synthesiser gets wrong; a
    // word with its own pronunciation has been looked at already, but its
    // recording is still measured.
    const Phonemes ph = ReadPhonemes(w.spoken);
    const int syllables = SpellingSyllables(w.noun);
    if (ph.foreign)
        problems << QStringLiteral("read as a foreign word");
    if (ph.syllables != syllables && w.spoken == w.noun)
        problems << QStringLiteral("%1 syllables spoken, %2 written").arg(ph.syllables).arg(syllables);
    if (SpellingMarksLong(w.noun) && !ph.anyLong && w.spoken == w.noun)
        problems << QStringLiteral("a long vowel is written, none spoken");

    TWAV wav;
    const QString recording = paths.Out(w.SpeechPath());
    const int length = wav.GetLengthMs(recording);
    if (length < 0) {
        problems << QStringLiteral("no recording %1").arg(w.SpeechPath());
        return problems;
    }
    int start = 0;
    if (!w.article.isEmpty()) {
        int gap = 25;   // ms in, frames out
        const auto pause = wav.FindPauseAfter(recording, 2048, true, gap, 1);
        if (!pause || *pause >= length - 100 || *pause > 900)
            problems << QStringLiteral("no pause after the article (%1 ms)").arg(pause.value_or(-1));
        else
            start = *pause;
    }
    // From the middle of the pause: half of it, and the quiet end.
    constexpr int kQuiet = 170;
    const int perSyllable = (length - start - kQuiet) / qMax(1, w.spoken == w.noun ? syllables : ph.syllables);
    if (perSyllable < 90 || perSyllable > 700)
        problems << QStringLiteral("%1 ms a syllable").arg(perSyllable);
    if (!problems.isEmpty())
        problems.prepend(QStringLiteral("[%1]").arg(ph.text));
    return problems;
}

} // namespace

void CheckPronunciation(const ContentPaths& paths)
{
    const WordTable table = WordTable::Load(paths.In(QStringLiteral("woerter.txt")));
    int suspicious = 0;
    for (const Word& w : table.Words()) {
        const QStringList problems = Problems(w, paths);
        if (problems.isEmpty())
            continue;
        ++suspicious;
        std::printf("%s: %s\n", qPrintable(w.text), qPrintable(problems.join(QStringLiteral("; "))));
    }
    std::printf("%d of %d words to listen to\n", suspicious, int(table.Words().size()));
    if (suspicious > 0)
        throw ContentError{QStringLiteral("%1 words to listen to").arg(suspicious)};
}
