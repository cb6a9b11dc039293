#include "app/menu_rows.h"

namespace {

const std::array<MenuRow, kMenuRowCount> kRows = {{
    {100, "b100", "1 70 xx 11", "fun\\b104.wmf", 2,
     {{"B60", "Hören/Schreiben", ExerciseKind::HoerenUndSchreiben, true},
      {"B61", "Lautierübung", ExerciseKind::Lautieruebung, false}},
     nullptr, nullptr},
    {101, "b101", "3 80 xx 11", "fun\\b105.wmf", 1,
     {{"L_b101", "Welches Wort stimmt?", ExerciseKind::WelchesWortStimmt, true}, {}},
     "Chb_puzzle", "Aufdeckmodus"},
    {102, "b102", "2 80 xx 11", "fun\\b109.wmf", 2,
     {{"B50", "Lesen lernen", ExerciseKind::LesenLernen, false},
      {"B51", "Bild zum Wort", ExerciseKind::BildZumWort, true}},
     nullptr, nullptr},
    {103, "b103", "6 80 xx 11", "fun\\b106.wmf", 1,
     {{"L_b103", "Bild zum Ton", ExerciseKind::BildZumTon, true}, {}}, nullptr, nullptr},
    {104, "b104", "c 80 xx 11", "fun\\b107.wmf", 1,
     {{"L_b104", "Bild-Memory", ExerciseKind::BildMemory, true}, {}}, nullptr, nullptr},
    {105, "b105", "0 80 xx 11", "fun\\b108.wmf", 1,
     {{"L_b105", "Sound-Memory", ExerciseKind::SoundMemory, true}, {}}, nullptr, nullptr},
}};

} // namespace

const std::array<MenuRow, kMenuRowCount>& MenuRows()
{
    return kRows;
}

ExerciseKind MenuRowExercise(int row, int choice)
{
    if (row < 0 || row >= kMenuRowCount)
        return ExerciseKind::None;
    const MenuRow& r = kRows[size_t(row)];
    return r.choices[(choice > 0 && choice < r.choiceCount) ? choice : 0].kind;
}

QString InfoTileStyle(char lastExerciseMark)
{
    QString style = QStringLiteral("0 98 xx 10");
    style[0] = QChar::fromLatin1(lastExerciseMark);
    return style;
}
