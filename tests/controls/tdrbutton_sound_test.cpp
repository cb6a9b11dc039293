// The sound side of the drawn button: its player reports to the button's
// window with the button's number, and a destroyed button leaves no sound.
#include "controls/tdrbutton.h"
#include "support/command_recorder.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class Window : public QWidget {
public:
    CommandRecorder::Command last{0, 0};
    bool event(QEvent* e) override
    {
        if (e->type() == CommandEvent::EventType()) {
            const auto* c = static_cast<CommandEvent*>(e);
            last = {c->Number(), c->Code()};
            return true;
        }
        return QWidget::event(e);
    }
};

} // namespace

TEST(TdrbuttonSound, EndOfTheButtonsSoundReachesItsWindow)
{
    FakeClock clock;
    FakeAudioDevice device(clock);
    TempProgram prog;
    prog.Write("wort.wav", wavbytes::Wav(1, 8000, 16, wavbytes::Samples16(wavbytes::Noise(802))));
    Window window;
    auto* button = new tdrbutton(&window, 125, nullptr);
    EXPECT_EQ(button->Sound().SoundControlString(), QString(22, u' '));
    ASSERT_TRUE(button->Sound().PlaySoundFile(QString("wort.wav")));
    EXPECT_TRUE(button->Sound().IsPlaying());
    clock.Advance(100);
    DrainEvents();
    EXPECT_EQ(window.last, (CommandRecorder::Command{1000, 125}));

    ASSERT_TRUE(button->Sound().PlaySoundFile(QString("wort.wav")));
    delete button;
    EXPECT_FALSE(IsSoundPlaying());
    EXPECT_FALSE(device.IsSounding(AudioChannel::Button));
}
