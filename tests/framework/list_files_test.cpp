// Exercises refuse a file that is no word list with the list editor's
// message instead of showing its bytes as words.
#include "framework/list_files.h"
#include "data/word_list.h"
#include "platform/messages.h"
#include "support/temp_program.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

TEST(ExerciseListFiles, FilesThatAreNoWordListsAreRefusedWithTheEditorsMessage)
{
    TempProgram prog;
    QStringList messages;
    SetMessageHook([&](const MessageRequest& r) {
        messages << r.text;
        return Answer::Ok;
    });
    QByteArray random(5 * 1024 * 1024, '\0');
    QRandomGenerator rng(7);
    for (char& c : random)
        c = char(rng.bounded(256));
    const struct {
        const char* file;
        QByteArray bytes;
        const char* reason;
    } refused[] = {
        {"bild.txt", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "keinen Text"},
        {"zufall.txt", random, "zu groß"},
        {"brief.txt", "Liebe Eltern,\r\nbis bald\r\nEuer Kind\r\n", "sechs Felder"},
    };
    for (const auto& c : refused) {
        messages.clear();
        prog.Write(QStringLiteral("listen/") + QLatin1String(c.file), c.bytes);
        EXPECT_EQ(LoadExerciseList(QLatin1String(c.file)), nullptr) << c.file;
        ASSERT_EQ(messages.size(), 1) << c.file;
        EXPECT_TRUE(messages[0].contains(QStringLiteral("ist keine Wortliste"))) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(QString::fromUtf8(c.reason))) << messages[0].toStdString();
    }
    messages.clear();
    prog.Write("listen/tiere.txt", "Tiere\r\n\r\nder Hund;7 95 x4 11;;;;der Hund\r\n");
    const std::unique_ptr<tmoiel> list = LoadExerciseList(QStringLiteral("tiere.txt"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_TRUE(messages.isEmpty());
    SetMessageHook({});
}
