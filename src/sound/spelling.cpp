#include "sound/spelling.h"

#include "data/path_helpers.h"
#include "data/text_helpers.h"
#include "platform/text_codec.h"

#include <algorithm>

namespace {

const QString kNamesFolder = QStringLiteral("ABC\\w\\");
const QString kSoundsFolder = QStringLiteral("ABC\\Lautiert\\");
const QString kSuffix = QStringLiteral("_.wav");

bool IsStOrSp(const QString& group)
{
    return group == QLatin1String("st") || group == QLatin1String("sp");
}

// A word begins at position when it is the first character or follows a blank.
bool AtWordBeginning(const QString& text, int position)
{
    return position <= 0 || text.at(position - 1) == u' ';
}

// The file name of a single character (without folder and suffix).
QString CharacterName(const QString& text, int position, bool soundsFolder)
{
    const QChar c = text.at(position);
    const QString punctuation = PunctuationName(QString(c));
    if (!punctuation.isEmpty())
        return punctuation;
    switch (c.unicode()) {
    case 0xFC: case 0xDC: return QStringLiteral("ue");
    case 0xE4: case 0xC4: return QStringLiteral("ae");
    case 0xF6: case 0xD6: return QStringLiteral("oe");
    case 0xDF: return QStringLiteral("Sz");
    default: break;
    }
    if (c == u's' && soundsFolder) {
        const bool last = position == text.size() - 1;
        const bool afterS = position > 0 && text.at(position - 1) == u's';
        bool beforeStop = false;
        if (!last) {
            const QChar n = text.at(position + 1);
            beforeStop = n == u's' || n == u't' || n == u'p' || n == u' ';
        }
        if (last || afterS || beforeStop)
            return QStringLiteral("s_ende");
    }
    return QString(c);
}

// The spoken-word folders stand in when the letter folder lacks the unit.
QString WithFallback(const QString& file, const QString& unit)
{
    if (FileExists(ResolvePath(file)))
        return file;
    QString found = SoundFileOfWord(unit, QStringLiteral("pronomen"), false);
    if (found.isEmpty())
        found = SoundFileOfWord(unit, QStringLiteral("sprache"), true);
    return found.isEmpty() ? file : found;
}

} // namespace

QString LetterGroupFile()
{
    return QStringLiteral("intern\\lautauswahl.txt");
}

QStringList ReadLetterGroups()
{
    QStringList groups;
    for (const QString& line : ReadTextLines(ResolvePath(LetterGroupFile()))) {
        const QString g = line.trimmed().toLower();
        if (!g.isEmpty())
            groups.append(g);
    }
    return groups;
}

int GroupLengthAt(const QString& text, int position, const QStringList& groups)
{
    if (groups.isEmpty() || position < 0 || position >= text.size())
        return 0;
    // Longest match first; no group is longer than the longest group.
    qsizetype longest = 0;
    for (const QString& g : groups)
        longest = std::max(longest, g.size());
    for (int len = int(std::min<qsizetype>(text.size() - position, longest)); len >= 2; --len)
        if (groups.contains(text.mid(position, len).toLower(), Qt::CaseInsensitive))
            return len;
    return 0;
}

SpellUnit ChooseSpellUnit(const QString& text, int position, SpellKind kind, bool letterSounds,
                          const QStringList& groups)
{
    SpellUnit result;
    // A position at the end names no character: there is nothing to speak.
    if (position < 0 || position >= text.size())
        return result;
    if (kind == SpellKind::SmallHint || kind == SpellKind::CapitalHint)
        return result;
    result.valid = true;
    const bool sounds = letterSounds && kind != SpellKind::Names;
    const QString folder = sounds ? kSoundsFolder : kNamesFolder;

    if (text.at(position) == u' ') {
        result.unit = QStringLiteral(" ");
        result.pause = true;
        result.next = position + 1;
        return result;
    }

    const int groupLength =
        sounds && kind == SpellKind::Groups ? GroupLengthAt(text, position, groups) : 0;
    QString file;
    if (groupLength > 0) {
        const QString group = text.mid(position, groupLength).toLower();
        if (IsStOrSp(group) && !AtWordBeginning(text, position)) {
            result.unit = QStringLiteral("s");
            file = folder + QStringLiteral("s_ende") + kSuffix;
            result.next = position + 1;
        } else if (IsStOrSp(group)) {
            result.unit = group;
            file = folder + group + QStringLiteral("_vorne") + kSuffix;
            result.next = position + 2;
        } else {
            result.unit = group;
            file = folder + group + kSuffix;
            result.next = position + groupLength;
        }
    } else {
        result.unit = QString(text.at(position));
        file = folder + CharacterName(text, position, sounds) + kSuffix;
        result.next = position + 1;
    }
    result.file = WithFallback(file, result.unit);
    return result;
}

int UnitLength(const QString& text, int position, bool letterSounds, const QStringList& groups)
{
    if (!letterSounds)
        return 1;
    const int length = GroupLengthAt(text, position, groups);
    if (length == 0)
        return 1;
    if (IsStOrSp(text.mid(position, length).toLower()) && !AtWordBeginning(text, position))
        return 1;
    return length;
}

QString HintSoundFile(SpellKind kind)
{
    switch (kind) {
    case SpellKind::SmallHint: return QStringLiteral("Fun\\kleinschreiben.wav");
    case SpellKind::CapitalHint: return QStringLiteral("Fun\\grossschreiben.wav");
    default: return QString();
    }
}
