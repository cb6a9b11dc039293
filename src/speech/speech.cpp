#include "speech/speech.h"

#include <espeak-ng/speak_lib.h>

#include <cmath>
#include <numeric>

namespace Voices {
const Voice kWords{"de", 50, 50, 135};
const Voice kQuick{"de", 50, 50, 190};
const Voice kNoise{"de+m3", 60, 90, 150};
const Voice kChild{"de+f5", 88, 70, 150};
const Voice kMan{"de+m3", 40, 50, 145};
const Voice kWoman{"de+f3", 62, 60, 145};
} // namespace Voices

namespace {

int g_rate = 0;

[[noreturn]] void Fail(const QString& message)
{
    throw SpeechError{message};
}

int Collect(short* samples, int count, espeak_EVENT* events)
{
    auto* target = static_cast<std::vector<float>*>(events->user_data);
    if (samples && target)
        for (int i = 0; i < count; ++i)
            target->push_back(float(samples[i]) / 32768.0f);
    return 0;
}

void Initialise()
{
    if (g_rate > 0)
        return;
    g_rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (g_rate <= 0)
        Fail(QStringLiteral("espeak-ng does not start"));
    espeak_SetSynthCallback(Collect);
}

// espeak-ng speaks at its own rate (22050 on Debian); anything else is
// resampled linearly.
std::vector<float> ToWaveRate(std::vector<float> in)
{
    if (g_rate == Wave::kRate || in.empty())
        return in;
    const double step = double(g_rate) / Wave::kRate;
    std::vector<float> out(size_t(double(in.size()) / step));
    for (size_t i = 0; i < out.size(); ++i) {
        const double pos = double(i) * step;
        const size_t k = size_t(pos);
        const double f = pos - double(k);
        const float b = k + 1 < in.size() ? in[k + 1] : in[k];
        out[i] = float(in[k] * (1.0 - f) + b * f);
    }
    return out;
}

} // namespace

Wave SpeakRaw(const QString& text, const Voice& voice)
{
    Initialise();
    if (espeak_SetVoiceByName(voice.name) != EE_OK)
        Fail(QStringLiteral("espeak-ng has no voice %1").arg(QLatin1String(voice.name)));
    espeak_SetParameter(espeakRATE, voice.rate, 0);
    espeak_SetParameter(espeakPITCH, voice.pitch, 0);
    espeak_SetParameter(espeakRANGE, voice.range, 0);
    std::vector<float> samples;
    const QByteArray utf8 = text.toUtf8();
    const espeak_ERROR err = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                          espeakCHARS_UTF8 | espeakPHONEMES, nullptr, &samples);
    espeak_Synchronize();
    if (err != EE_OK || samples.empty())
        Fail(QStringLiteral("espeak-ng cannot speak \"%1\"").arg(text));
    Wave w;
    w.samples = ToWaveRate(std::move(samples));
    w = w.Trimmed();
    if (w.samples.empty())
        Fail(QStringLiteral("espeak-ng gives silence for \"%1\"").arg(text));
    return w;
}

Wave Finished(const Wave& trimmed)
{
    return trimmed.Normalized().Faded().Padded(30, 80);
}

Wave Speak(const QString& text, const Voice& voice)
{
    return Finished(SpeakRaw(text, voice));
}

Wave ArticleAndNoun(const Wave& article, const Wave& noun)
{
    return Finished(Wave::Concat({article, Wave::Silence(kArticlePauseMs), noun}));
}
