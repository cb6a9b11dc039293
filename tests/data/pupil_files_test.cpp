// What the start tidies in the data root, and how pupil files behave when
// several processes write them or one is killed in the middle of a write.
#include "data/pupil_files.h"

#include "data/pupil_registry.h"
#include "data/pupil_selection.h"
#include "platform/file_lock.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"
#include "platform/messages.h"
#include "support/temp_program.h"
#include "support/write_driver_process.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QSysInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <ctime>
#include <functional>
#include <set>
#include <vector>

namespace {

QStringList FilesIn(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    return names;
}

// Sets a file's or a folder's write time seconds back.
void Age(const QString& path, int seconds)
{
    struct timespec times[2];
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= seconds;
    times[1] = times[0];
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

// The lock of path as a writer of another process on this host leaves it
// while it holds the lock.
void HoldAsAnother(const QString& path, qint64 pid)
{
    const QString lock = FileUpdateLock::LockPathOf(path);
    ASSERT_TRUE(QDir().mkdir(lock));
    QFile f(lock + "/" + QString::number(pid) + "_" + QSysInfo::machineHostName() + "_t0k3n");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

void RemoveLock(const QString& lockPath)
{
    QDir(lockPath).removeRecursively();
    QFile::remove(lockPath);
}

// A process id that is surely not running.
qint64 GonePid()
{
    QProcess p;
    p.start("true", {});
    p.waitForFinished();
    return p.processId() > 0 ? p.processId() : 999999;
}

} // namespace

TEST(PupilFiles, StaleTemporariesOfExactlyThatPatternGo)
{
    TempProgram prog;
    const QString root = prog.Path("protokoll/");
    for (const char* name : {"jeder.ini.Ab3dEf", "anna.TXT.x1Y2z3", "namen.txt.000000", "jeder.ini.fresh1",
                             "jeder.ini.Ab3dE", "jeder.ini.Ab3dEfG", "brief.doc.Ab3dEf", "jeder.ini.Ab-dEf",
                             "jeder.ini", "namen.txt.lock.rmlock", "anna.ini.lock.rmlock.rmlock", "namen.txt.lock",
                             "namen.txt.lock.wait"})
        prog.Write(QString("protokoll/") + name, "x");
    for (const char* name : {"jeder.ini.Ab3dEf", "anna.TXT.x1Y2z3", "namen.txt.000000", "jeder.ini.Ab3dE",
                             "jeder.ini.Ab3dEfG", "brief.doc.Ab3dEf", "jeder.ini.Ab-dEf", "jeder.ini",
                             "namen.txt.lock.rmlock", "anna.ini.lock.rmlock.rmlock", "namen.txt.lock",
                             "namen.txt.lock.wait"})
        Age(root + name, 120);
    Age(root + "jeder.ini.fresh1", 10); // a write that may be going on right now

    // The lock itself stays: the lock file judges whether its holder lives.
    EXPECT_EQ(RemoveStaleTemporaries(root), 6);
    EXPECT_EQ(FilesIn(root), (QStringList{"brief.doc.Ab3dEf", "jeder.ini", "jeder.ini.Ab-dEf", "jeder.ini.Ab3dE",
                                          "jeder.ini.Ab3dEfG", "jeder.ini.fresh1", "namen.txt.lock"}));
}

TEST(PupilFiles, StartRemovesOnlyFilesOfPupilsNoLineNames)
{
    TempProgram prog;
    const QString root = prog.Path("protokoll/");
    const QStringList files = {"jeder.ini", "jeder1.ini", "jeder1.txt", "jeder2.ini", "jeder2.zgn", "jeder2.fhl",
                               "jeder3.INI", "jeder4.txt", "jeder5.ini", "anna.ini", "jeder6.doc"};
    for (const QString& f : files)
        prog.Write("protokoll/" + f, "x");

    // No registry, or an empty one: nothing is judged.
    EXPECT_EQ(RemoveUnnamedPupilFiles(), 0);
    prog.Write("protokoll/namen.txt", "\r\n");
    EXPECT_EQ(RemoveUnnamedPupilFiles(), 0);
    EXPECT_EQ(FilesIn(root).size(), files.size() + 1);

    // jeder1 by a relative line, jeder3 by its name in another spelling,
    // jeder5 by an absolute path to the data root written another way.
    prog.Write("protokoll/namen.txt", ("Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\jeder1.ini\r\n"
                                       "Ben=Protokoll\\Jeder3.ini\r\nCarl=Z:\\Schule\\daten\\jeder5.ini\r\n"));
    // Files of the last hour may belong to a pupil a workstation is adding
    // or working with right now: only older ones are judged.
    EXPECT_EQ(RemoveUnnamedPupilFiles(), 0);
    for (const QString& f : files)
        if (f != "jeder4.txt")
            Age(root + f, 2 * 3600);
    EXPECT_EQ(RemoveUnnamedPupilFiles(), 3);
    EXPECT_EQ(FilesIn(root), (QStringList{"anna.ini", "jeder.ini", "jeder1.ini", "jeder1.txt", "jeder3.INI",
                                          "jeder4.txt", "jeder5.ini", "jeder6.doc", "namen.txt"}));

    // A registry held by another writer is not judged either, and the start
    // does not wait for it.
    HoldAsAnother(PupilRegistry::FilePath(), getppid());
    prog.Write("protokoll/jeder7.ini", "x");
    Age(root + "jeder7.ini", 2 * 3600);
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(RemoveUnnamedPupilFiles(), 0);
    EXPECT_LT(t.elapsed(), 1500);
    EXPECT_TRUE(QFile::exists(root + "jeder7.ini"));
}

TEST(PupilFiles, DeletingAPupilRemovesItsResultsBeforeItsProfile)
{
    TempProgram prog;
    for (const char* ext : {".ini", ".txt", ".zgn", ".fhl", ".rtf"})
        prog.Write(QString("protokoll/jeder1") + ext, "x");
    RemovePupilFiles(prog.Path("protokoll/jeder1.ini"));
    EXPECT_TRUE(FilesIn(prog.Path("protokoll/")).isEmpty());
}

TEST(FileLocking, AWriterThatCannotGetTheLockLeavesTheFileAsItWas)
{
    TempProgram prog;
    const QString profile = prog.Write("protokoll/jeder.ini", "[A]\r\nx=1\r\n");
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\n");
    HoldAsAnother(profile, getppid());
    HoldAsAnother(PupilRegistry::FilePath(), getppid());
    FileUpdateLock::SetTimeoutMs(50);

    EXPECT_FALSE(Ini::WriteString(profile, "A", "x", "2"));
    EXPECT_FALSE(Ini::DeleteSection(profile, "A"));
    PupilRegistry registry;
    registry.Load();
    PupilRegistry::Failure failure = PupilRegistry::Failure::None;
    EXPECT_TRUE(registry.SaveAdding("Anna", "Protokoll\\jeder1.ini", &failure).isNull());
    EXPECT_EQ(failure, PupilRegistry::Failure::Busy);
    EXPECT_FALSE(registry.Contains("Anna")); // not in memory only either
    EXPECT_FALSE(registry.SaveRemoving("Name"));
    // The pupil box says so, keeps the name to try again, makes no profile.
    QStringList messages;
    SetMessageHook([&](const MessageRequest& r) {
        messages << r.text;
        return Answer::Ok;
    });
    PupilSelection selection;
    selection.LoadRegistry();
    selection.SetText("Ben");
    EXPECT_EQ(selection.ConfirmPupilName(), PupilSelection::Confirmed::NotAdded);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8("Der Schüler Ben konnte nicht angemeldet werden: der Ordner ")))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("ist gerade belegt"));
    EXPECT_EQ(selection.Text(), "Ben");
    EXPECT_FALSE(selection.Names().contains("Ben"));
    EXPECT_FALSE(QFile::exists(prog.Path("protokoll/jeder1.ini")));

    FileUpdateLock::SetTimeoutMs(2000);
    EXPECT_EQ(prog.Read("protokoll/jeder.ini"), "[A]\r\nx=1\r\n");
    EXPECT_EQ(prog.Read("protokoll/namen.txt"), "Name=PROTOKOLL\\JEDER.INI\r\n");

    // Released, the same writes go through, and trying the name again adds it.
    RemoveLock(FileUpdateLock::LockPathOf(profile));
    RemoveLock(FileUpdateLock::LockPathOf(PupilRegistry::FilePath()));
    EXPECT_TRUE(Ini::WriteString(profile, "A", "x", "2"));
    EXPECT_EQ(selection.ConfirmPupilName(), PupilSelection::Confirmed::Added);
    EXPECT_EQ(prog.Read("protokoll/namen.txt"), "Name=PROTOKOLL\\JEDER.INI\r\nBen=protokoll\\jeder1.ini\r\n");
    EXPECT_TRUE(QFile::exists(prog.Path("protokoll/jeder1.ini")));
    EXPECT_EQ(messages.size(), 1);
    SetMessageHook({});
}

