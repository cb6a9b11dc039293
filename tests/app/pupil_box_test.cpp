#include "app/pupil_box.h"
#include "data/program_state.h"
#include "platform/messages.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A shown pupil box with the keyboard focus, next to a second widget that can
// take the focus away.
class PupilBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prog.Write("protokoll/jeder.ini", "");
        prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\anna.ini\r\n");
        prog.Write("protokoll/anna.ini", "");
        SetMessageHook([this](const MessageRequest& r) {
            boxes.append(r.text);
            return r.question ? Answer::Yes : Answer::Ok;
        });
        box = new PupilBox(&window);
        other = new QLineEdit(&window);
        other->move(0, 40);
        window.show();
        box->Start();
        Focus(box);
    }
    void TearDown() override { SetMessageHook({}); }

    void Focus(QWidget* w)
    {
        QApplication::setActiveWindow(&window);
        w->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    // Keys go where the application sends them: to the focus widget.
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    void TypeText(const QString& text)
    {
        box->lineEdit()->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    QStringList Items() const
    {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items.append(box->itemText(i));
        return items;
    }

    TempProgram prog;
    QWidget window;
    PupilBox* box = nullptr;
    QLineEdit* other = nullptr;
    QStringList boxes;
};

} // namespace

TEST_F(PupilBoxTest, StartShowsTheRegistry)
{
    EXPECT_EQ(Items(), QStringList({"Name", "Anna"}));
    EXPECT_EQ(box->currentText(), "Name");
    EXPECT_EQ(CurrentProfilePath(), DataRoot() + "JEDER.INI");
}

TEST_F(PupilBoxTest, EnterAddsANewPupil)
{
    TypeText("Carla");
    Key(Qt::Key_Return);
    EXPECT_EQ(Items(), QStringList({"Name", "Anna", "Carla"}));
    EXPECT_EQ(box->currentText(), "Carla");
    EXPECT_EQ(CurrentProfilePath(), DataRoot() + "jeder1.ini");
    EXPECT_EQ(prog.Read("protokoll/namen.txt"),
              "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\anna.ini\r\nCarla=protokoll\\jeder1.ini\r\n");
    // Enter on the known name adds nothing.
    Key(Qt::Key_Return);
    EXPECT_EQ(Items().size(), 3);
}

TEST_F(PupilBoxTest, LeavingTheBoxConfirms)
{
    TypeText("  ");
    Focus(other);
    EXPECT_EQ(boxes, QStringList({"Ein leerer Name ist nicht erlaubt!"}));
    EXPECT_EQ(box->currentText(), "Name");

    Focus(box);
    TypeText("anna");
    Focus(other);
    EXPECT_EQ(box->currentText(), "Anna");
    EXPECT_EQ(Items().size(), 2);
}

TEST_F(PupilBoxTest, DeleteKey)
{
    box->setCurrentIndex(1);
    box->lineEdit()->setCursorPosition(0);
    Key(Qt::Key_Delete);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith(QString::fromUtf8("Schüler Anna löschen?\n"))) << boxes[0].toStdString();
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("Ergebnisse"))) << boxes[0].toStdString();
    EXPECT_EQ(Items(), QStringList({"Name"}));
    EXPECT_EQ(box->currentText(), "Name");
    EXPECT_FALSE(QFile::exists(prog.Path("protokoll/anna.ini")));

    // On "Name" the key edits the text as usual.
    box->lineEdit()->setCursorPosition(0);
    Key(Qt::Key_Delete);
    EXPECT_EQ(box->currentText(), "ame");
    EXPECT_EQ(boxes.size(), 1);
}

// "Entf" and then Enter, as a person clears a completed name: the question's
// default is "Nein", and the completed part of a typed name is only text.
TEST_F(PupilBoxTest, EntfThenEnterKeepsThePupilAndACompletionIsOnlyText)
{
    SetMessageHook({});
    QString asked;
    QTimer enter;
    QObject::connect(&enter, &QTimer::timeout, [&] {
        if (QWidget* question = QApplication::activeModalWidget()) {
            asked = question->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            QTest::keyClick(question, Qt::Key_Return);
        }
    });
    enter.start(20);
    box->setCurrentIndex(1);
    Key(Qt::Key_Delete);
    enter.stop();
    EXPECT_TRUE(asked.startsWith(QString::fromUtf8("Schüler Anna löschen?"))) << asked.toStdString();
    EXPECT_EQ(Items(), QStringList({"Name", "Anna"}));
    EXPECT_TRUE(QFile::exists(prog.Path("protokoll/anna.ini")));

    // "An" completes to "Anna" with "na" selected; "Entf" takes "na" away.
    asked.clear();
    Focus(box);
    enter.start(20);
    TypeText(QStringLiteral("An"));
    ASSERT_EQ(box->currentText(), QStringLiteral("Anna"));
    Key(Qt::Key_Delete);
    enter.stop();
    EXPECT_TRUE(asked.isEmpty()) << asked.toStdString();
    EXPECT_EQ(box->currentText(), QStringLiteral("An"));
    EXPECT_EQ(Items(), QStringList({"Name", "Anna"}));
    EXPECT_TRUE(QFile::exists(prog.Path("protokoll/anna.ini")));
}

// The shared pupil "Name" stays whatever case it is typed in.
TEST_F(PupilBoxTest, TheSharedNameCannotBeDeletedInAnotherCase)
{
    for (const char* typed : {"NAME", "name"}) {
        TypeText(QString::fromLatin1(typed));
        box->lineEdit()->setCursorPosition(0);
        Key(Qt::Key_Delete);
        EXPECT_TRUE(boxes.isEmpty()) << typed;
        EXPECT_TRUE(prog.Read("protokoll/namen.txt").startsWith("Name=PROTOKOLL\\JEDER.INI\r\n")) << typed;
    }
    EXPECT_EQ(Items(), QStringList({"Name", "Anna"}));
}

TEST_F(PupilBoxTest, DroppingDownReloads)
{
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nBen=b.ini\r\n");
    box->setCurrentIndex(1);   // Anna, gone from the file
    box->showPopup();
    EXPECT_EQ(Items(), QStringList({"Name", "Ben"}));
    EXPECT_EQ(box->currentText(), "Name");
    box->hidePopup();
}
