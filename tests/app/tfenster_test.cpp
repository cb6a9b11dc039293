// The main menu driven as a user would, with the exercise windows, the
// dialogs, the message boxes and the desktop answered by hooks.
#include "app/menu_layout.h"
#include "app/protocol_view.h"
#include "app/pupil_box.h"
#include "app/tfenster.h"
#include "app/tpzeugnis.h"
#include "controls/tdrbutton.h"
#include "controls/tproginfo.h"
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "dialogs/modal_run.h"
#include "dialogs/teinstellungen2.h"
#include "dialogs/tf_opendialog.h"
#include "platform/desktop_open.h"
#include "platform/ini_file.h"
#include "platform/messages.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ExerciseRun {
    ExerciseKind kind;
    bool uncover;
    QString profile;
    QString section;
    int position;   // "Listenstelle" of the section when the exercise started
};

class TFensterTest : public ::testing::Test {
protected:
    TFensterTest()
    {
        prog.Write("protokoll/jeder.ini", "");
        prog.Write("protokoll/anna.ini", "");
        prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\anna.ini\r\n");
        prog.Write("listen/tiere.txt", "Tiere\r\nzweite\r\nHund;8 100xx 11;;;;Hund\r\n");
        prog.Write("listen/alt.txt", "Alt\r\nzweite\r\nKatze;8 100xx 11;;;;Katze\r\n");
        Program().firstStart = true;
        SetExerciseWindowHook([this](const ExerciseStart& e, const ExerciseStartOptions& options) {
            const QString section = *e.section;
            runs.push_back({e.kind, options.uncover, CurrentProfilePath(), section,
                            Ini::ReadInt(CurrentProfilePath(), section, QStringLiteral("Listenstelle"), -1)});
            if (duringRun)
                duringRun();
        });
        SetMessageHook([this](const MessageRequest& r) {
            messages.append(r.title + u'|' + r.text);
            return Answer::Ok;
        });
        SetModalHook([this](QDialog& d) { return modal ? modal(d) : int(QDialog::Rejected); });
        SetDesktopOpenHook([this](const QString& path) {
            opened.append(path);
            return desktopOpens;
        });
        window.show();
        QApplication::setActiveWindow(&window);
    }
    ~TFensterTest() override
    {
        SetExerciseWindowHook({});
        SetMessageHook({});
        SetModalHook({});
        SetDesktopOpenHook({});
    }

    void Pupil(const QString& name) { window.Box()->setEditText(name); }
    QString Profile(const char* file) const { return prog.Path(QStringLiteral("protokoll/") + QLatin1String(file)); }
    tdrbutton* RowTile(int row) const { return window.Tile(MenuRows()[size_t(row)].tile); }
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    TempProgram prog;
    TFenster window;
    std::vector<ExerciseRun> runs;
    std::function<void()> duringRun;
    std::function<int(QDialog&)> modal;
    QStringList messages, opened;
    bool desktopOpens = true;
};

TEST_F(TFensterTest, ShowingReadsRegistryAndOptions)
{
    TempProgram other;
    other.Write("protokoll/jeder.ini", "");
    other.Write("protokoll/namen.txt", "=versteckt.ini\r\nAnna=protokoll\\anna.ini\r\nName=PROTOKOLL\\JEDER.INI\r\n");
    other.Write("vovu.ini", "[Version]\r\nLand=Schweiz\r\n[Programmstart]\r\nBei Datei=0\r\n");
    Program().swissMode = false;
    Program().startOnListChoice = true;
    TFenster shown;
    shown.show();
    EXPECT_EQ(shown.windowTitle(), "Lirabo " + ProgramVersion());
    EXPECT_EQ(shown.Box()->currentText(), "Anna");
    EXPECT_EQ(CurrentProfilePath(), DataRoot() + "anna.ini");
    EXPECT_TRUE(SwissMode());
    EXPECT_FALSE(StartOnListChoice());
    EXPECT_EQ(shown.L_willkommen->text(), QStringLiteral("Willkommen bei den Programmen des"));
}

