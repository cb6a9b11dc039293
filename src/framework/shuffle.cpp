#include "framework/shuffle.h"

#include "data/word_list.h"
#include "platform/random.h"

void Shuffle(tmoiel& list)
{
    const int count = list.Count();
    for (int k = 0; k < count; ++k) {
        const int i = RandomNumber(count);
        const int j = RandomNumber(count);
        list.Swap(i, j);
    }
}
