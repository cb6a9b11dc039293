#include "app/exercise_start.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "exercises/spiel1/tprog1.h"
#include "platform/file_paths.h"

#include <QFile>
#include <memory>

namespace {

struct ExerciseName {
    const char* number;
    const char* word;
    ExerciseKind kind;
    const char* caption;
};

constexpr ExerciseName kNames[] = {
    {"1", "hoeren", ExerciseKind::HoerenUndSchreiben, "Hören und Schreiben"},
    {"1l", "lautier", ExerciseKind::Lautieruebung, "Lautierübung"},
};

void RemoveIfThere(const QString& path)
{
    const QString native = NativePath(path);
    if (QFile::exists(native))
        QFile::remove(native);
}

} // namespace

ExerciseKind ExerciseByName(const QString& name)
{
    const QString n = name.trimmed();
    for (const ExerciseName& e : kNames)
        if (n.compare(QLatin1String(e.number), Qt::CaseInsensitive) == 0
            || n.compare(QLatin1String(e.word), Qt::CaseInsensitive) == 0)
            return e.kind;
    return ExerciseKind::None;
}

QString ExerciseNamesHelp()
{
    QString text;
    for (const ExerciseName& e : kNames)
        text += QStringLiteral("    %1, %2").arg(QLatin1String(e.number), QLatin1String(e.word)).leftJustified(20)
                + QString::fromUtf8(e.caption) + u'\n';
    return text;
}

void PrepareResults()
{
    const QString profile = CurrentProfilePath();
    if (Program().firstStart) {
        const QString certificate = ChangeExtension(profile, QStringLiteral(".zgn"));
        if (FileExists(certificate)) {
            RemoveIfThere(certificate);
            Program().firstStart = false;
        }
        RemoveIfThere(ChangeExtension(profile, QStringLiteral(".rtf")));
    }
}

void RunExercise(ExerciseKind kind)
{
    if (kind == ExerciseKind::None)
        return;
    PrepareResults();
    auto window = std::make_unique<Tprog1>(kind == ExerciseKind::Lautieruebung);
    window->ShowModal();
}
