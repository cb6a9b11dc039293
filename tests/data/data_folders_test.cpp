#include "data/data_folders.h"
#include "data/program_state.h"
#include "platform/messages.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

constexpr auto kReadOnlyFile = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr auto kReadOnlyFolder = kReadOnlyFile | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                 QFileDevice::ExeOther;
constexpr auto kOpenFolder = kReadOnlyFolder | QFileDevice::WriteOwner;

// A program folder with its "protokoll" data, the shared documents folder
// beside it, and message boxes answered (and recorded) instead of shown.
class DataFoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prog.Write("protokoll/jeder.ini", "[CDtest]\r\naufCD=false\r\n");
        prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\n");
        shared = prog.Path("../shared");
        QDir().mkpath(shared);
        qputenv("LIRABO_SHARED_DOCUMENTS", shared.toLocal8Bit());
        SetMessageHook([this](const MessageRequest& r) {
            boxes.append(r);
            return Answer::Ok;
        });
    }
    void TearDown() override
    {
        SetMessageHook({});
        qunsetenv("LIRABO_SHARED_DOCUMENTS");
        for (const QString& f : lockedFolders)
            QFile::setPermissions(f, kOpenFolder);
    }
    // Takes every write permission from a folder and its files.
    void MakeReadOnly(const QString& relative)
    {
        const QString folder = prog.Path(relative);
        for (const QFileInfo& f : QDir(folder).entryInfoList(QDir::Files))
            QFile::setPermissions(f.filePath(), kReadOnlyFile);
        QFile::setPermissions(folder, kReadOnlyFolder);
        lockedFolders.append(folder);
    }
    QString SharedRoot() const { return shared + "/KORVANT/prog/protokoll/"; }

    TempProgram prog;
    QString shared;
    QList<MessageRequest> boxes;
    QStringList lockedFolders;
};

} // namespace

TEST_F(DataFoldersTest, WritableFolderTest)
{
    EXPECT_TRUE(IsWritableFolder(prog.Path("protokoll/")));
    EXPECT_TRUE(IsWritableFolder(prog.Root() + "PROTOKOLL"));
    EXPECT_FALSE(QFileInfo::exists(prog.Path("protokoll/~abc")));   // probe removed again
    EXPECT_FALSE(IsWritableFolder(prog.Path("missing/")));
    EXPECT_FALSE(IsWritableFolder(prog.Path("protokoll/jeder.ini")));
    EXPECT_FALSE(IsWritableFolder(""));

    // A probe folder left behind by an interrupted run does not count against it.
    QDir().mkpath(prog.Path("protokoll/~abc"));
    EXPECT_TRUE(IsWritableFolder(prog.Path("protokoll/")));

    // One read-only file makes the folder read-only.
    prog.Write("protokoll/alt.txt", "");
    QFile::setPermissions(prog.Path("protokoll/alt.txt"), kReadOnlyFile);
    EXPECT_FALSE(IsWritableFolder(prog.Path("protokoll/")));
    EXPECT_FALSE(IsUsablePath(prog.Path("protokoll/jeder.ini")));
    QFile::remove(prog.Path("protokoll/alt.txt"));

    prog.Write("ro/x.ini", "");
    MakeReadOnly("ro");
    EXPECT_FALSE(IsWritableFolder(prog.Path("ro/")));

    EXPECT_TRUE(IsUsablePath(prog.Path("protokoll/jeder.ini")));
    EXPECT_TRUE(IsUsablePath(prog.Path("protokoll/")));   // a folder: its parent counts
    EXPECT_FALSE(IsUsablePath(prog.Path("protokoll/jeder9.ini")));
}

TEST_F(DataFoldersTest, LocalProtokollFolder)
{
    const DataFolders r = ResolveDataFolders();
    EXPECT_EQ(r.dataRoot, prog.Path("protokoll/"));
    EXPECT_EQ(r.currentProfilePath, "protokoll\\jeder.ini");
    EXPECT_EQ(r.errorText, "");
    EXPECT_FALSE(QFileInfo::exists(shared + "/KORVANT"));
}

