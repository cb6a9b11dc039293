#include "exercises/spiel7/reading_order.h"

#include <algorithm>

namespace {

constexpr int kRecordLimit = 500;

void AppendWithinLimit(QString& record, const QString& text)
{
    if (text.size() + record.size() + 3 < kRecordLimit)
        record += text;
}

} // namespace

std::vector<int> ReadingOrderSlots(int position, int listCount, int count)
{
    std::vector<int> slots(size_t(std::max(0, count)), -1);
    if (listCount <= 0 || position < 0 || position >= listCount)
        return slots;
    for (int k = 0; k < count; ++k)
        slots[size_t(k)] = (position + k) % listCount;
    return slots;
}

void RecordReadingClick(QString& beforeMark, QString& afterMark, const QString& caption)
{
    AppendWithinLimit(beforeMark, caption + QStringLiteral("; "));
    AppendWithinLimit(afterMark, QStringLiteral("-OK-"));
}
