#include "framework/size_class.h"

#include <QFont>
#include <QFontMetrics>

QChar SizeClassFor(int monitorWidth, bool largeDialogFont)
{
    if (monitorWidth > 1000)
        return largeDialogFont ? u'b' : u'c';
    if (monitorWidth > 700)
        return largeDialogFont ? u'a' : u'b';
    return u'a';
}

int DialogBaseUnitWidth(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (width / 26 + 1) / 2;
}

bool IsLargeDialogFont(const QFont& font)
{
    return DialogBaseUnitWidth(font) >= 10;
}