// Every row starts its exercise for the pupil in the box, in the variant its
// choices stand on; the info tile then shows the exercise's mark.
TEST_F(TFensterTest, RowsStartTheirExerciseInEachVariant)
{
    const struct {
        int row;
        int choice;      // radio button to check, -1: leave as at start
        bool puzzle;
        bool byLabel;    // click the label beside the tile instead
        ExerciseKind kind;
        const char* section;
        char mark;
    } cases[] = {
        {0, -1, false, false, ExerciseKind::HoerenUndSchreiben, "Hören und Schreiben ", '1'},
        {0, 1, false, false, ExerciseKind::Lautieruebung, "Lautierübung", '1'},
        {1, -1, false, false, ExerciseKind::WelchesWortStimmt, "Welches Wort stimmt?", '3'},
        {1, -1, true, true, ExerciseKind::WelchesWortStimmt, "Welches Wort stimmt?", '3'},
        {5, -1, false, false, ExerciseKind::SoundMemory, "Sound-Memory", 'c'},
        {2, -1, false, false, ExerciseKind::BildZumWort, "Bild zum Wort", '2'},
        {2, 0, false, false, ExerciseKind::LesenLernen, "Lesen lernen", '2'},
        {3, -1, false, true, ExerciseKind::BildZumTon, "Bild zum Ton", '6'},
        {5, -1, false, true, ExerciseKind::SoundMemory, "Sound-Memory", 'c'},
        {4, -1, false, false, ExerciseKind::BildMemory, "Bild-Memory", '0'},
    };
    Pupil(QStringLiteral("Anna"));
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row + 1 << " " << c.section);
        if (c.choice >= 0)
            qobject_cast<QRadioButton*>(window.Choice(c.row, c.choice))->setChecked(true);
        window.PuzzleBox()->setChecked(c.puzzle);
        runs.clear();
        if (c.byLabel)
            QTest::mouseClick(window.Choice(c.row, 0), Qt::LeftButton);
        else
            RowTile(c.row)->click();
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].kind, c.kind);
        EXPECT_EQ(runs[0].section, QString::fromUtf8(c.section));
        EXPECT_EQ(runs[0].uncover, c.puzzle);
        EXPECT_EQ(runs[0].profile, Profile("anna.ini"));
        EXPECT_EQ(window.LastExerciseMark(), c.mark);
        EXPECT_EQ(window.InfoStyle(), QChar::fromLatin1(c.mark) + QStringLiteral(" 98 xx 10"));
    }
}

