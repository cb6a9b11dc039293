#include "app/exercise_start.h"

#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "exercises/spiel1/tprog1.h"
#include "exercises/spiel3/tprog3.h"
#include "exercises/spiel4/tprog4.h"
#include "exercises/spiel5/tprog5.h"
#include "exercises/spiel6/tprog6.h"
#include "exercises/spiel7/tprog7.h"
#include "platform/file_paths.h"

#include <QFile>

namespace {

template <bool kLautier>
std::unique_ptr<T_urahnlrb> MakeTprog1(const ExerciseStartOptions&)
{
    return std::make_unique<Tprog1>(kLautier);
}

template <class Window>
std::unique_ptr<T_urahnlrb> Make(const ExerciseStartOptions&)
{
    return std::make_unique<Window>();
}

// One row per exercise; an exercise lands by filling in its window maker.
const ExerciseStart kExercises[] = {
    {ExerciseKind::HoerenUndSchreiben, "1", "hoeren", "Hören und Schreiben",
     &Section::kHoerenUndSchreiben, '1', &MakeTprog1<false>},
    {ExerciseKind::Lautieruebung, "1l", "lautier", "Lautierübung", &Section::kLautieruebung, '1',
     &MakeTprog1<true>},
    {ExerciseKind::WelchesWortStimmt, "2", "welches", "Welches Wort stimmt?",
     &Section::kWelchesWortStimmt, '3', nullptr},
    {ExerciseKind::BildZumWort, "3", "bildwort", "Bild zum Wort", &Section::kBildZumWort, '2', &Make<Tprog3>},
    {ExerciseKind::BildZumTon, "4", "bildton", "Bild zum Ton", &Section::kBildZumTon, '6', &Make<Tprog4>},
    {ExerciseKind::BildMemory, "5", "bildmemory", "Bild-Memory", &Section::kBildMemory, '0', &Make<Tprog5>},
    {ExerciseKind::SoundMemory, "6", "soundmemory", "Sound-Memory", &Section::kSoundMemory, 'c', &Make<Tprog6>},
    {ExerciseKind::LesenLernen, "7", "lesen", "Lesen lernen", &Section::kLesenLernen, '2', &Make<Tprog7>},
};

void RemoveIfThere(const QString& path)
{
    const QString native = NativePath(path);
    if (QFile::exists(native))
        QFile::remove(native);
}

} // namespace

const ExerciseStart* FindExerciseStart(ExerciseKind kind)
{
    for (const ExerciseStart& e : kExercises)
        if (e.kind == kind)
            return &e;
    return nullptr;
}

bool ExerciseAvailable(ExerciseKind kind)
{
    const ExerciseStart* e = FindExerciseStart(kind);
    return e && e->make;
}

QString ExerciseSection(ExerciseKind kind)
{
    const ExerciseStart* e = FindExerciseStart(kind);
    return e ? *e->section : QString();
}

ExerciseKind ExerciseByName(const QString& name)
{
    const QString n = name.trimmed();
    for (const ExerciseStart& e : kExercises)
        if (n.compare(QLatin1String(e.number), Qt::CaseInsensitive) == 0
            || n.compare(QLatin1String(e.word), Qt::CaseInsensitive) == 0)
            return e.kind;
    return ExerciseKind::None;
}

QString ExerciseNamesHelp()
{
    QString text;
    for (const ExerciseStart& e : kExercises)
        if (e.make)
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

char RunExercise(ExerciseKind kind, const ExerciseStartOptions& options)
{
    const ExerciseStart* e = FindExerciseStart(kind);
    if (!e || !e->make)
        return 0;
    PrepareResults();
    std::unique_ptr<T_urahnlrb> window = e->make(options);
    window->ShowModal();
    return e->mark;
}
