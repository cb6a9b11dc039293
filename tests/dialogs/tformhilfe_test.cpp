// The help window on a small folder of pages: links between pages (names with
// spaces and in another case), the page asked for at once, history and
// "Inhalt", a missing page, and clicks while the opening window runs modally.
#include "dialogs/help_browser.h"
#include "dialogs/help_pages.h"
#include "dialogs/tformhilfe.h"
#include "support/temp_program.h"

#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

QByteArray Page(const char* title, const char* body)
{
    return QByteArray("<html><head><meta charset=\"utf-8\"><title>") + title + "</title></head><body>" + body +
           "</body></html>";
}

// The pages link each other in a case other than the files' own.
void WritePages(const TempProgram& prog)
{
    prog.Write("Html/index.htm", Page("Übersicht", "<p>Start</p><p><a href=\"lrb%20programm%201.HTML\">Eins</a></p>"));
    prog.Write("Html/LRB Programm 1.html", Page("Übung eins", "<p><a href=\"Index.htm\">Zur Übersicht</a></p>"));
    prog.Write("Html/LRB Programm 3.html", Page("Bild zum Wort", "<p>Drei</p>"));
}

// Where the link with this text lies in the browser's viewport.
QPoint LinkPosition(HelpBrowser& browser, const QString& text)
{
    for (QTextBlock b = browser.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor() && it.fragment().text() == text) {
                QTextCursor cursor(browser.document());
                cursor.setPosition(it.fragment().position() + 1);
                return browser.cursorRect(cursor).center();
            }
    ADD_FAILURE() << "no link " << text.toStdString();
    return {};
}

void HideHelp()
{
    if (HelpWindow())
        HelpWindow()->hide();
}

QString Shown()
{
    return QFileInfo(HelpWindow()->Browser()->CurrentFile()).fileName();
}

} // namespace

TEST(HelpWindow, AMissingPageShowsNothing)
{
    TempProgram prog;
    WritePages(prog);
    HideHelp();
    EXPECT_FALSE(ShowHelpPage("Html\\LRB Programm 9.html"));
    EXPECT_TRUE(HelpWindow() == nullptr || !HelpWindow()->isVisible());
}

TEST(HelpWindow, LinksHistoryAndContents)
{
    TempProgram prog;
    WritePages(prog);
    ASSERT_TRUE(ShowHelpPage(kHelpIndexPage));
    TFormhilfe& help = *HelpWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_EQ(help.windowTitle(), "Übersicht");
    EXPECT_FALSE(help.B_zurueck->isEnabled());

    // A real click on the link of the index.
    HelpBrowser& browser = *help.Browser();
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, LinkPosition(browser, "Eins"));
    EXPECT_EQ(Shown(), "LRB Programm 1.html");
    EXPECT_EQ(help.windowTitle(), "Übung eins");
    EXPECT_TRUE(help.B_zurueck->isEnabled());

    help.B_zurueck->click();
    EXPECT_EQ(Shown(), "index.htm");
    EXPECT_TRUE(help.B_vor->isEnabled());
    help.B_vor->click();
    EXPECT_EQ(Shown(), "LRB Programm 1.html");

    // A link to a missing page keeps the page; "Inhalt" goes to the index.
    browser.FollowLink(QUrl("fehlt.html"));
    EXPECT_EQ(Shown(), "LRB Programm 1.html");
    help.B_inhalt->click();
    EXPECT_EQ(Shown(), "index.htm");
    help.B_schliessen->click();
    EXPECT_FALSE(help.isVisible());
}

TEST(HelpWindow, TheExercisePageOpensAtOnceAboveTheModalExercise)
{
    TempProgram prog;
    WritePages(prog);
    QWidget exercise(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    exercise.setWindowModality(Qt::ApplicationModal);
    exercise.resize(400, 300);
    exercise.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&exercise));

    ASSERT_TRUE(ShowHelpPage(kHelpPageExercise3, &exercise));
    TFormhilfe& help = *HelpWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_EQ(Shown(), "LRB Programm 3.html");
    EXPECT_EQ(help.windowTitle(), "Bild zum Wort");
    EXPECT_EQ(help.Owner(), &exercise);
    EXPECT_TRUE(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // A click that goes through the window system, where a modal window
    // blocks every window that does not belong to it.
    QWindow* window = help.windowHandle();
    const QPoint close = help.B_schliessen->mapTo(&help, help.B_schliessen->rect().center());
    QTest::mouseClick(window, Qt::LeftButton, {}, close);
    EXPECT_FALSE(help.isVisible());

    // Shown again, then the exercise ends: the window goes with it and stays
    // for the next page.
    ASSERT_TRUE(ShowHelpPage(kHelpPageExercise3, &exercise));
    exercise.hide();
    ASSERT_TRUE(HelpWindow());
    EXPECT_FALSE(HelpWindow()->isVisible());
    EXPECT_EQ(HelpWindow()->Owner(), nullptr);
}
