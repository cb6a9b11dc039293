#include "exercises/spiel1/word_display.h"

#include "controls/tdrbutton.h"

#include <algorithm>

namespace {
constexpr QChar Grey = u'E';
constexpr QChar Red = u'1';
constexpr QChar Magenta = u'5';
constexpr QChar Shown = u' ';
constexpr QChar NotShown = u'g';
} // namespace

WordDisplayLook LookOfWord(const QVector<DisplayLetter>& letters, const QString& displayWord,
                           QChar textColor, int writePosition, int spellFrom, int spellTo)
{
    WordDisplayLook look;
    const QChar wrongColor = textColor == Red ? Magenta : Red;
    for (const DisplayLetter& d : letters) {
        look.caption += d.ch.isNull() ? QChar(u' ') : d.ch;
        QChar color = textColor;
        QChar hidden = Shown;
        QChar gap = Shown;
        switch (d.look) {
        case LetterLook::Hidden: hidden = NotShown; break;
        case LetterLook::Template:
            hidden = NotShown;
            gap = u'_';
            break;
        case LetterLook::ToCopy: color = Grey; break;
        case LetterLook::Given:
        case LetterLook::Typed:
        case LetterLook::Extra: break;
        }
        if (d.wrong) {
            color = wrongColor;
            hidden = Shown;
            gap = Shown;
        }
        look.colors += color;
        look.hidden += hidden;
        look.underline += gap;
    }
    // A hidden blank behind the letters carries the caret at the end.
    look.caption += u' ';
    look.colors += textColor;
    look.hidden += NotShown;
    look.underline += Shown;
    look.sample = displayWord + u' ';
    look.cursor = std::clamp(writePosition, 0, int(letters.size()));
    if (spellTo > spellFrom) {
        look.markStart = spellFrom;
        look.markCount = spellTo - spellFrom;
    }
    return look;
}

WordDisplayLook LookOfText(const QString& text, int shown)
{
    WordDisplayLook look;
    look.caption = text;
    look.sample = text;
    look.hidden = QString(text.size(), Shown);
    for (int i = std::max(0, shown); i < text.size(); ++i)
        look.hidden[i] = NotShown;
    look.cursor = -1;
    return look;
}

void ApplyLook(tdrbutton& button, const WordDisplayLook& look, const QString& fontName)
{
    button.SetContent(look.caption, fontName);
    button.SetSizingSample(look.sample, true);
    button.SetLetterColors(look.colors);
    button.SetHiddenMarks(look.hidden);
    button.SetUnderlineMarks(look.underline);
    if (look.cursor < 0)
        button.SetMarking(false);
    else
        button.SetMarking(true, look.cursor, look.markStart, look.markCount);
}
