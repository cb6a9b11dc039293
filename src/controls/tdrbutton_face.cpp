// Rendering the face of a drawn button.
#include "controls/face_layout.h"
#include "controls/picture_cache.h"
#include "controls/tdrbutton.h"
#include "controls/tproginfo.h"
#include "platform/color_text.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {

constexpr int kMaxFontSize = 2000;

QFont FaceFont(const QString& name, int size)
{
    QFont font(name);
    font.setPixelSize(std::clamp(size, 1, kMaxFontSize));
    return font;
}

QColor Shadow(const QColor& c)
{
    return ToQColor((FromQColor(c) & 0x808080u) ^ 0x808080u);
}

QColor Inverse(const QColor& c)
{
    return ToQColor(FromQColor(c) ^ 0xFFFFFFu);
}

// Inverts the colours in rect; transparent pixels become the given colour.
void InvertRect(QImage& image, QRect rect, const QColor& onTransparent)
{
    rect &= image.rect();
    const QRgb fill = onTransparent.rgba();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x)
            line[x] = qAlpha(line[x]) == 255 ? (line[x] ^ 0x00FFFFFFu) : fill;
    }
}

} // namespace

void tdrbutton::Draw(QPainter& painter, const QRect& rect)
{
    if (rect.isEmpty() || inDrawing_)
        return;
    inDrawing_ = true;
    if (face_.isNull() || face_.size() != rect.size())
        face_ = RenderFace(rect.size());
    painter.drawImage(rect.topLeft(), face_);
    inDrawing_ = false;
}

QImage tdrbutton::RenderFace(QSize size)
{
    // A picture's face drawn before (another task, another game) is taken
    // from the shared cache; the key holds all that the drawing depends on.
    QString drawing;
    if (mode_ == ContentMode::Picture) {
        const tproginfo& info = ProgInfo();
        const QColor background = style_.background >= 0 ? info.Color(style_.background) : info.Window();
        drawing = style_.text + QString::number(background.rgba(), 16);
        QImage kept = SharedPictureCache().Face(contentKey_, size, drawing);
        if (!kept.isNull())
            return kept;
    }
    QImage image = DrawFace(size);
    if (mode_ == ContentMode::Picture)
        SharedPictureCache().StoreFace(contentKey_, size, drawing, image);
    return image;
}

QImage tdrbutton::DrawFace(QSize size)
{
    ++renders_;
    const bool jpg = mode_ == ContentMode::Picture && contentKey_.contains(QStringLiteral(".jpg"), Qt::CaseInsensitive);
    const bool opaque = style_.opaque || jpg;
    const tproginfo& info = ProgInfo();
    const QColor background = style_.background >= 0 ? info.Color(style_.background) : info.Window();
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? background : QColor(Qt::transparent));
    QPainter p(&image);
    if (mode_ == ContentMode::Picture) {
        DrawPictureFace(p, size);
    } else {
        DrawTextFace(p, image);
    }
    if (p.isActive())
        p.end();
    if (mode_ != ContentMode::Picture && !marking_ && style_.textMirror >= 0)
        image = image.mirrored(style_.textMirror != 1, style_.textMirror != 0);
    return image;
}

void tdrbutton::DrawPictureFace(QPainter& p, QSize size) const
{
    if (picture_.IsEmpty())
        return;
    const QRect place = PictureFaceRect(QRect(QPoint(0, 0), size), picture_.NaturalSize(), style_.percent,
                                        style_.alignment);
    picture_.Draw(p, place, style_.pictureMirror, !style_.stretch);
}

void tdrbutton::FitFont(QSize cell)
{
    const double scale = style_.Scale();
    const QSize scaled(RoundHalfEven(cell.width() * scale), RoundHalfEven(cell.height() * scale));
    if (scaled == lastScaledCell_)
        return;
    const QString& sample = useSizingSample_ ? sizingSample_ : caption_;
    QFontMetrics fm(FaceFont(fontName_, fontSize_));
    const int tw = fm.horizontalAdvance(sample);
    if (tw <= 0)
        return;
    fontSize_ = std::clamp(int(fontSize_ * scale * cell.width() / tw), 1, kMaxFontSize);
    fm = QFontMetrics(FaceFont(fontName_, fontSize_));
    if (fm.height() > scaled.height() && fm.height() > 0)
        fontSize_ = std::clamp(int(double(fontSize_) * scaled.height() / fm.height()), 1, kMaxFontSize);
    lastScaledCell_ = scaled;
}

