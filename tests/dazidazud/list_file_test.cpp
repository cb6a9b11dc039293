// Reading and writing list files in the editor: unchanged lists keep every
// byte, lists the editor writes load in the exercises field for field, and
// files that are not lists are refused without anything being written.
#include "dazidazud/list_file.h"
#include "dazidazud/list_table_model.h"
#include "data/word_list.h"
#include "platform/text_codec.h"
#include "support/temp_program.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

TEST(EditorListFile, EverySampleListIsWrittenBackByteForByte)
{
#ifndef LIRABO_WITH_CONTENT
    GTEST_SKIP() << "built without the sample content";
#else
    const QDir listen(QStringLiteral(LIRABO_PROGRAM_DIR "/listen"));
    const QStringList names = listen.entryList({QStringLiteral("*.txt")}, QDir::Files);
    ASSERT_GE(names.size(), 10);
    TempProgram temp;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray original = ReadAll(listen.filePath(name));
        ListTableModel model;
        QString error;
        ASSERT_TRUE(model.Open(listen.filePath(name), &error)) << error.toStdString();
        EXPECT_GT(model.Rows(), 0);
        EXPECT_FALSE(model.IsModified());
        ASSERT_TRUE(model.SaveAs(temp.Path(name), &error)) << error.toStdString();
        EXPECT_EQ(temp.Read(name), original);
    }
#endif
}

TEST(EditorListFile, RowsKeepTheirFieldsAsWritten)
{
    TempProgram temp;
    // "Hund.png" exists only under "Bilder\": the exercises read it with the
    // folder in front, the editor keeps the field as the teacher wrote it.
    temp.Write(QStringLiteral("Bilder/Hund.png"), QByteArray("x"));
    const QByteArray bytes = "Titel\r\nZweite\r\n"
                             "der Hund;7 95 x4 11;Hund.png;s.wav;s.wav;der Hund\r\n"
                             "Bild;7 95 x4 11;Baum Schrift in: Arial;;;Baum\r\n";
    const ListFileReading r = ParseListBytes(bytes, QStringLiteral("a.txt"));
    ASSERT_TRUE(r.list);
    ASSERT_EQ(r.list->Count(), 2);
    EXPECT_EQ(r.list->Entry(0)->Field(FieldPicture), QStringLiteral("Hund.png"));
    EXPECT_EQ(r.list->Entry(0)->Field(FieldNoise), QStringLiteral("s.wav"));
    EXPECT_EQ(r.list->Entry(1)->Field(FieldPicture), QStringLiteral("Baum Schrift in: Arial"));
    EXPECT_EQ(EncodeCp1252(r.list->Lines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")), bytes);
}

TEST(EditorListFile, ShortAndLongRowsAreCompletedAndCut)
{
    const ListFileReading r =
        ParseListBytes("T\r\nU\r\na;b;c\r\n\r\nw;s;p;t;g;d;extra\r\n", QStringLiteral("a.txt"));
    ASSERT_TRUE(r.list);
    ASSERT_EQ(r.list->Count(), 2);   // the empty line is no row
    EXPECT_EQ(r.paddedRows, 1);
    EXPECT_EQ(r.cutRows, 1);
    EXPECT_EQ(r.list->Lines().mid(2), (QStringList{QStringLiteral("a;b;c;;;"), QStringLiteral("w;s;p;t;g;d")}));
}

TEST(EditorListFile, FilesThatAreNoListsAreRefused)
{
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"plain text", "Liebe Eltern,\r\nmorgen ist\r\nkein Unterricht.\r\n"},
        {"too large", QByteArray(int(kMaxListFileBytes) + 1, 'a')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ListFileReading r = ParseListBytes(c.bytes, QStringLiteral("brief.txt"));
        EXPECT_FALSE(r.list);
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("Die Datei \u201Ebrief.txt\u201C ist keine Wortliste")))
            << r.error.toStdString();
    }
    // Headers alone are a list without rows (a new list saved empty).
    EXPECT_TRUE(ParseListBytes("Titel\r\n", QStringLiteral("a.txt")).list);
}

TEST(EditorListFile, RefusedOpenKeepsTheListAndItsFile)
{
    TempProgram temp;
    const QString letter = temp.Write(QStringLiteral("listen/brief.txt"), "Liebe Eltern,\r\nbis bald\r\nEuer Kind\r\n");
    ListTableModel model;
    model.SetHeader(1, QStringLiteral("Meine Liste"));
    model.InsertRow(0);
    QString error;
    EXPECT_FALSE(model.Open(letter, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(model.Open(temp.Path(QStringLiteral("listen/fehlt.txt")), &error));
    EXPECT_EQ(error, QStringLiteral("Die Liste \u201E%1\u201C gibt es nicht.").arg(temp.Path(QStringLiteral("listen/fehlt.txt"))));
    EXPECT_EQ(model.Header(1), QStringLiteral("Meine Liste"));
    EXPECT_EQ(model.Rows(), 1);
    EXPECT_TRUE(model.IsModified());
    EXPECT_EQ(temp.Read(QStringLiteral("listen/brief.txt")), QByteArray("Liebe Eltern,\r\nbis bald\r\nEuer Kind\r\n"));
}

TEST(EditorListFile, TextsThatCannotStandInAListAreNamed)
{
    EXPECT_TRUE(FieldProblem(QStringLiteral("die Straße, 5 \u20AC")).isEmpty());
    EXPECT_FALSE(FieldProblem(QStringLiteral("Hund;Katze")).isEmpty());
    EXPECT_FALSE(FieldProblem(QStringLiteral("zwei\nZeilen")).isEmpty());
    EXPECT_EQ(FieldProblem(QStringLiteral("Hund \U0001F415")).left(11), QStringLiteral("Das Zeichen"));

    // Such a text never reaches the file: the old file stays as it was.
    TempProgram temp;
    temp.Write(QStringLiteral("listen/a.txt"), "alt\r\n");
    tmoiel list(QStringLiteral("Hunde \U0001F415"));
    QString error;
    EXPECT_FALSE(WriteListFile(list, temp.Path(QStringLiteral("listen/a.txt")), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Zeile 1: Das Zeichen"))) << error.toStdString();
    EXPECT_EQ(temp.Read(QStringLiteral("listen/a.txt")), QByteArray("alt\r\n"));
}

} // namespace
