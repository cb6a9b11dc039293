// The editor window as the teacher uses it: a new list saved into "listen",
// the question before changes are lost, refused files and names, the picture
// import onto a row and the missing recordings made in one go.
#include "dazidazud/editor_start.h"
#include "dazidazud/editor_window.h"
#include "data/program_state.h"
#include "data/word_list.h"
#include "dialogs/modal_run.h"
#include "platform/messages.h"
#include "support/picture_fixtures.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <QAction>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        temp_.Write(QStringLiteral("listen/tiere.txt"), "Tiere\r\nim Zoo\r\nder Hund;7 95 x4 11;;;;der Hund\r\n");
        SetMessageHook([this](const MessageRequest& r) {
            messages_ << r.text;
            return answer_;
        });
        SetModalHook([this](QDialog& d) {
            if (auto* input = qobject_cast<QInputDialog*>(&d)) {
                input->setTextValue(typedName_);
                return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        });
    }
    void TearDown() override
    {
        SetMessageHook({});
        SetModalHook({});
    }

    TempProgram temp_;
    QStringList messages_;
    Answer answer_ = Answer::Cancel;
    QString typedName_;
};

TEST_F(EditorWindowTest, NewListIsSavedIntoListenUnderTheTypedName)
{
    EditorWindow w;
    w.HeaderLine(1)->setText(QString());
    QTest::keyClicks(w.HeaderLine(1), QStringLiteral("Wald"));
    w.Action(QStringLiteral("ZeileEinfuegen"))->trigger();
    w.Model()->SetField(w.CurrentRow(), FieldWord, QStringLiteral("der Fuchs"));
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("neue Liste *")));

    typedName_ = QStringLiteral("wald/tiere: Wald");   // no folders, no odd characters
    w.Action(QStringLiteral("Speichern"))->trigger();
    EXPECT_EQ(temp_.Read(QStringLiteral("listen/wald-tiere- Wald.txt")),
              QByteArray("Wald\r\n\r\nder Fuchs;7 95 x4 11;;;;der Fuchs\r\n"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Dazidazud \u2013 wald-tiere- Wald.txt"));
    // Undo after saving makes the list changed again; its caption stays put.
    QAction* undo = w.Action(QStringLiteral("Rueckgaengig"));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("Rückgängig"));
    EXPECT_EQ(undo->toolTip(), QStringLiteral("Rückgängig: Wort \u201Eder Fuchs\u201C"));
    undo->trigger();
    EXPECT_TRUE(w.Model()->IsModified());
}

TEST_F(EditorWindowTest, ChangesAreGuardedOnNewOpenAndClose)
{
    EditorWindow w;
    ASSERT_TRUE(w.OpenList(temp_.Path(QStringLiteral("listen/tiere.txt"))));
    w.Model()->SetHeader(2, QStringLiteral("im Wald"));

    answer_ = Answer::Cancel;
    EXPECT_FALSE(w.close());
    w.NewList();
    EXPECT_EQ(w.Model()->Header(2), QStringLiteral("im Wald"));
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_EQ(messages_[0], QStringLiteral("Die Liste \u201Etiere.txt\u201C wurde geändert. Sollen die Änderungen gespeichert werden?"));

    answer_ = Answer::No;
    w.NewList();
    EXPECT_EQ(w.Model()->Rows(), 0);
    EXPECT_EQ(temp_.Read(QStringLiteral("listen/tiere.txt")), QByteArray("Tiere\r\nim Zoo\r\nder Hund;7 95 x4 11;;;;der Hund\r\n"));

    ASSERT_TRUE(w.OpenList(temp_.Path(QStringLiteral("listen/tiere.txt"))));
    w.Model()->SetHeader(2, QStringLiteral("im Wald"));
    answer_ = Answer::Yes;
    EXPECT_TRUE(w.close());
    EXPECT_EQ(temp_.Read(QStringLiteral("listen/tiere.txt")), QByteArray("Tiere\r\nim Wald\r\nder Hund;7 95 x4 11;;;;der Hund\r\n"));
}

