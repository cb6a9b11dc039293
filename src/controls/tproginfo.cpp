#include "controls/tproginfo.h"

#include "data/path_helpers.h"
#include "platform/color_text.h"
#include "platform/text_codec.h"

namespace {

constexpr quint32 Rgb(int r, int g, int b)
{
    return quint32(r) | (quint32(g) << 8) | (quint32(b) << 16);
}

} // namespace

const std::array<quint32, 16>& tproginfo::DefaultPalette()
{
    static const std::array<quint32, 16> palette = {
        Rgb(1, 0, 0),     Rgb(255, 0, 1),   Rgb(255, 255, 1), Rgb(1, 255, 255),
        Rgb(1, 1, 255),   Rgb(255, 1, 255), Rgb(1, 255, 1),   Rgb(254, 255, 255),
        Rgb(129, 0, 0),   Rgb(129, 129, 0), Rgb(0, 129, 129), Rgb(0, 0, 129),
        Rgb(129, 0, 129), Rgb(0, 129, 0),   Rgb(129, 129, 129), Rgb(191, 191, 191)};
    return palette;
}

tproginfo::tproginfo()
{
    ResetColors();
}

void tproginfo::ResetColors()
{
    const auto& p = DefaultPalette();
    for (int i = 0; i < 16; ++i)
        colors[i] = colors[i + 16] = p[i];
}

void tproginfo::LoadColors()
{
    ResetColors();
    const QStringList lines = ReadTextLines(ResolvePath(QStringLiteral("intern\\colors.txt")));
    for (int n = 1; n < 16 && n < lines.size(); ++n) {
        if (n == 7)
            continue;
        if (const auto c = ColorFromText(lines[n]))
            colors[n] = *c & 0xFFFFFF;
    }
    for (int i = 0; i < 16; ++i)
        colors[i + 16] = colors[i];
}

QColor tproginfo::Color(int index) const
{
    return index >= 0 && index < 32 ? ToQColor(colors[size_t(index)]) : QColor(Qt::black);
}

QColor tproginfo::Window() const
{
    return ToQColor(windowColor);
}

QColor tproginfo::Text() const
{
    return ToQColor(textColor);
}

tproginfo& ProgInfo()
{
    static tproginfo info;
    return info;
}
