#include "framework/results_files.h"

#include "data/program_state.h"
#include "platform/file_paths.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"
#include "framework/unsaved_results.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

#include <array>

namespace {

const std::array<const char*, 7> kDays = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                          "Freitag", "Samstag",  "Sonntag"};

} // namespace

void AnswerLists::AddListMarker(const QString& marker)
{
    AddAnswer(marker, QString());
}

void AnswerLists::AddAnswer(const QString& answer, const QString& word, const QStringList& typedAttempts)
{
    answers.append(answer);
    words.append(word);
    typed.append(typedAttempts);
}

void AnswerLists::Clear()
{
    answers.clear();
    words.clear();
    typed.clear();
}

AnswerLists& ProtocolAnswers()
{
    static AnswerLists lists;
    return lists;
}

bool& ResultsHeaderFlag()
{
    static bool flag = true;
    return flag;
}

ResultsContext CurrentResultsContext(const QString& listFileName)
{
    return {CurrentProfilePath(), listFileName, QDateTime::currentDateTime(), ResultsHeaderFlag()};
}

QString PlainDayName(int dayOfWeek)
{
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QLatin1String(kDays[size_t(dayOfWeek - 1)]) : QString();
}

QString DayName(int dayOfWeek)
{
    return PlainDayName(dayOfWeek).rightJustified(10, u'*');
}

QString DateText(const QDate& date)
{
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QChar(u' '))
        .arg(date.month(), 2, 10, QChar(u' '))
        .arg(date.year());
}

QString TimeText(const QTime& time)
{
    return QStringLiteral("%1:%2").arg(time.hour(), 2, 10, QChar(u'0')).arg(time.minute(), 2, 10, QChar(u'0'));
}

bool ProbeProfile(const QString& profilePath)
{
    return Ini::WriteString(profilePath, QStringLiteral("CDtest"), QStringLiteral("aufCD"),
                            QStringLiteral("false"));
}

bool FolderRefusesWrites(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(NativePath(path)).absolutePath());
    return ::access(folder.constData(), W_OK) != 0 && (errno == EACCES || errno == EROFS || errno == ENOENT);
}

bool HasAnsweredWords(const AnswerLists& answers)
{
    for (int i = 0; i < answers.Count(); ++i)
        if (!answers.words[i].isEmpty() && !answers.answers[i].isEmpty())
            return true;
    return false;
}

bool MayWriteResults(const AnswerLists& answers, const QString& profilePath)
{
    // A block without a single answer (only list markers) is not written.
    if (!HasAnsweredWords(answers))
        return false;
    // A profile that is busy or away for a moment does not cost the results:
    // they are written, or kept to be written later.
    if (ProbeProfile(profilePath))
        return true;
    const QFileInfo profile(NativePath(profilePath));
    return !FolderRefusesWrites(profilePath) && (!profile.exists() || profile.isFile());
}

QStringList BlockRows(const AnswerLists& answers, const QString& listFileName,
                      const std::function<QString(const QString&, const QString&)>& answerLine)
{
    QStringList lines;
    for (int i = 0; i < answers.Count(); ++i) {
        const QString& word = answers.words[i];
        const QString& answer = answers.answers[i];
        if (!word.isEmpty()) {
            if (!answer.isEmpty())
                lines << answerLine(word, answer);
            continue;
        }
        if (answer.contains(QLatin1String("Fehlerliste")))
            lines << QString(64, u'-');
        lines << QString() << QStringLiteral("Datei: ") + listFileName << QString(42, u'-');
    }
    return lines;
}

bool AppendToFile(const QString& path, const QString& text)
{
    return AppendToFile(path, [&](bool) { return text; });
}

bool AppendToFile(const QString& path, const std::function<QString(bool existed)>& text)
{
    // Both texts now: a block kept for later is written as it was meant.
    const QByteArray toNew = EncodeCp1252(text(false));
    const QByteArray toOld = EncodeCp1252(text(true));
    return WriteOrKeepResults(
        path,
        [path, toNew, toOld] {
            return UpdateFileAtomically(path, [&](const QByteArray& bytes, bool existed) -> std::optional<QByteArray> {
                return bytes + (existed ? toOld : toNew);
            });
        },
        false);
}

QString AsLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}