TEST_F(EditorWindowTest, FilesThatAreNoListsAreNeitherOpenedNorOverwritten)
{
    const QByteArray letter = "Liebe Eltern,\r\nbis bald\r\nEuer Kind\r\n";
    temp_.Write(QStringLiteral("listen/brief.txt"), letter);
    EditorWindow w;
    EXPECT_FALSE(w.OpenList(temp_.Path(QStringLiteral("listen/brief.txt"))));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("ist keine Wortliste")));

    w.Model()->SetHeader(1, QStringLiteral("Neu"));
    answer_ = Answer::Yes;
    EXPECT_FALSE(w.SaveAsName(QStringLiteral("brief")));
    EXPECT_TRUE(messages_.last().contains(QStringLiteral("wird nicht überschrieben")));
    EXPECT_EQ(temp_.Read(QStringLiteral("listen/brief.txt")), letter);
    // A list of that name is replaced only when the teacher says so.
    answer_ = Answer::No;
    EXPECT_FALSE(w.SaveAsName(QStringLiteral("tiere.txt")));
    EXPECT_EQ(temp_.Read(QStringLiteral("listen/tiere.txt")).left(5), QByteArray("Tiere"));
    answer_ = Answer::Yes;
    EXPECT_TRUE(w.SaveAsName(QStringLiteral("tiere.txt")));
    EXPECT_EQ(temp_.Read(QStringLiteral("listen/tiere.txt")), QByteArray("Neu\r\n\r\n"));
}

