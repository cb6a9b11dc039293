#include "dazidazud/speech_maker.h"

#include "dazidazud/entry_lookup.h"
#include "data/path_helpers.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"
#include "speech/speech.h"

MadeSpeech MakeSpeechFile(const QString& germanWord)
{
    MadeSpeech result;
    const WordParts parts = SplitArticle(germanWord);
    if (parts.noun.isEmpty()) {
        result.error = QStringLiteral("Ohne Wort gibt es nichts zu sprechen.");
        return result;
    }
    Wave wave;
    try {
        wave = parts.article.isEmpty()
                   ? Speak(parts.noun, Voices::kWords)
                   : ArticleAndNoun(SpeakRaw(parts.article, Voices::kWords), SpeakRaw(parts.noun, Voices::kWords));
    } catch (const SpeechError& e) {
        result.error = QStringLiteral("Die Sprachausgabe kann \u201E%1\u201C nicht sprechen (%2).").arg(germanWord, e.message);
        return result;
    }
    return SaveSpeechFile(wave, germanWord);
}

MadeSpeech SaveSpeechFile(const Wave& wave, const QString& germanWord)
{
    MadeSpeech result;
    const QString target = UniqueFileName(QStringLiteral("Sounds\\"), SpeechFileBase(germanWord), QStringLiteral(".wav"));
    if (wave.samples.empty() || !WriteFileAtomically(target, WavBytes(wave), true)) {
        result.error = QStringLiteral("Die Aufnahme kann nicht in den Ordner \u201ESounds\u201C geschrieben werden.");
        return result;
    }
    result.listPath = ListPathOf(NativePath(target));
    return result;
}
