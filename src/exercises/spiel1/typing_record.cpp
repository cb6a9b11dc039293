#include "exercises/spiel1/typing_record.h"

namespace {
const QString Ok = QStringLiteral("-OK-");
}

void AppendRightAnswer(QString& record)
{
    if (!record.contains(u'['))
        record += Ok;
}

void AppendWrongAnswer(QString& record, const QString& written)
{
    const QString longer = record + u' ' + written + QStringLiteral("; ");
    if (longer.size() < MaxTypingRecord)
        record = longer;
}

bool IsRightAtFirstTry(const QString& record)
{
    return record.endsWith(Ok) && !record.contains(u'[') && !record.contains(u';');
}

QString ProtocolAnswer(const QString& record)
{
    return IsRightAtFirstTry(record) ? Ok : record;
}

QString RefusedKeyAttempt(const QString& before, QChar key, int expectedLength)
{
    QString attempt = before + key;
    attempt.remove(u'_');
    if (before.size() + 1 < expectedLength)
        attempt += kAttemptCutShort;
    return attempt;
}

bool IsBlankAnswer(const QString& written)
{
    for (const QChar c : written)
        if (c != u' ' && c != u'_')
            return false;
    return true;
}

QString RetryText(const QString& expected, const QString& written)
{
    if (written.isEmpty())
        return written;
    const qsizetype at = expected.indexOf(written);
    return at > 0 ? QString(at, u' ') + written : written;
}