QColor tdrbutton::TextColor() const
{
    return style_.textColor >= 0 ? ProgInfo().Color(16 + style_.textColor) : ProgInfo().Text();
}

QColor tdrbutton::LetterColor(qsizetype index) const
{
    const int code = index < letterColors_.size() ? HexDigitValue(letterColors_[index]) : -1;
    return code >= 0 ? ProgInfo().Color(16 + code) : TextColor();
}

void tdrbutton::DrawTextFace(QPainter& p, QImage& image)
{
    const QSize cell = image.size();
    FitFont(cell);
    const QFont font = FaceFont(fontName_, fontSize_);
    const QFontMetrics fm(font);
    const int tw = fm.horizontalAdvance(caption_), th = fm.height();
    textSize_ = QSize(tw, th);

    const int column = style_.alignment / 3, row = style_.alignment % 3;
    const int x = column == 0 ? 10 : column == 1 ? (cell.width() - tw) / 2 : cell.width() - tw - 10;
    const int y = row == 0 ? 0 : row == 1 ? (cell.height() - th) / 2 : cell.height() - th;
    const int baseline = y + fm.ascent();

    letterX_.assign(size_t(caption_.size()) + 1, x);
    for (qsizetype i = 1; i <= caption_.size(); ++i)
        letterX_[size_t(i)] = x + fm.horizontalAdvance(caption_.left(i));

    p.setFont(font);
    p.setRenderHint(QPainter::TextAntialiasing);
    auto letterAt = [&](qsizetype i, int dx, int dy, const QColor& color) {
        p.setPen(color);
        p.drawText(QPoint(letterX_[size_t(i)] + dx, baseline + dy), QString(caption_[i]));
    };
    for (qsizetype i = 0; i < caption_.size(); ++i) {
        if (i < hiddenMarks_.size() && hiddenMarks_[i] == u'g')
            continue;
        if (marking_ && i < underlineMarks_.size() && underlineMarks_[i] == u'_')
            continue;
        const QColor color = LetterColor(i);
        switch (style_.effect) {
        case LetterEffect::Raised:
            letterAt(i, 0, 0, Shadow(color));
            letterAt(i, 1, 1, Shadow(color));
            letterAt(i, -1, -2, Inverse(color));
            letterAt(i, -1, -1, color);
            break;
        case LetterEffect::Engraved:
            letterAt(i, 0, 0, Shadow(color));
            letterAt(i, 1, 1, Shadow(color));
            letterAt(i, 1, 2, Inverse(color));
            letterAt(i, 1, 1, color);
            break;
        case LetterEffect::Bold:
            letterAt(i, 0, 0, color);
            letterAt(i, 1, 1, color);
            break;
        case LetterEffect::Plain:
            letterAt(i, 0, 0, color);
            break;
        }
    }

    if (!marking_)
        return;
    int bar = std::max(1, th / 13);
    if (bar % 2)
        ++bar;
    const qsizetype n = caption_.size();
    for (qsizetype i = 0; i < n && i < underlineMarks_.size(); ++i)
        if (underlineMarks_[i] == u'_')
            p.fillRect(QRect(letterX_[size_t(i)], y + th - bar, letterX_[size_t(i) + 1] - letterX_[size_t(i)], bar),
                       TextColor());
    // The cursor bar under the marked letters; at the end of the text it is
    // as wide as an "n".
    const qsizetype first = std::clamp<qsizetype>(markStart_ >= 0 ? markStart_ : cursor_, 0, n);
    const qsizetype count = markStart_ >= 0 ? std::max(1, markCount_) : 1;
    const qsizetype last = std::min(first + count, n);
    const int left = letterX_[size_t(first)];
    const int right = last > first ? letterX_[size_t(last)] : left + fm.horizontalAdvance(u'n');
    p.end();
    InvertRect(image, QRect(left, y + th - 2 * bar, right - left, 2 * bar), TextColor());
}
