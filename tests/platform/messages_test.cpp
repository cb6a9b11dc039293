#include "platform/messages.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Messages, OkCancelReachesTheHookAsAnOkCancelQuestion)
{
    MessageRequest seen;
    SetMessageHook([&](const MessageRequest& r) {
        seen = r;
        return Answer::Cancel;
    });
    EXPECT_EQ(AskOkCancel("Text", "Warnung"), Answer::Cancel);
    SetMessageHook({});
    EXPECT_EQ(seen.title, "Warnung");
    EXPECT_TRUE(seen.question);
    EXPECT_TRUE(seen.okCancel);
}

TEST(Messages, OkCancelBoxAnswersWithTheButtonPressed)
{
    for (const char* button : {"OK", "Abbrechen"}) {
        QTimer::singleShot(0, [button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QString::fromLatin1(button))
                    b->click();
        });
        const Answer expected = QString::fromLatin1(button) == "OK" ? Answer::Ok : Answer::Cancel;
        EXPECT_EQ(AskOkCancel("Text", "Warnung"), expected) << button;
    }
}

TEST(Messages, QuestionShowsTheQuestionIconWithJaAndNein)
{
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Frage"));
        for (QAbstractButton* b : box->buttons())
            if (b->text().remove(u'&') == QStringLiteral("Ja"))
                b->click();
    });
    EXPECT_EQ(AskQuestion("Wirklich verlassen?", "Frage"), Answer::Yes);
}

TEST(Messages, QuestionIsAnsweredByTheKeysJAndN)
{
    for (const auto& [key, expected] : {std::pair{Qt::Key_J, Answer::Yes}, std::pair{Qt::Key_N, Answer::No}}) {
        QTimer::singleShot(0, [key = key] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box, key);
            // A box that ignored the key is closed without an answer.
            QTimer::singleShot(1000, box, [box] { static_cast<QDialog*>(box)->done(-1); });
        });
        EXPECT_EQ(AskQuestion("Wirklich verlassen?", "Frage"), expected) << key;
    }
}
