// Pupil registry: arbitrary bytes as "namen.txt". Reading never fails; adding a
// pupil keeps every line that was there and the new name is found afterwards;
// removing a name takes out exactly its first line.
#include "data/program_state.h"
#include "data/pupil_profile.h"
#include "data/pupil_registry.h"
#include "data/pupil_selection.h"
#include "platform/text_codec.h"

#include <QFile>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// Files live in memory where possible: every write syncs to disk.
QString FuzzTempTemplate()
{
    const QString shm = QStringLiteral("/dev/shm");
    return (QDir(shm).exists() ? shm : QDir::tempPath()) + QStringLiteral("/lirabo-fuzz-XXXXXX");
}

const QString& DataFolder()
{
    static QTemporaryDir dir(FuzzTempTemplate());
    static const QString root = [] {
        const QString r = dir.path() + QStringLiteral("/protokoll/");
        QDir().mkpath(r);
        return r;
    }();
    return root;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Program().programFolder = DataFolder() + QStringLiteral("../");
    Program().dataRoot = DataFolder();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    PupilRegistry parsed;
    parsed.SetLines(SplitLines(DecodeCp1252(bytes)));
    for (const QString& name : parsed.Names()) {
        Check(parsed.Contains(name));
        PupilProfile::OfRegistryValue(parsed.ValueOf(name)).Files();
    }

    QFile::remove(PupilRegistry::FilePath());
    {
        QFile f(PupilRegistry::FilePath());
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(bytes);
    }
    PupilRegistry r;
    r.Load();
    const QStringList before = r.Lines();

    // A name typed by a pupil: the input's last line, made storable.
    const QStringList lines = SplitLines(DecodeCp1252(bytes));
    QString name = PupilSelection::StorableName(lines.isEmpty() ? QString() : lines.last().left(40));
    if (name.isEmpty())
        name = QStringLiteral("Neu");
    const bool known = r.Contains(name);
    r.SaveAdding(name, QStringLiteral("Protokoll\\jeder9.ini"));
    PupilRegistry reread;
    reread.Load();
    Check(reread.Contains(name));
    Check(reread.Lines().mid(0, before.size()) == before);
    Check(reread.Lines().size() == before.size() + (known ? 0 : 1));

    const QString first = reread.Names().value(0);
    if (!first.isEmpty()) {
        const qsizetype at = reread.IndexOfName(first);
        QStringList expected = reread.Lines();
        expected.removeAt(at);
        Check(r.SaveRemoving(first));
        reread.Load();
        PupilRegistry wanted;
        wanted.SetLines(expected);
        Check(reread.Lines() == wanted.Lines());
    }
    return 0;
}
