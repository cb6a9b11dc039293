#include "exercises/choice/result_mark.h"

namespace {
const QString kOk = QStringLiteral("-OK-");
}

bool ResultMarkClosed(const QString& mark)
{
    return mark.contains(kOk);
}

bool RecordWrongChoice(QString& mark, const QString& caption)
{
    if (ResultMarkClosed(mark) || caption.size() + mark.size() + 3 >= kResultMarkLimit)
        return false;
    mark += caption + QStringLiteral("; ");
    return true;
}

void RecordRightChoice(QString& mark)
{
    if (!ResultMarkClosed(mark))
        mark += kOk;
}
