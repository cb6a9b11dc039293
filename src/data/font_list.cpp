#include "data/font_list.h"

#include "platform/text_codec.h"

#include <algorithm>

namespace {

QByteArray SortKey(const QString& name)
{
    return EncodeCp1252(name.toLower());
}

bool Before(const QString& a, const QString& b)
{
    return SortKey(a) < SortKey(b);
}

} // namespace

FontNameList::FontNameList()
{
    Reset();
}

void FontNameList::Reset()
{
    names_ = {QStringLiteral("Arial"), QStringLiteral("Comic Sans MS"), QStringLiteral("KV_Druckschrift")};
}

int FontNameList::IndexOf(const QString& name) const
{
    for (int i = 0; i < Count(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int FontNameList::Add(const QString& name)
{
    const int known = IndexOf(name);
    if (known >= 0)
        return known;
    const auto it = std::upper_bound(names_.begin(), names_.end(), name, Before);
    const int at = int(it - names_.begin());
    names_.insert(at, name);
    return at;
}

FontNameList& FontList()
{
    static FontNameList list;
    return list;
}
