#include "sound/spoken_word.h"

#include "data/path_helpers.h"
#include "data/text_helpers.h"

QString SpokenText(const QString& germanWord)
{
    QString text = germanWord.trimmed();
    while (text.contains(QStringLiteral("  ")))
        text.replace(QStringLiteral("  "), QStringLiteral(" "));
    return text;
}

QStringList SpeechSequence(const QString& spokenText)
{
    if (spokenText.isEmpty())
        return {};
    const QString whole = SoundFileOfWord(spokenText, QStringLiteral("sprache"), true);
    if (!whole.isEmpty())
        return {whole};
    QStringList files;
    for (const QString& word : SplitWords(spokenText)) {
        if (word.isEmpty())
            continue;
        QString file = SoundFileOfWord(word, QStringLiteral("pronomen"), false);
        if (file.isEmpty())
            file = SoundFileOfWord(word, QStringLiteral("sprache"), true);
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

const QStringList& LeadingArticleFiles()
{
    static const QStringList files = {QStringLiteral("der.wav"), QStringLiteral("die.wav"),
                                      QStringLiteral("das.wav"), QStringLiteral("ein.wav"),
                                      QStringLiteral("eine.wav")};
    return files;
}

const QStringList& DefiniteArticleFiles()
{
    static const QStringList files = {QStringLiteral("der.wav"), QStringLiteral("die.wav"),
                                      QStringLiteral("das.wav")};
    return files;
}

SpeechStart FirstSpeechPart(const QStringList& sequence, bool articleCounts, const QStringList& articleFiles)
{
    if (sequence.isEmpty())
        return {};
    if (!articleCounts && sequence.size() == 2 && articleFiles.contains(FileNamePart(sequence[0]), Qt::CaseInsensitive))
        return {1, 2};
    return {0, 1};
}