TEST_F(DataFoldersTest, NetworkPathFile)
{
    prog.Write("net/daten/jeder.ini", "");
    prog.Write("net/datei", "");
    prog.Write("net/ro/jeder.ini", "");
    MakeReadOnly("net/ro");
    const QString net = prog.Path("net/");
    const QString longError = QString::fromUtf8(
        "Der Ordner %1 zum Speichern der Schülerdaten ist ungültig!\n\r"
        "Bitte überprüfen Sie den Inhalt der Datei %2netzwerkpfad.txt\n\r"
        "und lesen Sie die Datei netzwerk-info im selben Ordner.");
    const struct {
        const char* name;
        QByteArray file;          // content of netzwerkpfad.txt; null: no file
        QString dataRoot;
        QString profile;
        bool error;
    } cases[] = {
        {"no file", QByteArray(), prog.Path("protokoll/"), "protokoll\\jeder.ini", false},
        {"no line", "", prog.Path("protokoll/"), "protokoll\\jeder.ini", false},
        {"blank line", "  \r\nother\r\n", prog.Path("protokoll/"), "protokoll\\jeder.ini", false},
        {"good", (net + "daten/\r\nrest\r\n").toUtf8(), net + "daten/", net + "daten/jeder.ini", false},
        {"other case", (net + "DATEN\\\n").toUtf8(), net + "DATEN\\", net + "DATEN\\jeder.ini", false},
        {"relative", "net\\daten\\", prog.Root() + "net\\daten\\", prog.Root() + "net\\daten\\jeder.ini", false},
        // Without the final separator "jeder.ini" is glued to the folder name.
        {"no separator", (net + "daten").toUtf8(), net + "daten", net + "datenjeder.ini", true},
        {"missing", (net + "fehlt/").toUtf8(), net + "fehlt/", net + "fehlt/jeder.ini", true},
        {"a file", (net + "datei/").toUtf8(), net + "datei/", net + "datei/jeder.ini", true},
        {"read-only", (net + "ro/").toUtf8(), net + "ro/", net + "ro/jeder.ini", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(prog.Path("netzwerkpfad.txt"));
        if (!c.file.isNull())
            prog.Write("netzwerkpfad.txt", c.file);
        const DataFolders r = ResolveDataFolders();
        EXPECT_EQ(r.dataRoot, c.dataRoot);
        EXPECT_EQ(r.currentProfilePath, c.profile);
        EXPECT_EQ(r.errorText, c.error ? longError.arg(c.dataRoot, prog.Root()) : QString());
    }
    // Nothing of the local folder was touched, nothing made elsewhere.
    EXPECT_FALSE(QFileInfo::exists(shared + "/KORVANT"));
    EXPECT_FALSE(QFileInfo::exists(net + "fehlt"));
}

TEST_F(DataFoldersTest, ReadOnlyProgramFolderCopiesOnce)
{
    prog.Write("protokoll/jeder1.ini", "[A]\r\nx=1\r\n");
    prog.Write("protokoll/sub/ignored.ini", "");
    MakeReadOnly("protokoll");

    const DataFolders first = ResolveDataFolders();
    EXPECT_EQ(first.dataRoot, SharedRoot());
    EXPECT_EQ(first.currentProfilePath, SharedRoot() + "jeder.ini");
    EXPECT_EQ(first.errorText, "");
    EXPECT_EQ(QDir(SharedRoot()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({"jeder.ini", "jeder1.ini", "namen.txt"}));
    EXPECT_EQ(prog.Read("../shared/KORVANT/prog/protokoll/jeder1.ini"), "[A]\r\nx=1\r\n");
    // The copies are not read-only.
    EXPECT_TRUE(QFileInfo(SharedRoot() + "jeder1.ini").permissions() & QFileDevice::WriteOwner);

    // The second start finds the folder and copies nothing, even what is missing.
    QFile::remove(SharedRoot() + "jeder1.ini");
    prog.Write("../shared/KORVANT/prog/protokoll/namen.txt", "Anna=Protokoll\\jeder7.ini\r\n");
    const DataFolders second = ResolveDataFolders();
    EXPECT_EQ(second.dataRoot, SharedRoot());
    EXPECT_EQ(second.errorText, "");
    EXPECT_FALSE(QFileInfo::exists(SharedRoot() + "jeder1.ini"));
    EXPECT_EQ(prog.Read("../shared/KORVANT/prog/protokoll/namen.txt"), "Anna=Protokoll\\jeder7.ini\r\n");
}

TEST_F(DataFoldersTest, UnusableSharedFolderIsReported)
{
    MakeReadOnly("protokoll");
    // The shared documents folder is a file: nothing can be made below it.
    QDir(shared).removeRecursively();
    prog.Write("../shared", "");
    SetUpDataFolders(prog.Root());
    EXPECT_EQ(DataRoot(), SharedRoot());
    EXPECT_EQ(CurrentProfilePath(), SharedRoot() + "jeder.ini");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, QString::fromUtf8("Der Ordner ") + SharedRoot() +
                                 QString::fromUtf8(" zum Speichern der Schülerdaten ist ungültig!"));
    EXPECT_EQ(boxes[0].icon, MessageIcon::Error);
}

TEST_F(DataFoldersTest, SetUpSetsTheProgramValues)
{
    Program().programFolder.clear();
    SetUpDataFolders(prog.Root());
    EXPECT_EQ(ProgramFolder(), prog.Root());
    EXPECT_EQ(DataRoot(), prog.Path("protokoll/"));
    EXPECT_EQ(CurrentProfilePath(), "protokoll\\jeder.ini");
    EXPECT_TRUE(boxes.isEmpty());
}

TEST(SharedDocuments, EnvironmentOverride)
{
    qputenv("LIRABO_SHARED_DOCUMENTS", "/srv/schule/");
    EXPECT_EQ(SharedDocumentsFolder(), "/srv/schule");
    qunsetenv("LIRABO_SHARED_DOCUMENTS");
}

namespace {

mode_t ModeOf(const QString& path)
{
    struct stat st {};
    ::stat(path.toLocal8Bit().constData(), &st);
    return st.st_mode & 07777;
}

} // namespace

// The package's scheme: the shared documents folder belongs to a group, is
// writable for it and passes the group on (set-group-ID). What the program
// makes there must stay writable for the group's other accounts.
TEST_F(DataFoldersTest, GroupSharedFolderStaysWritableForTheGroup)
{
    ::chmod(shared.toLocal8Bit().constData(), 02770);
    MakeReadOnly("protokoll");
    const mode_t savedMask = ::umask(022);

    SetUpDataFolders(prog.Root());
    EXPECT_EQ(DataRoot(), SharedRoot());
    EXPECT_TRUE(boxes.isEmpty());
    for (const QString& folder : {shared + "/KORVANT", shared + "/KORVANT/prog", SharedRoot()}) {
        SCOPED_TRACE(folder.toStdString());
        EXPECT_EQ(ModeOf(folder) & 02070, 02070u);   // group enters and writes, set-group-ID kept
    }
    for (const char* file : {"jeder.ini", "namen.txt"})
        EXPECT_EQ(ModeOf(SharedRoot() + file) & 0060, 0060u) << file;

    // Files written later are the group's too, whatever the user's mask said.
    const mode_t maskAfter = ::umask(savedMask);
    EXPECT_EQ(maskAfter & 0070, 0u);
    EXPECT_EQ(maskAfter & 0007, 0002u);   // others stay as they were
}

TEST_F(DataFoldersTest, PrivateFolderMakesNothingForOthers)
{
    MakeReadOnly("protokoll");
    const mode_t savedMask = ::umask(022);
    SetUpDataFolders(prog.Root());
    EXPECT_EQ(::umask(savedMask), 022u);
    EXPECT_EQ(ModeOf(SharedRoot() + "jeder.ini") & 0022, 0u);
}

TEST(SharedDocuments, MachineFolderOnlyWhenWritable)
{
    QTemporaryDir dir;
    const QString open = dir.path() + "/offen";
    const QString locked = dir.path() + "/zu";
    QDir().mkpath(open);
    QDir().mkpath(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(MachineOrPrivateFolder(open), open);
    EXPECT_EQ(MachineOrPrivateFolder(locked), PrivateDataFolder());
    EXPECT_EQ(MachineOrPrivateFolder(dir.path() + "/fehlt"), PrivateDataFolder());
    EXPECT_TRUE(PrivateDataFolder().endsWith("/lirabo"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
