#include "data/text_helpers.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "data/spelling_map.h"
#include "platform/file_paths.h"

#include <QDir>
#include <QFontMetrics>
#include <cmath>

QStringList Split(const QString& text, const QString& separator)
{
    if (separator.isEmpty())
        return {text};
    return text.split(separator, Qt::KeepEmptyParts);
}

void SplitWords(const QString& text, const QString& separators, bool skipRepeats,
                bool clearFirst, QStringList& result)
{
    if (clearFirst)
        result.clear();
    QString piece;
    for (QChar c : text) {
        if (separators.contains(c)) {
            if (!(skipRepeats && result.contains(piece)))
                result.append(piece);
            piece.clear();
        } else {
            piece.append(c);
        }
    }
    if (!piece.isEmpty())
        result.append(piece);

    static const QString marks = QStringLiteral(":-!?.,");
    for (QChar mark : marks) {
        for (qsizetype i = 0; i < result.size(); ++i) {
            const QString item = result[i];
            const qsizetype at = item.indexOf(mark);
            if (at < 0 || item == QString(mark))
                continue;
            const QString before = item.left(at);
            const QString after = item.mid(at + 1);
            qsizetype pos = i;
            if (!before.isEmpty())
                result[pos++] = before;
            else
                result.removeAt(pos);
            result.insert(pos, QString(mark));
            if (!after.isEmpty())
                result.insert(pos + 1, after);
            // Continue with the item after the mark, which may hold it again.
            i = pos;
        }
    }
}

QStringList SplitWords(const QString& text, const QString& separators, bool skipRepeats)
{
    QStringList result;
    SplitWords(text, separators, skipRepeats, true, result);
    return result;
}

QString AfterFirstBlank(const QString& text)
{
    const qsizetype i = text.indexOf(u' ');
    return i >= 0 ? text.mid(i + 1) : text;
}

QString Repeat(const QString& text, int n)
{
    return n > 0 ? text.repeated(n) : QString();
}

QString PadNumber(int n, int width, QChar fill)
{
    // One fill character for each k in [1, width - 1] with 10^k > n. For n >= 0
    // with d digits that is every k >= d; a negative n is below every power.
    // Counting digits avoids computing powers that overflow for wide fields.
    const QString digits = QString::number(n);
    const int d = n < 0 ? 1 : int(digits.size());
    const int pads = qMax(0, width - d);
    return QString(pads, fill) + digits;
}

namespace {

QString KeyFolded(const QString& s)
{
    QString t = s.toLower();
    t.replace(u'#', u'\'');
    t.replace(u'+', u'*');
    t.replace(u',', u';');
    t.replace(u'-', u'_');
    t.replace(u'.', u':');
    return t;
}

QString WithoutExtension(const QString& text)
{
    const qsizetype dot = text.lastIndexOf(u'.');
    if (dot < 0)
        return text;
    for (qsizetype i = dot + 1; i < text.size(); ++i)
        if (IsSeparator(text[i]) || text[i] == u':')
            return text;
    return text.left(dot);
}

} // namespace

bool SameAnswer(const QString& a, const QString& b)
{
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return true;
    return KeyFolded(a) == KeyFolded(b);
}

QString ArticleOf(const QString& text)
{
    const QString t = WithoutExtension(text);
    const qsizetype blank = t.indexOf(u' ');
    if (blank < 0)
        return QString();
    const QString first = t.left(blank);
    const QString rest = t.mid(blank + 1);
    for (const QString& article : ArticleList()) {
        if (SameAnswer(first, article))
            return first;
        if (SameAnswer(rest, article))
            return rest;
    }
    return QString();
}

QString ArticleSoundFile(const QString& text)
{
    const QString article = ArticleOf(text);
    return article.isEmpty() ? QString() : QStringLiteral("Artikel\\") + article + QStringLiteral(".wav");
}

QString WithoutArticle(const QString& text)
{
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0)
        return text;
    if (ArticleList().contains(text.left(blank).toLower()))
        return text.mid(blank + 1);
    return text;
}

QString NounOfPair(const QString& text)
{
    const QStringList words = Split(text, QStringLiteral(" "));
    if (words.size() != 2)
        return text;
    for (const QString& article : ArticleList())
        if (SameAnswer(words[0], article))
            return words[1];
    return text;
}

QString TextAfter(const QString& text, const QString& marker)
{
    if (text.isEmpty() || marker.isEmpty())
        return QString();
    const qsizetype i = text.indexOf(marker);
    return i >= 0 ? text.mid(i + marker.size()) : QString();
}

QString PunctuationName(const QString& mark)
{
    if (mark.size() != 1)
        return QString();
    switch (mark[0].unicode()) {
    case u'.': return QStringLiteral("punkt");
    case u',': return QStringLiteral("komma");
    case u'?': return QStringLiteral("fragezeichen");
    case u'!': return QStringLiteral("ausrufezeichen");
    case u'-': return QStringLiteral("bindestrich");
    case u':': return QStringLiteral("doppelpunkt");
    default: return QString();
    }
}

bool IsPunctuationMark(const QString& text)
{
    return !PunctuationName(text).isEmpty();
}

int FitFontSize(int maxHeight, int maxWidth, const QString& text, int percent, const QFont& font)
{
    if (percent > 100)
        percent = 100;
    if (percent < 0)
        percent = 1;
    const double p = percent / 100.0;
    QFont f = font;
    double size = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize();
    const bool pixels = f.pointSizeF() <= 0;
    auto apply = [&](double s) {
        if (pixels)
            f.setPixelSize(qMax(1, int(std::lround(s))));
        else
            f.setPointSizeF(qMax(1.0, s));
    };
    if (maxHeight > 0) {
        const double h = QFontMetrics(f).height();
        const double limit = p * maxHeight;
        if (h > limit)
            size = limit > 0 ? std::lround(size / (h / limit)) : 1;
        apply(size);
    }
    if (maxWidth > 0) {
        const double w = QFontMetrics(f).horizontalAdvance(text);
        const double limit = p * maxWidth;
        if (w > limit)
            size = limit > 0 ? std::lround(size / (w / limit)) : 1;
    }
    return qMax(1, int(std::lround(size)));
}

namespace {

QString SearchIn(const QString& folder, const QString& word)
{
    const QString native = NativePath(folder);
    if (!QFileInfo(native).isDir())
        return QString();
    const QString found = FindFileDepthFirst(native, word + QStringLiteral(".wav"));
    if (found.isEmpty())
        return QString();
    return JoinPath(found, word + QStringLiteral(".wav"));
}

} // namespace

QString SoundFileOfWord(const QString& word, const QString& folder, bool byFirstLetter)
{
    QString w = word;
    if (IsPunctuationMark(w))
        w = PunctuationName(w);
    if (w.isEmpty())
        return QString();
    const QString root = ResolvePath(folder);
    QString result;
    if (byFirstLetter)
        result = SearchIn(JoinPath(root, w.left(1)), w);
    if (result.isEmpty())
        result = SearchIn(root, w);
    if (result.isEmpty() && !SpellingMap().IsEmpty() && w.contains(QLatin1String("ss"))) {
        const QString original = SpellingMap().ValueOf(w);
        if (!original.isEmpty())
            result = SearchIn(root, original);
    }
    return result;
}
