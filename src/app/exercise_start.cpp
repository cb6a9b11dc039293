#include "app/exercise_start.h"

#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "exercises/spiel1/tprog1.h"
#include "exercises/spiel2/tprog2.h"
#include "exercises/spiel3/tprog3.h"
#include "exercises/spiel4/tprog4.h"
#include "exercises/spiel5/tprog5.h"
#include "exercises/spiel6/tprog6.h"
#include "exercises/spiel7/tprog7.h"
#include "platform/file_paths.h"

#include <QFile>
#include <QSet>

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

std::unique_ptr<T_urahnlrb> MakeTprog2(const ExerciseStartOptions& options)
{
    return std::make_unique<Tprog2>(options.uncover);
}

// One row per exercise; an exercise lands by filling in its window maker.
const ExerciseStart kExercises[] = {
    {ExerciseKind::HoerenUndSchreiben, "1", "hoeren", "Hören und Schreiben",
     &Section::kHoerenUndSchreiben, '1', &MakeTprog1<false>},
    {ExerciseKind::Lautieruebung, "1l", "lautier", "Lautierübung", &Section::kLautieruebung, '1',
     &MakeTprog1<true>},
    {ExerciseKind::WelchesWortStimmt, "2", "welches", "Welches Wort stimmt?",
     &Section::kWelchesWortStimmt, '3', &MakeTprog2},
    {ExerciseKind::BildZumWort, "3", "bildwort", "Bild zum Wort", &Section::kBildZumWort, '2', &Make<Tprog3>},
    {ExerciseKind::BildZumTon, "4", "bildton", "Bild zum Ton", &Section::kBildZumTon, '6', &Make<Tprog4>},
    {ExerciseKind::BildMemory, "5", "bildmemory", "Bild-Memory", &Section::kBildMemory, '0', &Make<Tprog5>},
    {ExerciseKind::SoundMemory, "6", "soundmemory", "Sound-Memory", &Section::kSoundMemory, 'c', &Make<Tprog6>},
    {ExerciseKind::LesenLernen, "7", "lesen", "Lesen lernen", &Section::kLesenLernen, '2', &Make<Tprog7>},
};

// Names that start an exercise in a variant of its own.
struct ExerciseVariantName {
    const char* number;
    const char* word;
    ExerciseKind kind;
    const char* caption;
    ExerciseStartOptions options;
};

const ExerciseVariantName kVariantNames[] = {
    {"2a", "aufdeck", ExerciseKind::WelchesWortStimmt, "Welches Wort stimmt? (Aufdeckmodus)", {true}},
};

bool NameIs(const QString& name, const char* number, const char* word)
{
    return name.compare(QLatin1String(number), Qt::CaseInsensitive) == 0
           || name.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

QString HelpLine(const char* number, const char* word, const char* caption)
{
    return QStringLiteral("    %1, %2").arg(QLatin1String(number), QLatin1String(word)).leftJustified(20)
           + QString::fromUtf8(caption) + u'\n';
}

ExerciseWindowHook& WindowHook()
{
    static ExerciseWindowHook hook;
    return hook;
}

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
        if (NameIs(n, e.number, e.word))
            return e.kind;
    for (const ExerciseVariantName& v : kVariantNames)
        if (NameIs(n, v.number, v.word))
            return v.kind;
    return ExerciseKind::None;
}

ExerciseStartOptions ExerciseOptionsByName(const QString& name)
{
    const QString n = name.trimmed();
    for (const ExerciseVariantName& v : kVariantNames)
        if (NameIs(n, v.number, v.word))
            return v.options;
    return {};
}

QString ExerciseNamesHelp()
{
    QString text;
    for (const ExerciseStart& e : kExercises) {
        if (!e.make)
            continue;
        text += HelpLine(e.number, e.word, e.caption);
        for (const ExerciseVariantName& v : kVariantNames)
            if (v.kind == e.kind)
                text += HelpLine(v.number, v.word, v.caption);
    }
    return text;
}

void PrepareResults()
{
    // A pupil's certificate data and result summary start afresh with the
    // pupil's first exercise of a run, and only then: a later exercise of the
    // same run adds to what the earlier ones wrote.
    static QSet<QString> prepared;
    if (Program().firstStart) {
        prepared.clear();
        Program().firstStart = false;
    }
    const QString profile = CurrentProfilePath();
    const QString key = ResolvePath(profile);
    if (prepared.contains(key))
        return;
    prepared.insert(key);
    RemoveIfThere(ChangeExtension(profile, QStringLiteral(".zgn")));
    RemoveIfThere(ChangeExtension(profile, QStringLiteral(".rtf")));
}

char RunExercise(ExerciseKind kind, const ExerciseStartOptions& options)
{
    const ExerciseStart* e = FindExerciseStart(kind);
    if (!e || !e->make)
        return 0;
    PrepareResults();
    if (WindowHook()) {
        WindowHook()(*e, options);
    } else {
        std::unique_ptr<T_urahnlrb> window = e->make(options);
        window->ShowModal();
    }
    return e->mark;
}

void SetExerciseWindowHook(ExerciseWindowHook hook)
{
    WindowHook() = std::move(hook);
}
