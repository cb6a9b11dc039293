#include "exercises/choice/spoken_word_chain.h"

#include "data/path_helpers.h"
#include "data/text_helpers.h"
#include "data/word_list.h"
#include "sound/spoken_word.h"

SpokenWordChain::SpokenWordChain(ChainButtons buttons) : buttons_(std::move(buttons)) {}

ChainPlay SpokenWordChain::Begin(const WordEntry& entry, bool noiseOn, bool mitArtikel)
{
    Stop();
    const QString& noise = entry.Field(FieldNoise);
    soundNumber_ = noiseOn && !noise.isEmpty() ? 1 : 0;
    remaining_ = soundNumber_;
    if (soundNumber_ == 1)
        return {buttons_.noise, noise, entry.slots[FieldNoise], 0};
    return FirstRecording(entry, mitArtikel);
}

ChainPlay SpokenWordChain::FirstRecording(const WordEntry& entry, bool mitArtikel)
{
    parts_ = SpeechSequence(SpokenText(entry.Field(FieldWritten)));
    const SpeechStart start = FirstSpeechPart(parts_, mitArtikel, buttons_.articleFiles);
    if (start.play < 0)
        return {};
    nextPart_ = start.next;
    return {buttons_.parts, parts_[start.play], QString(), 0};
}

ChainPlay SpokenWordChain::Finished(int button, const WordEntry* entry, bool speechOn, bool mitArtikel,
                                    int soundpause)
{
    if (button == buttons_.noise && remaining_ > 0) {
        if (entry && speechOn && (buttons_.recordingsAfterNoise || !entry->Field(FieldSpeech).isEmpty()))
            return SpeechAfterNoise(*entry, mitArtikel, soundpause);
        remaining_ = 0;
        return {};
    }
    if (button == buttons_.parts && nextPart_ > 0) {
        if (nextPart_ < parts_.size())
            return {buttons_.parts, parts_[nextPart_++], QString(), 0};
        nextPart_ = 0;
    }
    return {};
}

ChainPlay SpokenWordChain::SpeechAfterNoise(const WordEntry& entry, bool mitArtikel, int soundpause)
{
    --remaining_;
    soundNumber_ = 0;
    if (buttons_.recordingsAfterNoise) {
        ChainPlay play = FirstRecording(entry, mitArtikel);
        play.controlString = entry.slots[FieldSpeech];
        play.pauseMs = soundpause * 100;
        return play;
    }
    const QString& speech = entry.Field(FieldSpeech);
    const QString control = entry.slots[FieldSpeech];
    const int pause = soundpause * 100;
    const QString article = mitArtikel ? ArticleSoundFile(FileNamePart(speech)) : QString();
    if (article.isEmpty())
        return {buttons_.noise, speech, control, pause};
    // The article alone, then the noun: the word is not left unsaid.
    parts_ = QStringList{article};
    const QString noun = SoundFileOfWord(NounOfPair(SpokenText(entry.Field(FieldWritten))),
                                         QStringLiteral("sprache"), true);
    if (!noun.isEmpty())
        parts_ << noun;
    nextPart_ = 1;
    return {buttons_.parts, article, QString(), pause};
}

void SpokenWordChain::Stop()
{
    soundNumber_ = 0;
    remaining_ = 0;
    parts_.clear();
    nextPart_ = 0;
}
