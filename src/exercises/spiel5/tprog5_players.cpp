// Tprog5: the player display: scores, piles, names and the running caption
// that tells whose turn it is.
#include "exercises/spiel5/tprog5.h"

#include "controls/tdrbutton.h"
#include "platform/clock.h"

#include <QLabel>
#include <QLineEdit>

void Tprog5::ShowPlayers()
{
    score1_->setText(QString::number(game_.Score(1)));
    score2_->setText(QString::number(game_.Score(2)));
    pile1_->update();
    pile2_->update();
    const Players players = game_.PlayerMode();
    const bool one = players == Players::One;
    for (QWidget* w : std::initializer_list<QWidget*>{nameLabel2_, score2_, pile2_, name2_})
        w->setVisible(!one);
    const bool first = game_.PlayerOneTurn();
    QString text;
    if (one)
        text = QStringLiteral(" Maus und Tastatur ");
    else if (players == Players::Two)
        text = first ? QStringLiteral(" Maus                           ") : QStringLiteral("                   Tastatur ");
    else
        text = first ? QStringLiteral(" Maus oder Tastatur             ") : QStringLiteral("                     Computer ");
    // The computer's name goes with the computer: two players start with
    // an empty name field for the second one.
    static const QString computer = QStringLiteral(" Computer");
    if (players == Players::Computer)
        name2_->setText(computer);
    else if (name2_->text() == computer)
        name2_->clear();
    if (text != turnShown_)
        RunTurnCaption(text, first);
}

void Tprog5::RunTurnCaption(const QString& text, bool fromLeft)
{
    // The text appears letter by letter, player 1's from the left, player
    // 2's from the right; all steps share the size of the whole text.
    turnShown_ = text;
    turnTexts_ << text;
    turnDisplay_->SetSizingSample(text, true);
    const int n = int(text.size());
    for (int i = 1; i <= n; ++i) {
        const QString shown = fromLeft ? text.left(i) + QString(n - i, u' ') : QString(n - i, u' ') + text.right(i);
        turnDisplay_->SetContent(shown, QStringLiteral("KV_Druckschrift"));
        turnDisplay_->repaint();
        ::Wait(i % 10, false);
    }
}
