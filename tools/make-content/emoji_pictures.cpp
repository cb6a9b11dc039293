#include "emoji_pictures.h"

#include "content_files.h"

#include <QBuffer>
#include <QFont>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QSet>
#include <QTextLayout>

namespace {

const QString kEmojiFamily = QStringLiteral("Noto Color Emoji");
// The size of the font's bitmap strike: drawing at it copies the glyph 1:1.
constexpr int kStrikePixels = 109;

QFont EmojiFont()
{
    QFont font(kEmojiFamily);
    font.setPixelSize(kStrikePixels);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// The emoji must come out as one glyph of the emoji font: a sequence the font
// does not know falls apart into several glyphs, a missing one into glyph 0.
void CheckSingleGlyph(const QString& emoji)
{
    QTextLayout layout(emoji, EmojiFont());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    int glyphs = 0;
    for (const QGlyphRun& run : runs) {
        if (run.rawFont().familyName() != kEmojiFamily)
            Fail(QStringLiteral("emoji %1 is drawn with %2").arg(emoji, run.rawFont().familyName()));
        for (quint32 index : run.glyphIndexes())
            if (index == 0)
                Fail(QStringLiteral("emoji %1 has no glyph").arg(emoji));
        glyphs += int(run.glyphIndexes().size());
    }
    if (glyphs != 1)
        Fail(QStringLiteral("emoji %1 gives %2 glyphs instead of one").arg(emoji).arg(glyphs));
}

QRect OpaqueBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 8)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Distinct colours of the visible pixels, transparency aside: a colour glyph
// has many, a monochrome one (drawn in the pen colour) only one.
int DistinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) > 32)
                colours.insert(c & 0xFFFFFF);
        }
    return int(colours.size());
}

} // namespace

QImage RenderEmoji(const QString& text, int size)
{
    // The emoji font draws every character in colour: the selector that asks
    // for colour presentation is not needed and would be a glyph of its own.
    QString emoji = text;
    emoji.remove(QChar(0xFE0F));
    CheckSingleGlyph(emoji);
    const int canvas = kStrikePixels * 2;
    QImage glyph(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    {
        QPainter p(&glyph);
        p.setFont(EmojiFont());
        p.drawText(QRect(0, 0, canvas, canvas), Qt::AlignCenter, emoji);
    }
    const QRect bounds = OpaqueBounds(glyph);
    if (bounds.isEmpty())
        Fail(QStringLiteral("emoji %1 draws nothing").arg(emoji));
    const int room = size * 15 / 16;
    const QImage scaled = glyph.copy(bounds).scaled(room, room, Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation);
    QImage out(size, size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    {
        QPainter p(&out);
        p.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    }
    if (DistinctColours(out) < 8)
        Fail(QStringLiteral("emoji %1 is not drawn in colour").arg(emoji));
    return out;
}

QByteArray PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
