#include "dialogs/tf_opendialog.h"

#include "dialogs/qt_printers.h"
#include "platform/messages.h"
#include "support/temp_program.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

QStringList Items(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

QModelIndex Child(const QModelIndex& node, const QString& name)
{
    const QAbstractItemModel* model = node.model();
    for (int i = 0; i < model->rowCount(node); ++i)
        if (model->index(i, 0, node).data().toString() == name)
            return model->index(i, 0, node);
    return {};
}

// Collects the texts of message boxes and answers them with OK.
struct MessageLog {
    QStringList texts;
    MessageLog()
    {
        SetMessageHook([this](const MessageRequest& r) {
            texts.append(r.text);
            return Answer::Ok;
        });
    }
    ~MessageLog() { SetMessageHook({}); }
};

class ListChooser : public ::testing::Test {
protected:
    void SetUp() override
    {
        prog.Write("listen/tiere.txt", "");
        prog.Write("listen/klasse2/zoo.txt", "");
        prog.Write("listen/klasse2/Baum.txt", "");
        prog.Write("listen/klasse2/notiz.doc", "");
        prog.Write("listen/bilder/hund.png", "");
        QDir().mkpath(prog.Path("listen/leer"));
        dialog.rootFolder = prog.Path("listen");
    }
    QModelIndex Top() const { return dialog.TV->model()->index(0, 0); }
    bool Selected(const QModelIndex& node) const { return dialog.TV->selectionModel()->isSelected(node); }
    void Select(const QString& name) { dialog.TV->setCurrentIndex(Child(Top(), name)); }

    TempProgram prog;
    TF_opendialog dialog;
};

} // namespace

TEST_F(ListChooser, PreselectsAFileInASubfolder)
{
    dialog.chosenFile = prog.Path("listen\\klasse2\\zoo.txt");
    dialog.FormActivate();

    ASSERT_EQ(Top().data().toString(), "listen");
    EXPECT_EQ(dialog.TV->model()->rowCount(Top()), 3);   // bilder, klasse2, leer
    EXPECT_TRUE(dialog.TV->isExpanded(Top()));
    EXPECT_EQ(dialog.TV->currentIndex(), Child(Top(), "klasse2"));
    EXPECT_TRUE(Selected(Child(Top(), "klasse2")));
    EXPECT_EQ(Items(dialog.LV_auswahl), (QStringList{"Baum.txt", "notiz.doc", "zoo.txt"}));
    EXPECT_EQ(dialog.LV_auswahl->currentItem()->text(), "zoo.txt");
    EXPECT_EQ(dialog.chosenFile, prog.Path("listen/klasse2/zoo.txt"));
    EXPECT_EQ(dialog.CurrentFolder(), prog.Path("listen/klasse2/"));
    EXPECT_EQ(dialog.ParentFolder(), prog.Root());
    EXPECT_TRUE(dialog.StatusText().startsWith(" Datei: "));
}

TEST_F(ListChooser, WithoutAnExistingFileTheFirstOfTheRootIsChosen)
{
    dialog.chosenFile = prog.Path("listen/weg.txt");
    dialog.FormActivate();
    EXPECT_EQ(dialog.TV->currentIndex(), Top());
    EXPECT_EQ(dialog.chosenFile, prog.Path("listen/tiere.txt"));
}