TEST(FileLocking, StaleLocksAreTakenOverAndLiveOnesKept)
{
    TempProgram prog;
    const QString profile = prog.Write("protokoll/jeder.ini", "[A]\r\nx=1\r\n");
    const QString lockPath = FileUpdateLock::LockPathOf(profile);
    FileUpdateLock::SetTimeoutMs(100);
    struct Case {
        const char* what;
        std::function<void()> make;
        bool stale;
    };
    const std::vector<Case> cases = {
        // A lock of a few seconds is read for its holder at once.
        {"holder on this host gone",
         [&] {
             HoldAsAnother(profile, GonePid());
             Age(lockPath, 5);
         },
         true},
        {"holder on this host alive",
         [&] {
             HoldAsAnother(profile, getppid());
             Age(lockPath, 5);
         },
         false},
        {"holder alive but the lock older than any hold",
         [&] {
             HoldAsAnother(profile, getppid());
             Age(lockPath, FileUpdateLock::StaleMs() / 1000 + 5);
         },
         true},
        {"holder on another host, fresh",
         [&] {
             QDir().mkdir(lockPath);
             QFile(lockPath + "/4242_anderer-rechner_abc").open(QIODevice::WriteOnly);
         },
         false},
        // An empty lock folder is one a holder was letting go of: on a local
        // disk a writer's lock is renamed over it at once.
        {"names nobody, fresh", [&] { QDir().mkdir(lockPath); }, true},
        {"names nobody, old",
         [&] {
             QDir().mkdir(lockPath);
             Age(lockPath, 10);
         },
         true},
        // Lock files of an earlier version: the holder in the text.
        {"an earlier version's lock file, holder on another host",
         [&] {
             QFile f(lockPath);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write("4242\nlirabo\nanderer-rechner\n");
         },
         false},
        {"an earlier version's lock file that names nobody, old",
         [&] {
             QFile(lockPath).open(QIODevice::WriteOnly);
             Age(lockPath, 10);
         },
         true},
        {"left by this process (its removal failed)",
         [&] {
             QDir().mkdir(lockPath);
             QFile(lockPath + "/" + QString::number(QCoreApplication::applicationPid()) + "_" +
                   QSysInfo::machineHostName() + "_notheld")
                 .open(QIODevice::WriteOnly);
             Age(lockPath, 5);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveLock(lockPath);
        c.make();
        QElapsedTimer t;
        t.start();
        // A waiting writer (bounded) and the start's tidying agree.
        EXPECT_EQ(Ini::WriteString(profile, "A", "x", c.what), c.stale);
        EXPECT_LT(t.elapsed(), 1500);
        if (!c.stale) {
            EXPECT_FALSE(FileUpdateLock::RemoveIfStale(lockPath));
            EXPECT_TRUE(QFile::exists(lockPath));
        }
        EXPECT_EQ(QFile::exists(lockPath), !c.stale);
        // No takeover marker or waiting mark is left behind.
        for (const QString& name : QDir(prog.Path("protokoll/")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            EXPECT_TRUE(name == "jeder.ini" || name == "jeder.ini.lock") << name.toStdString();
    }
    RemoveLock(lockPath);
    HoldAsAnother(profile, GonePid());
    Age(lockPath, 5);
    EXPECT_TRUE(FileUpdateLock::RemoveIfStale(lockPath));
    HoldAsAnother(profile, GonePid());
    Age(lockPath, 5);
    TidyDataRoot();
    EXPECT_FALSE(QFile::exists(lockPath));
    FileUpdateLock::SetTimeoutMs(2000);
}

namespace {

// Checks one pupil file after a kill: what a complete write leaves, never
// a part of one. Returns a description of the fault, empty when whole.
QString Fault(const QString& kind, const QString& root)
{
    const auto read = [&](const char* name) {
        QFile f(root + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const auto count = [](const QByteArray& b, const char* what) { return b.count(what); };
    if (kind == "profile") {
        const QByteArray b = read("anna.ini");
        if (b.isEmpty())
            return {};
        if (!b.endsWith("\r\n") || count(b, "[Teil") != count(b, "Wert=") || count(b, "[Teil") > 20)
            return "profile cut: " + QString::fromLatin1(b.right(80));
        return {};
    }
    if (kind == "registry") {
        const QByteArray b = read("namen.txt");
        if (b.isEmpty())
            return {};
        if (!b.endsWith("\r\n"))
            return "registry cut";
        static const QRegularExpression line(QStringLiteral("^Kind(\\d+)=(.*\\\\)?(jeder\\d+\\.ini)$"));
        std::set<int> kids;
        for (const QString& l : SplitLines(QString::fromLatin1(b))) {
            if (l.startsWith("Name="))
                continue;
            const auto m = line.match(l);
            if (!m.hasMatch())
                return "bad registry line " + l;
            kids.insert(m.captured(1).toInt());
            if (!QFile::exists(root + m.captured(3)))
                return "registry names a missing profile " + l;
        }
        if (!kids.empty() && (*kids.begin() != 0 || *kids.rbegin() != int(kids.size()) - 1))
            return "a pupil was lost";
        return {};
    }
    if (kind == "protocol" || kind == "certificate") {
        const QByteArray b = read(kind == "protocol" ? "anna.txt" : "anna.zgn");
        if (b.isEmpty())
            return {};
        // Every block: its header, the list marker, then the rows up to the last word.
        const qsizetype blocks = count(b, "Programm: ");
        if (!b.endsWith("-OK-\r\n") || count(b, "Datei: ") != blocks || count(b, "Wort399 ") != blocks)
            return kind + " block cut";
        return {};
    }
    if (kind == "errorlist") {
        const QByteArray b = read("anna.fhl");
        if (b.isEmpty())
            return {};
        const QStringList lines = SplitLines(QString::fromLatin1(b));
        if (!b.endsWith("\r\n") || lines.size() < 2 || lines[0] != "Fehlerliste")
            return "error list cut";
        for (qsizetype i = 2; i < lines.size(); ++i)
            if (lines[i].count(u';') != 5)
                return "error list row cut: " + lines[i];
        return {};
    }
    return "unknown kind";
}

} // namespace

TEST(FileLocking, TwoProcessesAddingPupilsAtOnceLoseNone)
{
    QTemporaryDir dir;
    const QString root = dir.path() + "/daten/";
    QDir().mkpath(root);
    constexpr int kEach = 120;
    // A lock timeout of a second: an add gives up (and its pupil is lost)
    // when the other process keeps the lock that long, so it shows whether
    // two busy writers take turns.
    std::unique_ptr<QProcess> a = StartWriteDriver(root, {"add", "A", QString::number(kEach), "1000"});
    std::unique_ptr<QProcess> b = StartWriteDriver(root, {"add", "B", QString::number(kEach), "1000"});
    // Every add is flushed to disk; on a loaded machine or under a sanitizer
    // the two processes take a good while, so they get the test's whole time.
    const QDeadlineTimer deadline(110000);
    ASSERT_TRUE(a->waitForFinished(int(deadline.remainingTime())));
    ASSERT_TRUE(b->waitForFinished(int(std::max<qint64>(1, deadline.remainingTime()))));
    EXPECT_EQ(a->exitCode(), 0);
    EXPECT_EQ(b->exitCode(), 0);

    QFile f(root + "namen.txt");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = SplitLines(QString::fromLatin1(f.readAll()));
    std::set<QString> names, profiles;
    for (const QString& l : lines) {
        names.insert(PupilRegistry::NameOfLine(l));
        profiles.insert(PupilRegistry::ValueOfLine(l).toLower());
    }
    EXPECT_EQ(lines.size(), 2 * kEach + 1);
    EXPECT_EQ(names.size(), size_t(2 * kEach + 1));
    EXPECT_EQ(profiles.size(), size_t(2 * kEach + 1)); // no two pupils share a profile
    EXPECT_FALSE(QFile::exists(root + "namen.txt.lock.wait")) << "waiters take their marks away";
    for (int i = 0; i < kEach; ++i) {
        EXPECT_TRUE(names.count(QString("A%1").arg(i)));
        EXPECT_TRUE(names.count(QString("B%1").arg(i)));
    }
}

TEST(FileLocking, KillsDuringWritesLeaveEveryPupilFileOldOrNew)
{
    // A bounded number of kill -9 at random moments of each kind of write.
    constexpr int kKills = 8;
    for (const QString kind : {"profile", "registry", "protocol", "certificate", "errorlist"}) {
        QTemporaryDir dir;
        const QString root = dir.path() + "/daten/";
        QDir().mkpath(root);
        for (int k = 0; k < kKills; ++k) {
            std::unique_ptr<QProcess> p = StartWriteDriver(root, {kind});
            ASSERT_TRUE(p->waitForReadyRead(20000)) << kind.toStdString();
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            ::kill(pid_t(p->processId()), SIGKILL);
            ASSERT_TRUE(p->waitForFinished(10000));
            const QString fault = Fault(kind, root);
            EXPECT_TRUE(fault.isEmpty()) << fault.toStdString();
        }
        // What the kills left behind: only whole temporary copies, which the
        // start removes once they are old, and profiles no line names.
        Program().dataRoot = root;
        RemoveStaleTemporaries(root, -3600000); // however fresh
        RemoveUnnamedPupilFiles(-3600000);
        for (const QString& name : FilesIn(root))
            EXPECT_TRUE(QRegularExpression("^(anna\\.(ini|txt|zgn|fhl)|namen\\.txt|jeder\\d+\\.ini)(\\.lock)?$")
                            .match(name).hasMatch()) << name.toStdString();
        EXPECT_TRUE(Fault(kind, root).isEmpty());
        if (kind == "registry") {
            // Every profile left is named by the registry.
            PupilRegistry registry;
            registry.Load();
            for (const QString& name : FilesIn(root))
                if (name.startsWith("jeder"))
                    EXPECT_TRUE(NamesProfile(registry, root + name)) << name.toStdString();
        }
    }
}
