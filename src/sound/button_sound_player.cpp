#include "sound/button_sound_player.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "platform/audio_device.h"
#include "platform/clock.h"
#include "platform/command_event.h"
#include "platform/messages.h"
#include "platform/text_codec.h"
#include "sound/midi_file.h"

#include <QApplication>

namespace {

constexpr qint64 kMinWavFile = 40;

ButtonSoundPlayer* g_playing = nullptr;

bool IsDecimalNumber(const QString& text)
{
    int i = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    if (i >= text.size())
        return false;
    for (; i < text.size(); ++i)
        if (!text[i].isDigit() || text[i].unicode() > 127)
            return false;
    return true;
}

} // namespace

ButtonSoundPlayer* PlayingButton()
{
    return g_playing;
}

void SoundStopRequest()
{
    if (g_playing)
        g_playing->StopRequest();
}

bool IsSoundPlaying()
{
    return g_playing != nullptr;
}

bool WaitForSoundEnd(int maxRounds)
{
    for (int round = 0; IsSoundPlaying() && (maxRounds < 0 || round < maxRounds); ++round)
        Wait(100, true);
    return !IsSoundPlaying();
}

QString ShortSoundName(const QString& name)
{
    QString out;
    for (QChar c : name.left(8)) {
        if ((c >= u'A' && c <= u'Z') || c == u'Ä' || c == u'Ö' || c == u'Ü')
            c = c.toLower();
        if (c == u'.')
            out += u'_';
        else if (c == u'ä')
            out += QStringLiteral("ae");
        else if (c == u'ö')
            out += QStringLiteral("oe");
        else if (c == u'ü')
            out += QStringLiteral("ue");
        else if (c == u'ß')
            out += QStringLiteral("ss");
        else
            out += c;
    }
    out.truncate(8);
    int blanks = 0;
    while (blanks < out.size() && out[blanks] == u' ')
        ++blanks;
    return out.mid(blanks);
}

ButtonSoundPlayer::ButtonSoundPlayer(QObject* owner, int number) : owner_(owner), number_(number) {}

ButtonSoundPlayer::~ButtonSoundPlayer()
{
    if (g_playing == this) {
        ProgramAudio().Stop(AudioChannel::Button);
        g_playing = nullptr;
    }
}

bool ButtonSoundPlayer::PlaySoundFile(const QByteArray& name)
{
    return PlaySoundFile(DecodeCp1252(name));
}

bool ButtonSoundPlayer::PlaySoundFile(const QString& name)
{
    const QString path = ResolvePath(name);
    if (!FileExists(path)) {
        playing_ = false;
        SendCommand(owner_, kSoundFinished, number_);
        if (IsSoundPlaying())
            SoundStopRequest();
        return false;
    }
    if (NamesWavFile(name))
        return PlayWave(path);
    if (NamesMidiFile(name))
        return PlayMidi(path);
    if (IsDecimalNumber(name)) {
        QApplication::beep();
        SendCommand(owner_, kSoundFinished, number_);
        return false;
    }
    const QString shortName = ShortSoundName(name);
    if (shortName.isEmpty()) {
        SendCommand(owner_, kSoundFinished, number_);
        return false;
    }
    return PlaySoundFile(shortName + QStringLiteral(".wav"));
}

bool ButtonSoundPlayer::PlayWave(const QString& path)
{
    if (IsSoundPlaying())
        return false; // one button sound at a time: the request is dropped
    if (release_)
        Free();
    if (!Load(path)) {
        playing_ = false;
        PostCommand(owner_, kSoundFinished, number_);
        return false;
    }
    AudioDevice& device = ProgramAudio();
    const PcmFormat format = loaded_.format.Pcm();
    clip_ = device.Convert(format, loaded_.Data(), loaded_.length);
    if (!clip_)
        clip_ = device.Convert(format, loaded_.Data(), loaded_.length); // the device may take it the second time
    if (!clip_)
        return false; // the format is refused: nothing plays, no command

    repeatCounter_ = 1;
    repeatCount_ = loaded_.repeat;
    opened_ = true;
    playing_ = true;
    if (loaded_.startNotice)
        SendMediaNotice(owner_, 0, 0);
    g_playing = this;
    const PlayResult result = device.Play(AudioChannel::Button, clip_, [this] { BufferEnded(); });
    if (result == PlayResult::Started)
        return true;
    // Nothing sounds: leave no playing record behind that a wait would hang on.
    g_playing = nullptr;
    playing_ = false;
    opened_ = false;
    if (result == PlayResult::NotOpen)
        ShowMessage(QStringLiteral("Wave ist nicht geöffnet "), MessageIcon::Error,
                    QStringLiteral("Fehler beim Abspielen einer Wave-Datei "));
    else
        ShowMessage(device.LastError(), MessageIcon::Error, QStringLiteral("Fehler bei Function Waveoutwrite"));
    return false;
}

bool ButtonSoundPlayer::PlayMidi(const QString& path)
{
    // MIDI is measured, not played yet: the request ends at once.
    const auto bytes = ReadWholeFile(path);
    const auto length = bytes ? MidiLengthMs(*bytes) : std::nullopt;
    const MidiControl control = ReadMidiControl(controlString_);
    Q_UNUSED(length);
    Q_UNUSED(control);
    playing_ = false;
    PostCommand(owner_, kSoundFinished, number_);
    return false;
}

bool ButtonSoundPlayer::Load(const QString& path)
{
    release_ = false;
    if (!FileExists(path)) {
        ShowMessage(path, MessageIcon::None, ProgramFolder());
        return false;
    }
    auto bytes = ReadWholeFile(path);
    if (!bytes || bytes->size() < kMinWavFile)
        return false;
    auto wav = ParsePlayableWav(std::move(*bytes));
    if (!wav)
        return false;
    if (opened_ || !ProgramAudio().Open())
        return false;
    loaded_ = ProcessSound(controlString_, std::move(*wav));
    return true;
}

void ButtonSoundPlayer::BufferEnded()
{
    if (repeatCounter_ < repeatCount_ &&
        ProgramAudio().Play(AudioChannel::Button, clip_, [this] { BufferEnded(); }) == PlayResult::Started) {
        ++repeatCounter_;
        return;
    }
    opened_ = false;
    if (release_)
        Free();
    playing_ = false;
    if (g_playing == this)
        g_playing = nullptr;
    PostCommand(owner_, kSoundFinished, number_);
}

void ButtonSoundPlayer::StopRequest()
{
    if (g_playing != this)
        return;
    ProgramAudio().Stop(AudioChannel::Button);
    opened_ = false;
    g_playing = nullptr;
    playing_ = false;
}

void ButtonSoundPlayer::Free()
{
    loaded_ = ProcessedSound{};
    clip_.reset();
}