TEST_F(TFensterTest, OptionsOpenTheSettingsDialogOfTheRowsVariant)
{
    const struct {
        int row;
        int choice;
        bool puzzle;
        const char* dialog;
        const char* section;
    } cases[] = {
        {0, 0, false, "Teinstellungen_1", "Hören und Schreiben "},
        {0, 1, false, "Teinstellungen_1", "Lautierübung"},
        {1, -1, false, "Teinstellungen2", "Welches Wort stimmt?"},
        {1, -1, true, "Teinstellungen2", "Welches Wort stimmt?"},
        {2, 1, false, "Teinstellungen3", "Bild zum Wort"},
        {2, 0, false, "Teinstellungen7", "Lesen lernen"},
        {3, -1, false, "Teinstellungen4", "Bild zum Ton"},
        {4, -1, false, "Teinstellungen5", "Bild-Memory"},
        {5, -1, false, "Teinstellungen6", "Sound-Memory"},
    };
    Pupil(QStringLiteral("Anna"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        if (c.choice >= 0)
            qobject_cast<QRadioButton*>(window.Choice(c.row, c.choice))->setChecked(true);
        window.PuzzleBox()->setChecked(c.puzzle);
        QString shown, section;
        bool uncover = false;
        modal = [&](QDialog& d) {
            shown = QLatin1String(d.metaObject()->className());
            section = CurrentSection();
            if (auto* second = qobject_cast<Teinstellungen2*>(&d))
                uncover = second->UncoverMode();
            return int(QDialog::Rejected);
        };
        window.OptionsButton(c.row)->click();
        EXPECT_EQ(shown, QLatin1String(c.dialog));
        EXPECT_EQ(section, QString::fromUtf8(c.section));
        EXPECT_EQ(uncover, c.puzzle);
        EXPECT_EQ(CurrentProfilePath(), Profile("anna.ini"));
        EXPECT_TRUE(runs.empty());
    }
}

// Certificate data and result summary of earlier runs go at each pupil's
// first start of the run only; what the run wrote stays.
TEST_F(TFensterTest, TwoStartsInOneRunClearTheResultsOfEarlierRuns)
{
    prog.Write("protokoll/jeder.rtf", "{\\rtf1 x}");
    prog.Write("protokoll/anna.zgn", "Zeugnis");
    Pupil(QStringLiteral("Name"));
    RowTile(3)->click();
    EXPECT_FALSE(QFile::exists(Profile("jeder.rtf")));
    prog.Write("protokoll/jeder.zgn", "Zeugnis");
    RowTile(4)->click();
    EXPECT_TRUE(QFile::exists(Profile("jeder.zgn")));

    Pupil(QStringLiteral("Anna"));
    RowTile(0)->click();
    EXPECT_FALSE(QFile::exists(Profile("anna.zgn")));
    prog.Write("protokoll/anna.zgn", "Zeugnis");
    prog.Write("protokoll/anna.rtf", "{\\rtf1 x}");
    RowTile(5)->click();
    EXPECT_TRUE(QFile::exists(Profile("anna.zgn")));
    EXPECT_TRUE(QFile::exists(Profile("anna.rtf")));
    EXPECT_EQ(runs.size(), 4u);
}

TEST_F(TFensterTest, ChoosingAListStoresItAndStartsTheExerciseWhenAsked)
{
    const QString section = QStringLiteral("Bild zum Ton");
    const struct {
        bool startOnChoice;
        int answer;
        bool validFile;
        const char* expectedKey;
        int expectedPosition;
        size_t starts;
    } cases[] = {
        {false, TF_opendialog::Opened, true, "tiere.txt", 0, 0},
        {true, TF_opendialog::Opened, true, "tiere.txt", 0, 1},
        {true, TF_opendialog::Opened, false, "alt.txt", 7, 1},   // no valid file: starts all the same
        {true, TF_opendialog::Cancelled, true, "alt.txt", 7, 0},
    };
    Pupil(QStringLiteral("Anna"));
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.startOnChoice << c.answer << c.validFile);
        const QString profile = Profile("anna.ini");
        Ini::WriteString(profile, section, QStringLiteral("Dateiname"), QStringLiteral("alt.txt"));
        Ini::WriteString(profile, section, QStringLiteral("Listenstelle"), QStringLiteral("7"));
        Program().startOnListChoice = c.startOnChoice;
        runs.clear();
        QString title, preselected;
        modal = [&](QDialog& d) {
            auto& chooser = static_cast<TF_opendialog&>(d);
            title = chooser.windowTitle();
            preselected = chooser.chosenFile;
            chooser.chosenFile = c.validFile ? prog.Path("listen/tiere.txt") : QString();
            return c.answer;
        };
        window.FileButton(3)->click();
        EXPECT_EQ(title, QStringLiteral("Datei für: Bild zum Ton"));
        EXPECT_TRUE(preselected.endsWith(QStringLiteral("listen/alt.txt"))) << preselected.toStdString();
        EXPECT_EQ(Ini::ReadString(profile, section, QStringLiteral("Dateiname"), QString()), c.expectedKey);
        EXPECT_EQ(Ini::ReadInt(profile, section, QStringLiteral("Listenstelle"), -1), c.expectedPosition);
        ASSERT_EQ(runs.size(), c.starts);
        if (c.starts)
            EXPECT_EQ(runs[0].position, c.expectedPosition);
    }
}

// After an uncovering run the result summary is shown as a certificate and
// deleted; the shared name "Name" leaves a line to write the name on.
TEST_F(TFensterTest, UncoveringRunEndsWithTheCertificate)
{
    const QString summary = Profile("jeder.rtf");
    duringRun = [&] { prog.Write("protokoll/jeder.rtf", "{\\rtf1 Spitze!}"); };
    QStringList titles;
    modal = [&](QDialog& d) {
        if (auto* z = qobject_cast<Tpzeugnis*>(&d))
            titles.append(z->TitleText());
        return int(QDialog::Accepted);
    };
    Pupil(QStringLiteral("Name"));
    RowTile(1)->click();   // not in "Aufdeckmodus": no certificate
    EXPECT_TRUE(titles.isEmpty());
    window.PuzzleBox()->setChecked(true);
    RowTile(1)->click();
    EXPECT_EQ(titles, QStringList{QStringLiteral("Urkunde für  _____________")});
    EXPECT_FALSE(QFile::exists(summary));
}

