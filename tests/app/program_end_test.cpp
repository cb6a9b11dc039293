// The end of the session from outside: SDL leaves the signals alone, a
// request closes what waits for an answer and the open exercise records its
// results, and a real SIGTERM ends the real program with its results written.
#include "app/program_end.h"

#include "framework/exercise_window.h"
#include "platform/audio_sdl_device.h"
#include "platform/file_paths.h"
#include "platform/ini_file.h"
#include "platform/messages.h"
#include "platform/session_end.h"
#include "platform/text_codec.h"
#include "support/built_program.h"
#include "support/temp_program.h"
#include "framework/test_exercise.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>

TEST(SessionEnd, TheSoundDeviceLeavesSigintAndSigtermToTheProgram)
{
    SdlAudioDevice device;
    ASSERT_TRUE(device.Open()) << "the dummy driver opens";
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction now = {};
        ASSERT_EQ(sigaction(signal, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << signal;
    }
}

namespace {

const QString kSection = QStringLiteral("Hören und Schreiben ");

// A pupil with a list of three words for exercise 1; the profile's path.
QString PupilWithAList(TempProgram& prog)
{
    prog.Write("listen\\tiere.txt", "Tiere\r\nzweite\r\nHund;8 100xx 11;;;;Hund\r\nKatze;8 100xx 11;;;;Katze\r\n"
                                    "Maus;8 100xx 11;;;;Maus\r\n");
    const QString profile = prog.Write("protokoll\\jeder.ini", "");
    Program().currentProfilePath = profile;
    Ini::WriteString(profile, kSection, "Dateiname", "tiere.txt");
    return profile;
}

} // namespace

TEST(SessionEnd, ARequestClosesTheOpenDialogAndTheExerciseRecordsItsAnswers)
{
    TempProgram prog;
    const QString section = kSection;
    const QString profile = PupilWithAList(prog);
    QStringList asked;
    SetMessageHook([&](const MessageRequest& r) {
        asked << r.text;
        return Answer::No; // "Wirklich verlassen?" answered No would keep the window open
    });
    SetSessionEndAction([] { EndProgramFromOutside(false); });

    TestExercise w(section);
    bool dialogClosed = false;
    QTimer::singleShot(0, &w, [&] {
        w.PressButton(T_urahnlrb1::kCheck); // Hund right
        w.PressButton(T_urahnlrb1::kNext);
        QTimer::singleShot(0, &w, [&] {
            // A dialog is open when the session ends.
            QDialog dialog(&w);
            QTimer::singleShot(0, &dialog, [] { RequestSessionEnd(); });
            dialog.exec();
            dialogClosed = true;
        });
    });
    w.ShowModal();

    EXPECT_TRUE(dialogClosed);
    EXPECT_TRUE(w.IsTornDown());
    EXPECT_TRUE(asked.isEmpty()) << asked.join("|").toStdString();
    const QString protocol = DecodeCp1252(prog.Read("protokoll/jeder.txt"));
    EXPECT_TRUE(protocol.contains("Hund               = -OK-")) << protocol.toStdString();
    EXPECT_EQ(Ini::ReadInt(profile, section, "Listenstelle", -1), 1);
    SetMessageHook({});
    SetSessionEndAction({});
    ResetSessionEndForTests();
}

TEST(SessionEnd, TheSessionManagersSaveRequestEndsTheExerciseLikeTheEndTile)
{
    TempProgram prog;
    const QString profile = PupilWithAList(prog);
    QStringList asked;
    SetMessageHook([&](const MessageRequest& r) {
        asked << r.text;
        return Answer::No;
    });
    SetSessionEndAction([] { EndProgramFromOutside(false); });
    const QMetaObject::Connection connection = EndSessionOnCommitDataRequest(*qApp);

    TestExercise w(kSection);
    QTimer::singleShot(0, &w, [&] {
        w.PressButton(T_urahnlrb1::kCheck); // Hund right
        w.PressButton(T_urahnlrb1::kNext);
        QTimer::singleShot(0, &w, [] {
            // The save request as the session manager sends it before a
            // logout (the manager object is not used, so none is made).
            const QMetaMethod request = QMetaMethod::fromSignal(&QGuiApplication::commitDataRequest);
            void* arguments[] = {nullptr, nullptr};
            QMetaObject::activate(qApp, &QGuiApplication::staticMetaObject,
                                  request.methodIndex() - QGuiApplication::staticMetaObject.methodOffset(),
                                  arguments);
        });
    });
    w.ShowModal();
    QObject::disconnect(connection);

    EXPECT_TRUE(SessionEnding());
    EXPECT_TRUE(w.IsTornDown());
    EXPECT_TRUE(asked.isEmpty()) << asked.join("|").toStdString();
    const QString protocol = DecodeCp1252(prog.Read("protokoll/jeder.txt"));
    EXPECT_TRUE(protocol.contains("Hund               = -OK-")) << protocol.toStdString();
    EXPECT_EQ(Ini::ReadInt(profile, kSection, "Listenstelle", -1), 1);
    SetMessageHook({});
    SetSessionEndAction({});
    ResetSessionEndForTests();
}

TEST(SessionEnd, SigtermInTheMiddleOfAListEndsTheProgramWithItsResults)
{
    // The real program on the sample content, its pupil data in a folder of
    // its own, started for exercise 1 at the third word of the list.
    const BuiltProgram built;
    const QString root = built.Root();
    ASSERT_TRUE(QFile::exists(built.Executable()));
    const QString profile = root + "protokoll/jeder.ini";
    const QString section = QStringLiteral("Hören und Schreiben ");
    ASSERT_TRUE(Ini::WriteInt(profile, section, "Listenstelle", 2));
    // Certificate data of an earlier run: the first exercise start removes it,
    // which shows that the exercise is on its way.
    QFile old(root + "protokoll/jeder.zgn");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();

    QProcess program;
    program.setProcessEnvironment(BuiltProgram::HeadlessEnvironment());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(built.Executable(), {"--exercise", "1"});
    ASSERT_TRUE(program.waitForStarted(10000));
    QElapsedTimer waited;
    waited.start();
    while (QFile::exists(old.fileName()) && waited.elapsed() < 30000)
        QThread::msleep(20);
    ASSERT_FALSE(QFile::exists(old.fileName())) << "the exercise did not start";
    // The exercise may still be loading its first word: the end waits for it.
    QThread::msleep(300);
    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(30000)) << "SIGTERM did not end the program";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    // Nothing was answered: no empty block is written; the place in the
    // list is kept.
    const QStringList lines = ReadTextLines(root + "protokoll/jeder.txt");
    EXPECT_FALSE(lines.join("\n").contains("Datei: standard.txt")) << lines.join("\n").toStdString();
    EXPECT_FALSE(ReadTextLines(root + "protokoll/jeder.zgn").join("\n").contains("Datei: standard.txt"));
    EXPECT_EQ(Ini::ReadInt(profile, section, "Listenstelle", -1), 2);
}
