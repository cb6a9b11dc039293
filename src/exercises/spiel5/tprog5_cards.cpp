// Tprog5: laying out the cards, loading their pictures once per distinct
// file, their faces (rendered once and kept) and drawing them with frames.
#include "exercises/spiel5/tprog5.h"

#include "controls/face_layout.h"
#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "platform/clock.h"

#include <QPainter>

namespace {

// Light enough for the players' colours (blue, red) on it to stay readable.
const QColor kTakenGround(0xE8, 0xE8, 0xE8);

// The card's own style for its face: not mirrored, at 90 % (".jpg" at 100 %).
QString FaceUpStyle(const MemoryCard& card)
{
    QString style = card.style.size() == 10 ? card.style : QString::fromLatin1(MemoryCard::kDefaultStyle);
    style[1] = u' ';
    const bool jpg = card.picture.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive);
    style.replace(2, 3, jpg ? QStringLiteral("100") : QStringLiteral("90 "));
    return style;
}

QChar HexDigit(int n)
{
    return QStringLiteral("0123456789ABCDEF")[std::clamp(n, 0, 15)];
}

} // namespace

void Tprog5::LayOutCards()
{
    const CardLayout& layout = game_.Layout();
    const std::vector<QRect> places = CardPlaces(size(), kRightBarWidth, kBottomBarHeight, layout);
    for (int i = 0; i < CardLayout::kMaxCards; ++i) {
        tdrbutton* card = cards_[size_t(i)];
        if (i < layout.count) {
            card->setGeometry(places[size_t(i)]);
            card->show();
        } else {
            card->hide();
        }
    }
    DropCardFaces();
}

void Tprog5::DropCardFaces()
{
    backFace_ = QImage();
    for (QImage& face : takenFace_)
        face = QImage();
}

void Tprog5::LoadPictures()
{
    const std::vector<MemoryCard>& cards = game_.Cards();
    const QString& font = ExerciseSettings().schriftart;
    for (size_t i = 0; i < cards.size() && i < cards_.size(); ++i) {
        const MemoryCard& c = cards[i];
        tdrbutton& b = *cards_[i];
        b.SetStyle(FaceUpStyle(c));
        b.SetSizingSample(game_.Sample(), true);
        cardText_[i].clear();
        takenFace_[i] = QImage();
        drawnOnce_[i] = false;
        const QString wanted =
            ShowsPictures() && c.HasPicture() && FileExists(ResolvePath(c.picture)) ? c.picture : QString();
        if (wanted.isEmpty()) {
            b.SetContent(c.InGame() ? c.caption : QStringLiteral(" "), font);
            shownPicture_[i].clear();
            continue;
        }
        if (shownPicture_[i].compare(wanted, Qt::CaseInsensitive) == 0 && b.Mode() == tdrbutton::ContentMode::Picture)
            continue;
        size_t earlier = 0;
        while (earlier < i && shownPicture_[earlier].compare(wanted, Qt::CaseInsensitive) != 0)
            ++earlier;
        if (earlier < i) {
            b.SharePicture(*cards_[earlier]);
            b.SetDrawnAsCard(int(earlier) + CardLayout::kFirstCard);
        } else {
            if (b.SetContent(wanted))
                ++pictureLoads_;
            b.SetDrawnAsCard(-1);
        }
        shownPicture_[i] = wanted;
    }
    waitingForDraw_ = true;
}

void Tprog5::RedrawAllCards()
{
    for (int i = 0; i < game_.Layout().count; ++i)
        cards_[size_t(i)]->update();
    pile1_->update();
    pile2_->update();
}

int Tprog5::FrameInset() const
{
    return width() * 2 > height() * 3 ? 2 : std::max(2, 34 - game_.Layout().count);
}

CardFrame Tprog5::FrameOf(CardState state, bool selected) const
{
    const int c = game_.Layout().count;
    CardFrame f;
    f.lines = (selected ? 4 : 3) - c / 16;
    const bool taken = state == CardState::Taken;
    if (selected) {
        f.upperLeft = taken ? QColor(128, 0, 128) : QColor(255, 0, 128);
        f.lowerRight = taken ? QColor(255, 0, 128) : QColor(128, 0, 128);
    } else {
        f.upperLeft = taken ? QColor(0, 128, 128) : QColor(0, 255, 255);
        f.lowerRight = taken ? QColor(0, 255, 255) : QColor(0, 128, 128);
    }
    return f;
}

QRect Tprog5::FaceRect(const QRect& card) const
{
    // The face keeps its size whether the card is selected or not, so that
    // its image is made once: it lies inside the thickest frame.
    int lines = 0;
    for (CardState state : {CardState::FaceDown, CardState::FaceUp, CardState::Taken})
        for (bool selected : {false, true})
            lines = std::max(lines, FrameOf(state, selected).lines);
    const int in = FrameInset() + lines + 1;
    return card.adjusted(in, in, -in, -in);
}