TEST_F(TFensterTest, ProtocolInTheDesktopsEditorOrInTheViewer)
{
    Pupil(QStringLiteral("Anna"));
    const QString protocol = Profile("anna.txt");
    window.B_protokoll->click();
    EXPECT_EQ(messages, QStringList{protocol + QStringLiteral("|Ergebnis-Datei noch nicht vorhanden! ")});

    prog.Write("protokoll/anna.txt", "Anna M\xFCller\r\nHund = -OK-\r\n");
    QString viewed;
    modal = [&](QDialog& d) {
        if (auto* viewer = qobject_cast<ProtocolViewer*>(&d))
            viewed = viewer->windowTitle() + u'|' + viewer->M_text->toPlainText();
        return int(QDialog::Rejected);
    };
    window.B_protokoll->click();
    EXPECT_EQ(opened, QStringList{protocol});
    EXPECT_TRUE(viewed.isEmpty());

    desktopOpens = false;
    window.B_protokoll->click();
    EXPECT_EQ(viewed, QStringLiteral("Protokoll \u2013 Anna|Anna Müller\nHund = -OK-"));

    // A profile that cannot be written: nothing at all.
    viewed.clear();
    QFile::remove(Profile("anna.ini"));
    window.B_protokoll->click();
    EXPECT_TRUE(viewed.isEmpty());
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(opened.size(), 2);
}

// A desktop whose opener starts but finds no program for the file: the
// program's own viewer shows the protocol, and the manual's place is named.
TEST_F(TFensterTest, ADesktopOpenerThatFindsNothingLeavesNoSilence)
{
    QTemporaryDir bin;
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n");
    opener.close();
    opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
    SetDesktopOpenHook({});

    Pupil(QStringLiteral("Anna"));
    prog.Write("protokoll/anna.txt", "Anna\r\nHund = -OK-\r\n");
    QString viewed;
    modal = [&](QDialog& d) {
        if (auto* viewer = qobject_cast<ProtocolViewer*>(&d))
            viewed = viewer->windowTitle();
        return int(QDialog::Rejected);
    };
    window.B_protokoll->click();
    for (int i = 0; i < 500 && viewed.isEmpty(); ++i)
        QTest::qWait(10);
    EXPECT_EQ(viewed, QStringLiteral("Protokoll \u2013 Anna"));

    prog.Write("Anleitung-lrb.pdf", "%PDF-1.4\n");
    window.B_anleitung->click();
    for (int i = 0; i < 500 && messages.isEmpty(); ++i)
        QTest::qWait(10);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Anleitung|"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(prog.Path("Anleitung-lrb.pdf")))) << messages[0].toStdString();
    qputenv("PATH", path);
}

TEST_F(TFensterTest, WorkReportOfThePupilInTheBox)
{
    Pupil(QStringLiteral("Anna"));
    prog.Write("protokoll/anna.zgn", "Hund = -OK-\r\n");
    QString title;
    modal = [&](QDialog& d) {
        title = static_cast<Tpzeugnis&>(d).TitleText();
        return int(QDialog::Accepted);
    };
    window.B_zeugnis->click();
    EXPECT_EQ(title, QStringLiteral("Arbeitszeugnis für: Anna"));
}

QColor PixelAt(tdrbutton* tile, int x, int y)
{
    return tile->grab().toImage().pixelColor(x, y);
}

// The frames of a tile: cyan top and left, dark cyan bottom and right,
// swapped while pressed; the focus frame 5 pixels inside the edge.
TEST_F(TFensterTest, TileFramesFocusAndTheInfoTilesColour)
{
    const QColor cyan(0, 0xFF, 0xFF), darkCyan(0, 0x80, 0x80), magenta(0xFF, 0, 0xFF);
    tdrbutton* tile = RowTile(2);
    const int w = tile->width(), h = tile->height();
    window.B_hilfe->setFocus();
    EXPECT_EQ(PixelAt(tile, 1, h / 2), cyan);
    EXPECT_EQ(PixelAt(tile, w - 2, h / 2), darkCyan);
    EXPECT_NE(PixelAt(tile, 5, h / 2), magenta);
    tile->setDown(true);
    EXPECT_EQ(PixelAt(tile, 1, h / 2), darkCyan);
    EXPECT_EQ(PixelAt(tile, w - 2, h / 2), cyan);
    tile->setDown(false);
    tile->setFocus();
    EXPECT_EQ(PixelAt(tile, 5, h / 2), magenta);
    EXPECT_EQ(PixelAt(tile, w / 2, 5), magenta);
    EXPECT_NE(PixelAt(tile, 6, h / 2), magenta);

    // The info tile's background: colour 0 drawn as purple, then the mark's colour.
    tdrbutton* info = window.Tile(kInfoTile);
    const quint32 first = ProgInfo().colors[0];
    EXPECT_EQ(PixelAt(info, 3, 3), QColor(0xC0, 0, 0xC0));
    EXPECT_EQ(ProgInfo().colors[0], first);
    RowTile(0)->click();
    EXPECT_EQ(PixelAt(info, 3, 3), ProgInfo().Color(1));
}

