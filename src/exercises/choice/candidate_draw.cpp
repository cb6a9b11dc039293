#include "exercises/choice/candidate_draw.h"

#include "platform/random.h"

#include <algorithm>

int DrawSlotValue(const std::vector<int>& slots, int k, int m)
{
    if (m <= 0)
        return 0;
    int r = RandomNumber(m);
    k = std::min<int>(k, int(slots.size()));
    if (k >= m)
        return r;  // no free value is left: any value will do
    bool moved = true;
    while (moved) {
        moved = false;
        for (int j = 0; j < k; ++j)
            if (slots[size_t(j)] == r) {
                r = (r + 1) % m;
                moved = true;
            }
    }
    return r;
}

void DrawCandidates(std::vector<int>& slots, int shown, int listCount, int right, int permutationRange)
{
    shown = std::clamp(shown, 1, int(slots.size()));
    if (listCount < shown) {
        const int m = std::clamp(permutationRange, shown, int(slots.size()));
        for (int k = 0; k < m; ++k)
            slots[size_t(k)] = DrawSlotValue(slots, k, m);
    } else {
        for (int k = 0; k < shown; ++k)
            slots[size_t(k)] = DrawSlotValue(slots, k, listCount);
    }
    if (SlotOf(slots, shown, right) < 0)
        slots[size_t(RandomNumber(shown))] = right;
}

int SlotOf(const std::vector<int>& slots, int shown, int index)
{
    const int n = std::min<int>(shown, int(slots.size()));
    for (int k = 0; k < n; ++k)
        if (slots[size_t(k)] == index)
            return k;
    return -1;
}
