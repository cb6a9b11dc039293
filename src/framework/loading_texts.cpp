#include "framework/loading_texts.h"

#include "framework/exercise_shared.h"

const QStringList& LoadingTexts()
{
    static const QStringList texts = {
        QStringLiteral("Bilder werden geladen"), QStringLiteral("Bitte warten"),
        QStringLiteral("Einen Moment bitte"),    QStringLiteral("Etwas Geduld"),
        QStringLiteral("Es geht gleich weiter"), QStringLiteral("Gleich gehts los"),
        QStringLiteral("Jetzt wirds spannend"),
    };
    return texts;
}

QString TakeLoadingText()
{
    int& turn = SharedExerciseState().loadingText;
    if (turn < 0 || turn >= LoadingTexts().size())
        turn = 0;
    const QString text = LoadingTexts().at(turn);
    turn = (turn + 1) % LoadingTexts().size();
    return text;
}
