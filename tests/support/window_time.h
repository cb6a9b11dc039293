#pragma once
// What the exercise window tests share: letting program time pass for a
// window on the fake clock, and recordings that tell which file they are.
#include "framework/exercise_window.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <QCoreApplication>
#include <QtEndian>

#include <map>

// Lets ms of program time pass in 10 ms steps, running what is queued; the
// window's 100 ms tick follows the fake clock.
inline void RunWindowTime(FakeClock& clock, T_urahnlrb* window, int ms)
{
    QCoreApplication::processEvents();
    for (int t = 0; t < ms; t += 10) {
        clock.Advance(10);
        if (window && window->TicksRunning() && clock.NowMs() % T_urahnlrb::kTickMs == 0)
            window->Tick();
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
}

// Recordings of 100 ms whose first sample names them.
class NamedRecordings {
public:
    // Writes name + ".wav" below the program folder.
    void Write(const TempProgram& prog, const QString& name)
    {
        const qint16 id = qint16(1000 + 10 * int(ids_.size()));
        QByteArray data;
        for (int i = 0; i < 800; ++i)   // 100 ms at 8000 Hz
            wavbytes::PutU16(data, quint16(id));
        prog.Write(name + QStringLiteral(".wav"), wavbytes::Wav(1, 8000, 16, data));
        ids_[id] = name.section(u'\\', -1);
    }
    // The short name of a played clip, or "?".
    QString NameOf(const FakeAudioDevice::PlayRecord& play) const
    {
        const QByteArray bytes = play.clip->Bytes();
        const qint16 id = bytes.size() >= 2 ? qFromLittleEndian<qint16>(bytes.constData()) : 0;
        const auto it = ids_.find(id);
        return it != ids_.end() ? it->second : QStringLiteral("?");
    }

private:
    std::map<qint16, QString> ids_;
};