TEST_F(TFensterTest, FullyDrawnOnceEveryTileHasItsFace)
{
    QSignalSpy drawn(&window, &TFenster::MenuDrawn);
    window.grab();
    EXPECT_TRUE(window.FullyDrawn());
    window.grab();
    EXPECT_EQ(drawn.count(), 1);
}

// Tab goes through every tile and button, row by row, then down the panel
// (into a pair of radio buttons at its first; the arrows move inside); Enter
// and Space press the focused tile.
TEST_F(TFensterTest, Keyboard)
{
    RowTile(0)->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 40 && order.size() < 32; ++i) {
        Key(Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        order.append(qobject_cast<PupilBox*>(focus->parentWidget()) ? QStringLiteral("pupilBox") : focus->objectName());
    }
    const QStringList expected = {
        "b100", "B60", "B_optionen1", "B_datei1", "b101", "Chb_puzzle", "B_optionen2", "B_datei2",
        "b102", "B50", "B_optionen3", "B_datei3", "b103", "B_optionen4", "B_datei4",
        "b104", "B_optionen5", "B_datei5", "b105", "B_optionen6", "B_datei6",
        "b112", "B_editor", "B_anleitung", "pupilBox", "B_hilfe", "B_protokoll", "B_zeugnis", "b113", "b100",
    };
    EXPECT_EQ(order.mid(0, expected.size()), expected);

    RowTile(3)->setFocus();
    Key(Qt::Key_Return);
    Key(Qt::Key_Space);
    window.B_zeugnis->setFocus();
    Key(Qt::Key_Enter);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].kind, ExerciseKind::BildZumTon);
    EXPECT_EQ(messages.size(), 1);   // "Zeugnis" pressed: no certificate data yet
}

// The window grows with the screen; nothing overlaps at any size and the
// fonts stay readable.
TEST(MenuLayout, ScalesToTheScreenWithoutOverlaps)
{
    const struct {
        QSize available;
        int minExerciseFont, minButtonFont;
    } screens[] = {{{1024, 740}, 22, 16}, {{1280, 1000}, 29, 21}, {{1920, 1050}, 31, 23}};
    for (const auto& s : screens) {
        const QSize client = MenuClientSize(s.available);
        SCOPED_TRACE(testing::Message() << client.width() << "x" << client.height());
        EXPECT_LE(client.width(), s.available.width());
        EXPECT_LE(client.height(), s.available.height());
        const MenuLayout l = LayoutMenu(client);
        EXPECT_GE(l.ExerciseFontPx(), s.minExerciseFont);
        EXPECT_GE(l.ButtonFontPx(), s.minButtonFont);
        std::vector<QRect> rects = {l.greeting, l.infoTile, l.editor, l.manual, l.nameLabel, l.pupilBox,
                                    l.help, l.protocol, l.certificate, l.exitTile};
        for (const QRect& r : rects)
            EXPECT_TRUE(l.panel.contains(r));
        for (const MenuRowLayout& row : l.rows)
            for (const QRect& r : {row.tile, row.choices[0], row.options, row.file}) {
                EXPECT_TRUE(row.row.contains(r));
                rects.push_back(r);
            }
        for (const MenuRowLayout& row : l.rows)
            for (const QRect& r : {row.choices[1], row.check})
                if (!r.isNull())
                    rects.push_back(r);
        for (size_t i = 0; i < rects.size(); ++i)
            for (size_t j = i + 1; j < rects.size(); ++j)
                EXPECT_FALSE(rects[i].intersects(rects[j])) << i << " " << j;
        EXPECT_TRUE(QRect(QPoint(0, 0), client).contains(l.panel));
    }
}

} // namespace
