// Starts of the real program and list editor from sessions as a school's
// machines have them: without a display, without a runtime folder, and in the
// C locale of a minimal system, where file names with umlauts must still work.
#include "platform/file_paths.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"
#include "support/built_program.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

namespace {

QProcessEnvironment Without(QProcessEnvironment env, const QStringList& names)
{
    for (const QString& name : names)
        env.remove(name);
    return env;
}

} // namespace

TEST(DesktopStart, WithoutADisplayTheProgramAndTheEditorSaySoInOneLine)
{
    const QProcessEnvironment env =
        Without(QProcessEnvironment::systemEnvironment(),
                {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"});
    for (const QString& name : {QStringLiteral("lirabo"), QStringLiteral("Dazidazud")}) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(LIRABO_PROGRAM_DIR "/") + name, {});
        ASSERT_TRUE(program.waitForFinished(20000)) << name.toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << name.toStdString() << ": no abort";
        EXPECT_EQ(program.exitCode(), 1) << name.toStdString();
        const QString said = QString::fromUtf8(program.readAllStandardError());
        EXPECT_EQ(said.count(u'\n'), 1) << said.toStdString();
        EXPECT_TRUE(said.contains(QStringLiteral("braucht eine Desktop-Sitzung"))) << said.toStdString();
        EXPECT_TRUE(said.contains(QStringLiteral("needs a desktop session"))) << said.toStdString();
    }
}

TEST(DesktopStart, InTheCLocaleUmlautsInNamesAndFilesWorkAndNothingIsPrinted)
{
    const BuiltProgram built;
    const QString root = built.Root();
    // A list with an umlaut in its file name, and a pupil with one in the name.
    ASSERT_TRUE(QFile::remove(root + "listen"));
    ASSERT_TRUE(QDir().mkpath(root + "listen"));
    QFile list(root + QStringLiteral("listen/Übungen.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(EncodeCp1252(QStringLiteral("Übungen\r\nzweite\r\nHund;8 100xx 11;;;;Hund\r\nMaus;8 100xx 11;;;;Maus\r\n")));
    list.close();
    QFile registry(root + "protokoll/namen.txt");
    ASSERT_TRUE(registry.open(QIODevice::WriteOnly));
    registry.write(EncodeCp1252(QStringLiteral("Name=PROTOKOLL\\JEDER.INI\r\nJürgen=PROTOKOLL\\JEDER1.INI\r\n")));
    registry.close();
    const QString profile = root + "protokoll/jeder1.ini";
    ASSERT_TRUE(QFile::copy(root + "protokoll/jeder.ini", profile));
    QFile::setPermissions(profile, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(Ini::WriteString(profile, QStringLiteral("Hören und Schreiben "), "Dateiname", QStringLiteral("Übungen.txt")));
    // The exercise's start removes the certificate data of an earlier run.
    QFile old(root + "protokoll/jeder1.zgn");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();

    QProcess program;
    program.setProcessEnvironment(Without(BuiltProgram::HeadlessEnvironment(),
                                          {"LANG", "LC_ALL", "LC_CTYPE", "LC_MESSAGES", "LANGUAGE", "XDG_RUNTIME_DIR"}));
    program.start(built.Executable(), {"--exercise", "1", "--pupil", QStringLiteral("Jürgen")});
    ASSERT_TRUE(program.waitForStarted(10000));
    QElapsedTimer waited;
    waited.start();
    while (QFile::exists(old.fileName()) && waited.elapsed() < 30000 && program.state() == QProcess::Running)
        QThread::msleep(20);
    ASSERT_FALSE(QFile::exists(old.fileName())) << "the exercise did not start for Jürgen: "
                                                << program.readAllStandardError().toStdString();
    QThread::msleep(300);
    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
    const QString said = QString::fromUtf8(program.readAllStandardError());
    EXPECT_FALSE(said.contains(QStringLiteral("locale"))) << said.toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral("XDG_RUNTIME_DIR"))) << said.toStdString();
    // Nothing was answered, so no block is written; the list with the umlaut
    // in its name was opened and stays the pupil's list.
    const QString protocol = ReadTextLines(root + "protokoll/jeder1.txt").join(u'\n');
    EXPECT_FALSE(protocol.contains(QStringLiteral("Datei: "))) << protocol.toStdString();
    EXPECT_EQ(Ini::ReadString(profile, QStringLiteral("Hören und Schreiben "), "Dateiname", QString()),
              QStringLiteral("Übungen.txt"));
    EXPECT_EQ(Ini::ReadInt(profile, QStringLiteral("Hören und Schreiben "), "Listenstelle", -1), 0);
}
