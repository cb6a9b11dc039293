// WAV loading as a button does it (every encoding converted to PCM), the
// control-string processing on the result, and the reading the simple-sound
// and range players use.
// Input: 22 bytes of control string, then the file image.
#include "platform/messages.h"
#include "sound/pcm_sound.h"
#include "sound/sound_control_string.h"
#include "sound/wav_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool quiet = [] {
        SetMessageHook([](const MessageRequest&) { return Answer::Ok; });
        return true;
    }();
    (void)quiet;
    const auto* bytes = reinterpret_cast<const char*>(data);
    QString control = kDefaultSoundControlString;
    QByteArray image(bytes, qsizetype(size));
    if (size >= kSoundControlLength) {
        control = QString::fromLatin1(bytes, kSoundControlLength);
        image = QByteArray(bytes + kSoundControlLength, qsizetype(size - kSoundControlLength));
    }

    unsigned sum = 0;
    // The processing on the file as stored and as a button loads it.
    for (auto wav : {ParseWavImage(image), ParsePlayableWav(image)}) {
        if (!wav)
            continue;
        const ProcessedSound p = ProcessSound(control, std::move(*wav), qint64(1) << 24);
        if (p.start < 0 || p.length < 0 || p.start + p.length > p.block.size())
            std::abort();
        for (qint64 i = 0; i < p.length; i += 7)
            sum += uchar(p.Data()[i]);
    }
    if (auto measured = ParseMeasuredWav(image)) {
        (void)FrameCount(*measured);
        if (auto pcm = ToPcm(*measured)) {
            const QByteArray part = pcm->Slice(sum % 50, 100 + sum % 1000);
            if (part.size() % pcm->format.BytesPerFrame())
                std::abort();
        }
    }
    return 0;
}
