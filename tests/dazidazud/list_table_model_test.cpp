// The editor's list model: edits in place with undo and redo, the look-up
// that fills a row from the content folders, the marks of missing files and
// the whole-list check.
#include "dazidazud/entry_lookup.h"
#include "dazidazud/list_table_model.h"
#include "data/word_list.h"
#include "support/picture_fixtures.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <gtest/gtest.h>

namespace {

QByteArray PlayableWav()
{
    return wavbytes::Wav(1, 22050, 16, wavbytes::Samples16(wavbytes::Noise(2205)));
}

// A program folder with the files of "der Hund", "der Bär" and "Ball".
class EditorModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        png_ = Encode(SolidImage(QSize(20, 10), Qt::red), "PNG");
        temp_.Write(QStringLiteral("Bilder/Hund.png"), png_);
        temp_.Write(QStringLiteral("Bilder/Tiere/Baer.JPG"), Encode(SolidImage(QSize(8, 8), Qt::blue), "JPG"));
        temp_.Write(QStringLiteral("Sounds/Hund der.wav"), PlayableWav());
        temp_.Write(QStringLiteral("Sounds/Geraeusche/Hund.wav"), PlayableWav());
        temp_.Write(QStringLiteral("Sounds/Baer der.wav"), PlayableWav());
        temp_.Write(QStringLiteral("sprache/b/Ball.wav"), PlayableWav());
        temp_.Write(QStringLiteral("Sounds/Geraeusche/Ball.wav"), PlayableWav());
    }

    QStringList Row(int row) const
    {
        const RowFieldsArray f = model_.RowFields(row);
        return QStringList(f.begin(), f.end());
    }

    TempProgram temp_;
    QByteArray png_;
    ListTableModel model_;
};

