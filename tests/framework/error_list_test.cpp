#include "framework/error_list.h"

#include "results_fixture.h"

namespace {

using ErrorListTest = ResultsTest;

WordEntryPtr Entry(const QString& word, const QString& answer, const QString& speech = QString())
{
    auto e = std::make_shared<WordEntry>();
    e->fields[FieldWord] = e->fields[FieldWritten] = word;
    e->fields[FieldSpeech] = speech;
    e->Answer() = answer;
    return e;
}

TEST_F(ErrorListTest, CollectAnswersMovesWrongEntriesIntoTheErrorList)
{
    tmoiel list;
    list.Append(Entry(QStringLiteral("Hund"), QStringLiteral("-OK-")));
    list.Append(Entry(QStringLiteral("Katze"), QStringLiteral("Kaze; -OK-")));
    list.Append(Entry(QStringLiteral("Maus"), QString()));
    list.Append(Entry(QString(), QStringLiteral("x")));
    std::unique_ptr<tmoiel> errors;
    AnswerLists answers;
    answers.AddListMarker(QStringLiteral("tiere.txt"));
    CollectAnswers(list, errors, answers);

    EXPECT_EQ(answers.answers, (QStringList{"tiere.txt", "-OK-", "Kaze; -OK-", "x"}));
    EXPECT_EQ(answers.words, (QStringList{"", "Hund", "Katze", "nicht vorhanden "}));
    ASSERT_NE(errors, nullptr);
    EXPECT_EQ(errors->title, QStringLiteral("Fehlerliste"));
    ASSERT_EQ(errors->Count(), 2);
    EXPECT_EQ(errors->Entry(0), list.Entry(3));   // the same objects, newest on top
    EXPECT_EQ(errors->Entry(1), list.Entry(1));
    EXPECT_TRUE(list.Entry(1)->Answer().isEmpty());
    EXPECT_EQ(list.Entry(0)->Answer(), QStringLiteral("-OK-"));

    // Collected again (the entry was answered wrongly once more): no second copy.
    list.Entry(1)->Answer() = QStringLiteral("Katse");
    CollectAnswers(list, errors, answers);
    EXPECT_EQ(errors->Count(), 2);
}

TEST_F(ErrorListTest, SharedEntriesOutliveEitherList)
{
    auto list = std::make_unique<tmoiel>();
    list->Append(Entry(QStringLiteral("Katze"), QStringLiteral("Kaze")));
    std::unique_ptr<tmoiel> errors;
    AnswerLists answers;
    CollectAnswers(*list, errors, answers);
    const std::weak_ptr<WordEntry> entry = list->SharedEntry(0);
    list.reset();
    ASSERT_FALSE(entry.expired());
    EXPECT_EQ(errors->Entry(0)->fields[FieldWord], QStringLiteral("Katze"));
    errors.reset();
    EXPECT_TRUE(entry.expired());
}

TEST_F(ErrorListTest, WhatIsNotAdded)
{
    std::unique_ptr<tmoiel> errors = std::make_unique<tmoiel>(QStringLiteral("Fehlerliste"));
    errors->Append(Entry(QStringLiteral("Ball"), QString(), QStringLiteral("Haus")));
    errors->Append(Entry(QStringLiteral("Igel"), QString()));

    tmoiel list;
    list.Append(Entry(QStringLiteral("Haus"), QStringLiteral("Hau")));   // field 3 of an entry is "Haus"
    list.Append(Entry(QStringLiteral("Igel"), QStringLiteral("Iegel")));  // the same word is there
    list.Append(Entry(QStringLiteral("haus"), QStringLiteral("Hau")));   // comparison is exact
    AnswerLists answers;
    CollectAnswers(list, errors, answers);
    ASSERT_EQ(errors->Count(), 3);
    EXPECT_EQ(errors->Entry(0), list.Entry(2));
    EXPECT_EQ(list.Entry(0)->Answer(), QStringLiteral("Hau"));   // not added: slot kept

    // Practising the error list adds nothing to it.
    errors->Entry(1)->Answer() = QStringLiteral("Bal");
    AnswerLists practice;
    CollectAnswers(*errors, errors, practice);
    EXPECT_EQ(errors->Count(), 3);
    EXPECT_EQ(practice.answers, QStringList{"Bal"});
    EXPECT_EQ(errors->Entry(1)->Answer(), QStringLiteral("Bal"));
}

TEST_F(ErrorListTest, SaveErrorListBesideTheProfile)
{
    tmoiel list;
    auto e = Entry(QStringLiteral("Katze"), QStringLiteral("Kaze"));
    e->fields = {QStringLiteral("Katze"), QStringLiteral("8 100xx 11"), QStringLiteral("Bilder\\katze.wmf"),
                 QStringLiteral("sprache\\katze.wav"), QString(), QStringLiteral("Katze")};
    list.Append(e);
    std::unique_ptr<tmoiel> errors;
    AnswerLists answers;
    CollectAnswers(list, errors, answers);
    SaveErrorList(errors.get(), profile);
    EXPECT_EQ(Read(".fhl"),
              QByteArray("Fehlerliste\r\n\r\nKatze;8 100xx 11;Bilder\\katze.wmf;sprache\\katze.wav;;Katze\r\n"));
    SaveErrorList(nullptr, prog.Path(QStringLiteral("protokoll/leer.ini")));
    EXPECT_FALSE(QFileInfo::exists(prog.Path(QStringLiteral("protokoll/leer.fhl"))));

    std::unique_ptr<tmoiel> loaded;
    ASSERT_TRUE(Load(loaded, prog.Path(QStringLiteral("protokoll/anna.fhl")), true));
    ASSERT_EQ(loaded->Count(), 1);
    EXPECT_EQ(loaded->Entry(0)->fields[FieldWord], QStringLiteral("Katze"));
}

} // namespace