TEST_F(EditorWindowTest, AListChangedElsewhereIsOverwrittenOnlyWhenTheTeacherSaysSo)
{
    const QString path = temp_.Path(QStringLiteral("listen/tiere.txt"));
    EditorWindow first, second;
    ASSERT_TRUE(first.OpenList(path));
    ASSERT_TRUE(second.OpenList(path));
    first.Model()->SetField(first.Model()->InsertRow(1), FieldWord, QStringLiteral("die Katze"));
    ASSERT_TRUE(first.Save());
    EXPECT_TRUE(messages_.isEmpty()) << "nothing changed under the first window";
    const QByteArray withCat = temp_.Read(QStringLiteral("listen/tiere.txt"));
    ASSERT_TRUE(withCat.contains("die Katze"));

    second.Model()->SetHeader(2, QStringLiteral("im Wald"));
    answer_ = Answer::No;
    EXPECT_FALSE(second.Save());
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("an anderer Stelle geändert"))) << messages_[0].toStdString();
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("neu: die Katze"))) << messages_[0].toStdString();
    EXPECT_EQ(temp_.Read(QStringLiteral("listen/tiere.txt")), withCat);

    answer_ = Answer::Yes;
    EXPECT_TRUE(second.Save());
    EXPECT_EQ(temp_.Read(QStringLiteral("listen/tiere.txt")), QByteArray("Tiere\r\nim Wald\r\nder Hund;7 95 x4 11;;;;der Hund\r\n"));
    // Its own save is not a change made elsewhere.
    second.Model()->SetHeader(2, QStringLiteral("im Zoo"));
    messages_.clear();
    EXPECT_TRUE(second.Save());
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(EditorWindowTest, EmptyRowsAreReportedByTheCheckAndLeftOutOnSaving)
{
    EditorWindow w;
    ASSERT_TRUE(w.OpenList(temp_.Path(QStringLiteral("listen/tiere.txt"))));
    const int empty = w.Model()->InsertRow(0);
    EXPECT_EQ(w.Model()->CheckAll(), 1);
    ASSERT_EQ(w.Model()->Problems(empty).size(), 1);
    EXPECT_TRUE(w.Model()->Problems(empty)[0].startsWith(QStringLiteral("Leere Zeile")));

    answer_ = Answer::Cancel;
    EXPECT_FALSE(w.Save());
    EXPECT_TRUE(messages_.last().contains(QStringLiteral("1 leere Zeile(n) ohne Wort (Zeile 1)")));
    answer_ = Answer::Ok;
    EXPECT_TRUE(w.Save());
    const QByteArray saved = temp_.Read(QStringLiteral("listen/tiere.txt"));
    EXPECT_FALSE(saved.contains(";7 95 x4 11;;;;\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("der Hund;7 95 x4 11;;;;der Hund"));
}

TEST_F(EditorWindowTest, PictureDroppedOnARowIsImportedAndUndoable)
{
    QTemporaryDir home;
    const QString photo = home.filePath(QStringLiteral("IMG_0001.jpg"));
    {
        QFile f(photo);
        f.open(QIODevice::WriteOnly);
        f.write(Encode(SolidImage(QSize(64, 48), Qt::yellow), "JPG"));
    }
    EditorWindow w;
    ASSERT_TRUE(w.OpenList(temp_.Path(QStringLiteral("listen/tiere.txt"))));
    EXPECT_TRUE(w.ImportPictureInto(0, photo));
    EXPECT_EQ(w.Model()->Field(0, FieldPicture), QStringLiteral("Bilder\\Hund.jpg"));
    EXPECT_FALSE(w.Model()->data(w.Model()->index(0, ListTableModel::ColPicture), Qt::DecorationRole).isNull());
    w.Model()->UndoStack()->undo();
    EXPECT_EQ(w.Model()->Field(0, FieldPicture), QString());

    EXPECT_FALSE(w.ImportPictureInto(0, home.filePath(QStringLiteral("fehlt.jpg"))));
    EXPECT_EQ(messages_.size(), 1);
}

TEST_F(EditorWindowTest, MissingRecordingsAreMadeInOneStep)
{
    temp_.Write(QStringLiteral("Sounds/Katze die.wav"), wavbytes::Wav(1, 22050, 16, wavbytes::Samples16(wavbytes::Noise(2000))));
    EditorWindow w;
    w.Model()->SetField(w.Model()->InsertRow(0), FieldWord, QStringLiteral("die Katze"));
    w.Model()->SetField(w.Model()->InsertRow(1), FieldWord, QStringLiteral("der Igel"));
    w.Model()->SetField(w.Model()->InsertRow(2), FieldWord, QStringLiteral("Ball"));
    w.Model()->SetField(2, FieldSpeech, QStringLiteral("Sounds\\weg.wav"));   // missing: made anew
    w.Model()->InsertRow(3);                                                 // no word: nothing to speak
    EXPECT_EQ(w.MakeMissingSpeech(), 2);
    EXPECT_EQ(w.Model()->Field(0, FieldSpeech), QStringLiteral("Sounds\\Katze die.wav"));
    EXPECT_EQ(w.Model()->Field(1, FieldSpeech), QStringLiteral("Sounds\\Igel der.wav"));
    EXPECT_EQ(w.Model()->Field(2, FieldSpeech), QStringLiteral("Sounds\\Ball.wav"));
    EXPECT_EQ(w.Model()->CheckAll(), 1);   // the row without a word
    w.Model()->UndoStack()->undo();
    EXPECT_EQ(w.Model()->Field(1, FieldSpeech), QString());
}

TEST(EditorStart, FoldersFromTheMainMenuAndFromTheDesktop)
{
    TempProgram temp;
    QDir().mkpath(temp.Path(QStringLiteral("listen")));
    const QString list = temp.Write(QStringLiteral("listen/a.txt"), "A\r\n");
    QTemporaryDir elsewhere;
    // From the main menu: the data root as the argument, the program folder as working folder.
    EditorStart s = StartEditor({QStringLiteral("/srv/schule/protokoll")}, elsewhere.path(), temp.Root());
    EXPECT_EQ(s.programFolder, temp.Root());
    EXPECT_EQ(ProgramFolder(), temp.Root());
    EXPECT_EQ(DataRoot(), QStringLiteral("/srv/schule/protokoll/"));
    // From the desktop menu, with a list to open.
    s = StartEditor({list}, temp.Root(), elsewhere.path());
    EXPECT_EQ(s.programFolder, temp.Root());
    EXPECT_EQ(s.dataRoot, temp.Root() + QStringLiteral("protokoll/"));
    EXPECT_EQ(s.listToOpen, list);
}

} // namespace