TEST_F(EditorModelTest, TypingAWordFillsTheRowFromTheContentFolders)
{
    struct Case {
        QString word;
        QStringList row;   // fields 0..5
    };
    const QString style = QLatin1String(kListPictureStyle);
    const Case cases[] = {
        {QStringLiteral("der Hund"),
         {QStringLiteral("der Hund"), style, QStringLiteral("Bilder\\Hund.png"), QStringLiteral("Sounds\\Hund der.wav"),
          QStringLiteral("Sounds\\Geraeusche\\Hund.wav"), QStringLiteral("der Hund")}},
        // umlauts written out, a picture in a sub-folder, its letter case kept
        {QStringLiteral("der Bär"),
         {QStringLiteral("der Bär"), style, QStringLiteral("Bilder\\Tiere\\Baer.JPG"),
          QStringLiteral("Sounds\\Baer der.wav"), QString(), QStringLiteral("der Bär")}},
        // without article: the spoken word from "sprache", never a noise as speech
        {QStringLiteral("Ball"),
         {QStringLiteral("Ball"), style, QString(), QStringLiteral("sprache\\b\\Ball.wav"),
          QStringLiteral("Sounds\\Geraeusche\\Ball.wav"), QStringLiteral("Ball")}},
        {QStringLiteral("die Wolke"),
         {QStringLiteral("die Wolke"), style, QString(), QString(), QString(), QStringLiteral("die Wolke")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word.toStdString());
        const int row = model_.InsertRow(model_.Rows());
        ASSERT_TRUE(model_.setData(model_.index(row, ListTableModel::ColGerman), c.word, Qt::EditRole));
        EXPECT_EQ(Row(row), c.row);
    }
}

TEST_F(EditorModelTest, ANewWordReplacesOnlyFilesOfTheOldWord)
{
    const int row = model_.InsertRow(0);
    model_.SetField(row, FieldWord, QStringLiteral("der Hund"));
    model_.SetField(row, FieldNoise, QStringLiteral("Sounds\\Hund der.wav"));   // the teacher's own choice
    model_.SetField(row, FieldPicture, QStringLiteral("Bilder\\fehlt.png"));     // a missing file
    EXPECT_FALSE(model_.FieldFilePresent(row, FieldPicture));
    EXPECT_EQ(model_.data(model_.index(row, ListTableModel::ColPicture), Qt::ToolTipRole).toString(),
              QStringLiteral("Datei fehlt: Bilder\\fehlt.png"));

    model_.SetField(row, FieldWord, QStringLiteral("Ball"));
    // The missing picture stays marked: nothing was found to replace it.
    EXPECT_EQ(Row(row), (QStringList{QStringLiteral("Ball"), QLatin1String(kListPictureStyle),
                                     QStringLiteral("Bilder\\fehlt.png"), QStringLiteral("sprache\\b\\Ball.wav"), QStringLiteral("Sounds\\Hund der.wav"),
                                     QStringLiteral("Ball")}));
    // One undo step takes the word back with everything it changed.
    model_.UndoStack()->undo();
    EXPECT_EQ(model_.Field(row, FieldWord), QStringLiteral("der Hund"));
    EXPECT_EQ(model_.Field(row, FieldPicture), QStringLiteral("Bilder\\fehlt.png"));
    EXPECT_EQ(model_.Field(row, FieldSpeech), QStringLiteral("Sounds\\Hund der.wav"));

    // A word as written of its own stays when the German word changes.
    model_.SetField(row, FieldWritten, QStringLiteral("DER HUND"));
    model_.SetField(row, FieldWord, QStringLiteral("der Bär"));
    EXPECT_EQ(model_.Field(row, FieldWritten), QStringLiteral("DER HUND"));
}

TEST_F(EditorModelTest, EditsUndoAndRedoBackToEveryState)
{
    ASSERT_TRUE(model_.Open(temp_.Write(QStringLiteral("listen/a.txt"),
                                        "Titel\r\nZweite\r\na;s;;;;a\r\nb;s;;;;b\r\nc;s;;;;c\r\n"),
                            nullptr));
    const QStringList start = model_.List().Lines();
    EXPECT_FALSE(model_.IsModified());

    model_.SetHeader(1, QStringLiteral("Neuer Titel"));
    model_.SetField(1, FieldStyle, QStringLiteral("8 100xx 11"));
    ASSERT_TRUE(model_.MoveRow(0, 2));
    model_.RemoveRows(0, 2);
    const int added = model_.InsertRow(1);
    model_.SetField(added, FieldWord, QStringLiteral("die Maus"));
    const QStringList end = model_.List().Lines();
    EXPECT_EQ(end, (QStringList{QStringLiteral("Neuer Titel"), QStringLiteral("Zweite"), QStringLiteral("a;s;;;;a"),
                                QStringLiteral("die Maus;7 95 x4 11;;;;die Maus")}));
    EXPECT_TRUE(model_.IsModified());

    while (model_.UndoStack()->canUndo())
        model_.UndoStack()->undo();
    EXPECT_EQ(model_.List().Lines(), start);
    EXPECT_FALSE(model_.IsModified());
    while (model_.UndoStack()->canRedo())
        model_.UndoStack()->redo();
    EXPECT_EQ(model_.List().Lines(), end);

    QString error;
    ASSERT_TRUE(model_.Save(&error)) << error.toStdString();
    EXPECT_FALSE(model_.IsModified());
    EXPECT_EQ(temp_.Read(QStringLiteral("listen/a.txt")),
              QByteArray("Neuer Titel\r\nZweite\r\na;s;;;;a\r\ndie Maus;7 95 x4 11;;;;die Maus\r\n"));
}

TEST_F(EditorModelTest, RefusedTextsChangeNothing)
{
    const int row = model_.InsertRow(0);
    QStringList refused;
    QObject::connect(&model_, &ListTableModel::Refused, [&](const QString& m) { refused << m; });
    EXPECT_FALSE(model_.SetField(row, FieldWord, QStringLiteral("Hund;Katze")));
    model_.SetHeader(2, QStringLiteral("zwei\nZeilen"));
    EXPECT_EQ(refused.size(), 2);
    EXPECT_EQ(model_.Field(row, FieldWord), QString());
    EXPECT_EQ(model_.Header(2), QString());
}

TEST_F(EditorModelTest, ListMadeInTheEditorLoadsInAnExerciseAsTyped)
{
    model_.NewList();
    model_.SetHeader(1, QStringLiteral("Tiere im Wald"));
    model_.SetHeader(2, QStringLiteral("Wer wohnt dort? Größe: klein"));
    const QStringList words = {QStringLiteral("der Hund"), QStringLiteral("der Bär"), QStringLiteral("die Straße"),
                               QStringLiteral("Ball")};
    for (const QString& w : words)
        model_.SetField(model_.InsertRow(model_.Rows()), FieldWord, w);
    model_.SetField(2, FieldPicture, QStringLiteral("Straße Schrift in: Andika"));
    QString error;
    ASSERT_TRUE(model_.SaveAs(temp_.Path(QStringLiteral("listen/wald.txt")), &error)) << error.toStdString();

    std::unique_ptr<tmoiel> loaded;
    ASSERT_TRUE(Load(loaded, QStringLiteral("listen\\wald.txt"), true));
    EXPECT_EQ(loaded->title, QStringLiteral("Tiere im Wald"));
    EXPECT_EQ(loaded->header2, QStringLiteral("Wer wohnt dort? Größe: klein"));
    ASSERT_EQ(loaded->Count(), words.size());
    for (int i = 0; i < loaded->Count(); ++i) {
        SCOPED_TRACE(i);
        const WordEntry* e = loaded->Entry(i);
        EXPECT_EQ(e->Field(FieldWord), words[i]);
        EXPECT_EQ(e->Field(FieldWritten), words[i]);
        EXPECT_EQ(e->Field(FieldStyle), QLatin1String(kListPictureStyle));
        EXPECT_EQ(e->Field(FieldSpeech), model_.Field(i, FieldSpeech));
        EXPECT_EQ(e->Field(FieldNoise), model_.Field(i, FieldNoise));
    }
    EXPECT_EQ(loaded->Entry(0)->Field(FieldPicture), QStringLiteral("Bilder\\Hund.png"));
    EXPECT_EQ(loaded->Entry(2)->Field(FieldPicture), QStringLiteral("Straße "));
    EXPECT_EQ(loaded->Entry(2)->notes[FieldPicture], QStringLiteral("Andika"));
}

TEST_F(EditorModelTest, TheCheckNamesEveryProblemOfARow)
{
    temp_.Write(QStringLiteral("Bilder/kaputt.png"), "kein Bild");
    temp_.Write(QStringLiteral("Sounds/kaputt.wav"), "RIFF....WAVE");
    model_.SetField(model_.InsertRow(0), FieldWord, QStringLiteral("der Hund"));
    const int bad = model_.InsertRow(1);
    model_.SetField(bad, FieldPicture, QStringLiteral("Bilder\\kaputt.png"));
    model_.SetField(bad, FieldSpeech, QStringLiteral("Sounds\\kaputt.wav"));
    model_.SetField(bad, FieldNoise, QStringLiteral("Sounds\\weg.wav"));
    // A text in place of a picture is no file and no problem.
    const int text = model_.InsertRow(2);
    model_.SetField(text, FieldWord, QStringLiteral("rot"));
    model_.SetField(text, FieldPicture, QStringLiteral("ROT"));

    EXPECT_EQ(model_.CheckAll(), 1);
    EXPECT_TRUE(model_.Problems(0).isEmpty());
    EXPECT_EQ(model_.data(model_.index(0, ListTableModel::ColCheck), Qt::DisplayRole).toString(),
              QStringLiteral("in Ordnung"));
    EXPECT_EQ(model_.Problems(bad),
              (QStringList{QStringLiteral("Deutsches Wort fehlt"), QStringLiteral("Bild lässt sich nicht lesen: Bilder\\kaputt.png"),
                           QStringLiteral("Sprache ist nicht abspielbar: Sounds\\kaputt.wav"),
                           QStringLiteral("Geräusch fehlt: Sounds\\weg.wav")}));
    EXPECT_TRUE(model_.Problems(text).isEmpty());
    // A row changed after the check shows its new result at once: the
    // files the teacher chose stay, the missing noise is found.
    model_.SetField(bad, FieldWord, QStringLiteral("der Hund"));
    EXPECT_EQ(model_.Problems(bad),
              (QStringList{QStringLiteral("Bild lässt sich nicht lesen: Bilder\\kaputt.png"),
                           QStringLiteral("Sprache ist nicht abspielbar: Sounds\\kaputt.wav")}));
    EXPECT_EQ(model_.Field(bad, FieldNoise), QStringLiteral("Sounds\\Geraeusche\\Hund.wav"));
}

TEST_F(EditorModelTest, PictureColumnShowsAThumbnail)
{
    model_.SetField(model_.InsertRow(0), FieldWord, QStringLiteral("der Hund"));
    const QImage thumb = model_.data(model_.index(0, ListTableModel::ColPicture), Qt::DecorationRole).value<QImage>();
    ASSERT_FALSE(thumb.isNull());
    EXPECT_EQ(thumb.size(), ListTableModel::kThumbnailSize);
    EXPECT_EQ(QColor(thumb.pixel(thumb.width() / 2, thumb.height() / 2)), QColor(Qt::red));
    EXPECT_EQ(model_.data(model_.index(0, ListTableModel::ColPicture), Qt::DisplayRole).toString(),
              QStringLiteral("Hund.png"));
}

} // namespace
