#include "platform/color_text.h"

#include <array>

namespace {

struct NamedColor {
    const char* name;
    quint32 value;
};

// The standard colour names with their usual values (0x00BBGGRR).
constexpr std::array<NamedColor, 20> kNames = {{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080}, {"clNavy", 0x800000}, {"clPurple", 0x800080},
    {"clTeal", 0x808000}, {"clGray", 0x808080}, {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
}};

} // namespace

std::optional<quint32> ColorFromText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (const auto& n : kNames)
        if (t.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    if (t.compare(QLatin1String("clGrey"), Qt::CaseInsensitive) == 0)
        return 0x808080;
    if (t.compare(QLatin1String("clDkGray"), Qt::CaseInsensitive) == 0)
        return 0x808080;
    if (t.compare(QLatin1String("clLtGray"), Qt::CaseInsensitive) == 0)
        return 0xC0C0C0;
    bool ok = false;
    qlonglong v = 0;
    if (t.startsWith(u'$'))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || v < 0 || v > 0xFFFFFFFFLL)
        return std::nullopt;
    return quint32(v);
}

QString ColorToText(quint32 value)
{
    for (const auto& n : kNames)
        if (n.value == value)
            return QLatin1String(n.name);
    return u'$' + QString::number(value, 16).rightJustified(8, u'0').toUpper();
}

QColor ToQColor(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 FromQColor(const QColor& color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}