QImage Tprog5::FaceOfButton(tdrbutton& button, QSize size)
{
    if (size.isEmpty())
        return QImage();
    if (!button.HasCachedFace() || button.Face().size() != size) {
        QImage scratch(size, QImage::Format_ARGB32_Premultiplied);
        scratch.fill(Qt::transparent);
        QPainter p(&scratch);
        button.Draw(p, QRect(QPoint(0, 0), size));
    }
    return button.Face();
}

QImage Tprog5::TextFace(const QString& text, const QString& style, QSize size, bool useSample)
{
    textFace_->SetStyle(style);
    textFace_->SetContent(text.isEmpty() ? QStringLiteral(" ") : text, ExerciseSettings().schriftart);
    textFace_->SetSizingSample(useSample ? game_.Sample() : QString(), useSample);
    return FaceOfButton(*textFace_, size);
}

QString Tprog5::CardTextStyle() const
{
    // Yellow on the black card: red on black is too dark to read.
    return QStringLiteral("0 98 x4x21");
}

QImage Tprog5::CardFace(int number, CardState state, QSize size)
{
    const MemoryCard* card = game_.Card(number);
    if (!card || size.isEmpty())
        return QImage();
    switch (state) {
    case CardState::FaceDown: {
        if (backFace_.size() != size) {
            backFace_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
            backFace_.fill(Qt::transparent);
            const QSize back(size.width() * 9 / 10, size.height() * 9 / 10);
            QPainter p(&backFace_);
            p.drawImage((size.width() - back.width()) / 2, (size.height() - back.height()) / 2,
                        FaceOfButton(*back_, back));
        }
        return backFace_;
    }
    case CardState::FaceUp:
        return FaceOfButton(*cards_[size_t(MemoryGame::IndexOf(number))], size);
    case CardState::Taken: {
        QImage face(size, QImage::Format_RGB32);
        face.fill(kTakenGround);
        const int colour = card->takenBy == 1 ? 4 : card->takenBy == 2 ? 1 : HexDigitValue(ExerciseSettings().textfarbe);
        const QString style = QStringLiteral("  90 x4x") + HexDigit(colour) + u'1';
        QPainter p(&face);
        p.drawImage(0, 0, TextFace(card->TakenText(), style, size, true));
        return face;
    }
    }
    return QImage();
}

QImage Tprog5::CardImage(int number, CardState state, bool selected)
{
    const tdrbutton* button = CardButton(number);
    QImage image(button ? button->size() : QSize(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(WindowColour());
    QPainter p(&image);
    const QRect rect = image.rect();
    const QRect faceRect = FaceRect(rect);
    const size_t i = size_t(MemoryGame::IndexOf(number));
    const QString& text = cardText_[i];
    QImage face;
    if (!text.isEmpty()) {
        face = TextFace(text, CardTextStyle(), faceRect.size(), false);
    } else if (state == CardState::Taken) {
        // Taken faces do not change until the next deal.
        if (takenFace_[i].size() != faceRect.size())
            takenFace_[i] = CardFace(number, state, faceRect.size());
        face = takenFace_[i];
    } else {
        face = CardFace(number, state, faceRect.size());
    }
    p.drawImage(faceRect.topLeft(), face);
    const CardFrame frame = FrameOf(state, selected);
    const int inset = FrameInset();
    Draw3DFrame(p, rect.adjusted(inset, inset, -inset, -inset), false, frame.lines, frame.upperLeft, frame.lowerRight);
    return image;
}

void Tprog5::DrawCard(tdrbutton& button, QPainter& painter)
{
    const int number = button.Number();
    const MemoryCard* card = game_.Card(number);
    if (!card)
        return;
    const qint64 now = TickCount();
    if (flip_.Card() == number && flip_.Running(now)) {
        flip_.Draw(painter, button.rect(), WindowColour(), now);
        return;
    }
    painter.drawImage(0, 0, CardImage(number, card->state, number == game_.Selected()));
    const size_t i = size_t(MemoryGame::IndexOf(number));
    drawnOnce_[i] = true;
    if (waitingForDraw_) {
        for (int k = 0; k < game_.Layout().count; ++k)
            if (!drawnOnce_[size_t(k)])
                return;
        waitingForDraw_ = false;
        Q_EMIT cardsDrawn();
    }
}

void Tprog5::ShowTextOnCard(int number, const QString& text)
{
    tdrbutton* b = CardButton(number);
    if (!b || !game_.IsCard(number))
        return;
    cardText_[size_t(MemoryGame::IndexOf(number))] = text;
    if (!text.isEmpty())
        cardTexts_ << text;
    b->repaint();
}

void Tprog5::DrawPile(tdrbutton& button, QPainter& painter, int score)
{
    if (score <= 0)
        return;
    button.SetStyle(button.Number() == kPile1 ? QStringLiteral("4 100 7  1") : QStringLiteral("1 100 7 11"));
    button.SetContent(ExerciseSettings().bildhintenstapel);
    button.Draw(painter, button.rect());
    // One back edge per pair won along the foot of the pile.
    painter.setPen(QColor(0, 128, 128));
    const QRect r = button.rect();
    for (int k = 0; k < score && 3 * k < r.height() / 3; ++k)
        painter.drawLine(r.left() + 4, r.bottom() - 3 * k, r.right() - 4, r.bottom() - 3 * k);
}