TEST_F(ListChooser, RefusesAFolderWithoutTextFilesUnderTheTextMask)
{
    MessageLog messages;
    dialog.FormActivate();
    Q_EMIT dialog.CB_dateityp->activated(0);   // "Textdatei (*.txt)"
    EXPECT_EQ(dialog.fileMask, "*.txt");

    Select("bilder");
    EXPECT_EQ(messages.texts, QStringList{"Ordner ist leer!"});
    EXPECT_EQ(dialog.TV->currentIndex(), Top());
    EXPECT_EQ(dialog.CurrentFolder(), prog.Path("listen/"));

    Select("klasse2");   // text files: allowed
    EXPECT_EQ(Items(dialog.LV_auswahl), (QStringList{"Baum.txt", "zoo.txt"}));
    EXPECT_EQ(messages.texts.size(), 1);

    Q_EMIT dialog.CB_dateityp->activated(1);   // "alle Dateien (*.*)": the empty folder is fine
    Select("leer");
    EXPECT_EQ(dialog.TV->currentIndex(), Child(Top(), "leer"));
    EXPECT_EQ(dialog.LV_auswahl->count(), 0);
    EXPECT_TRUE(dialog.chosenFile.isEmpty());
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(ListChooser, AClickOnARefusedFolderMovesNeitherCurrentNorSelection)
{
    MessageLog messages;
    dialog.fileMask = "*.txt";
    dialog.FormActivate();
    dialog.show();
    const QModelIndex bilder = Child(Top(), "bilder");
    QTest::mouseClick(dialog.TV->viewport(), Qt::LeftButton, {}, dialog.TV->visualRect(bilder).center());
    EXPECT_EQ(messages.texts, QStringList{"Ordner ist leer!"});
    EXPECT_EQ(dialog.TV->currentIndex(), Top());
    EXPECT_FALSE(Selected(bilder));
    EXPECT_TRUE(Selected(Top()));
    EXPECT_EQ(dialog.CurrentFolder(), prog.Path("listen/"));
}

TEST_F(ListChooser, AnswersOneForOpenAndTwoForCancelOrEscape)
{
    dialog.chosenFile = prog.Path("listen/klasse2/zoo.txt");
    QTimer::singleShot(0, &dialog, [this] { dialog.B_abbrechen->click(); });
    EXPECT_EQ(dialog.Execute(), 2);

    QTimer::singleShot(0, &dialog, [this] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(dialog.Execute(), 2);

    QTimer::singleShot(0, &dialog, [this] {
        QListWidgetItem* baum = dialog.LV_auswahl->item(0);
        const QPoint at = dialog.LV_auswahl->visualItemRect(baum).center();
        QTest::mouseClick(dialog.LV_auswahl->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(dialog.LV_auswahl->viewport(), Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(dialog.Execute(), 1);
    EXPECT_EQ(dialog.chosenFile, prog.Path("listen/klasse2/Baum.txt"));

    QTimer::singleShot(0, &dialog, [this] { QTest::keyClick(dialog.LV_auswahl, Qt::Key_Return); });
    EXPECT_EQ(dialog.Execute(), 1);   // Enter opens the selected file
}

TEST(ListChooserRoot, AMissingRootGivesOnlyTheTopNodeAndNoFile)
{
    TempProgram prog;
    TF_opendialog dialog;
    dialog.rootFolder = prog.Path("fehlt");
    dialog.chosenFile = prog.Path("fehlt/a.txt");
    dialog.FormActivate();
    ASSERT_EQ(dialog.TV->model()->rowCount(), 1);
    const QModelIndex top = dialog.TV->model()->index(0, 0);
    EXPECT_EQ(top.data().toString(), "fehlt");
    EXPECT_EQ(dialog.TV->model()->rowCount(top), 0);
    EXPECT_EQ(dialog.LV_auswahl->count(), 0);
    EXPECT_TRUE(dialog.chosenFile.isEmpty());
    EXPECT_EQ(dialog.StatusText(), "Datei:");
}

// A folder linked into the root (as the installation links the teachers' own
// lists) shows with its files; a link back up the tree is not followed.
TEST_F(ListChooser, ShowsLinkedFoldersButNotLinksBackUp)
{
    prog.Write("../schule/listen/klasse-2a.txt", "");
    ASSERT_TRUE(QFile::link(prog.Path("../schule/listen"), prog.Path("listen/eigene")));
    ASSERT_TRUE(QFile::link(prog.Path("listen"), prog.Path("listen/klasse2/zurueck")));
    dialog.chosenFile = prog.Path("listen/eigene/klasse-2a.txt");
    dialog.FormActivate();

    EXPECT_EQ(dialog.TV->model()->rowCount(Top()), 4);   // bilder, eigene, klasse2, leer
    EXPECT_EQ(dialog.TV->currentIndex(), Child(Top(), "eigene"));
    EXPECT_EQ(Items(dialog.LV_auswahl), QStringList{"klasse-2a.txt"});
    EXPECT_EQ(dialog.chosenFile, prog.Path("listen/eigene/klasse-2a.txt"));
    EXPECT_FALSE(Child(Child(Top(), "klasse2"), "zurueck").isValid());
}

// A word list shows its title (its first line) beside the file name, so a
// teacher finds it by name; a click on the title chooses the file. Files
// without a title line, not text files and binary files show their names.
TEST_F(ListChooser, ShowsListTitlesAndOpensTheFileOfAClickedTitle)
{
    prog.Write("listen/muster/rs-03-ck.txt", "W\xf6rter mit ck\r\nZum \xdc" "ben\r\nder Sack\r\n");
    prog.Write("listen/muster/rs-01-lautgetreu.txt", "  Lautgetreue W\xf6rter  \nKlasse 1\n");
    prog.Write("listen/muster/leer.txt", "\r\nkein Titel\r\n");
    prog.Write("listen/muster/bild.txt", QByteArray(600, 'x'));
    prog.Write("listen/muster/notiz.doc", "Kein Titel\r\n");
    dialog.chosenFile = prog.Path("listen/muster/leer.txt");
    dialog.FormActivate();
    EXPECT_EQ(Items(dialog.LV_auswahl),
              (QStringList{"bild.txt", "leer.txt", "notiz.doc", "Lautgetreue Wörter   (rs-01-lautgetreu.txt)",
                           "Wörter mit ck   (rs-03-ck.txt)"}));

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QListWidgetItem* ck = dialog.LV_auswahl->item(4);
    const QPoint at = dialog.LV_auswahl->visualItemRect(ck).center();
    QTest::mouseClick(dialog.LV_auswahl->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(dialog.chosenFile, prog.Path("listen/muster/rs-03-ck.txt"));
    EXPECT_TRUE(dialog.StatusText().endsWith("rs-03-ck.txt"));
    dialog.hide();

    QTimer::singleShot(0, &dialog, [this] {
        const QPoint title = dialog.LV_auswahl->visualItemRect(dialog.LV_auswahl->item(3)).center();
        QTest::mouseClick(dialog.LV_auswahl->viewport(), Qt::LeftButton, {}, title);
        QTest::mouseDClick(dialog.LV_auswahl->viewport(), Qt::LeftButton, {}, title);
    });
    EXPECT_EQ(dialog.Execute(), 1);
    EXPECT_EQ(dialog.chosenFile, prog.Path("listen/muster/rs-01-lautgetreu.txt"));
}
