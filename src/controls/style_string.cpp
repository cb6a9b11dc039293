#include "controls/style_string.h"

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

StyleString StyleString::Parse(const QString& code)
{
    StyleString s;
    if (code.size() != kLength)
        return s;
    s.text = code;

    const QChar bg = code[0];
    s.opaque = bg != u' ';
    s.background = HexDigitValue(bg);

    const QChar mirror = code[1];
    if (mirror != u' ') {
        s.pictureMirror = HexDigitValue(mirror);
        if (mirror == u'0' || mirror == u'1' || mirror == u'2')
            s.textMirror = mirror.unicode() - u'0';
    }

    QString number = code.mid(2, 3);
    const qsizetype blank = number.indexOf(u' ');
    if (blank >= 0)
        number.truncate(blank);
    bool ok = false;
    const int percent = number.toInt(&ok);
    s.percent = ok ? std::max(1, percent) : 100;

    s.stretch = code[5] != u' ';
    const int align = HexDigitValue(code[6]);
    s.alignment = align >= 0 && align <= 8 ? align : 4;

    switch (code[7].unicode()) {
    case u'1': s.effect = LetterEffect::Raised; break;
    case u'2': s.effect = LetterEffect::Engraved; break;
    case u'x': s.effect = LetterEffect::Bold; break;
    default: s.effect = LetterEffect::Plain; break;
    }
    s.textColor = HexDigitValue(code[8]);
    s.last = code[9];
    return s;
}
