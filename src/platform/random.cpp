#include "platform/random.h"

#include <random>

namespace {

std::mt19937_64& Generator()
{
    static std::mt19937_64 generator{std::random_device{}()};
    return generator;
}

} // namespace

int RandomNumber(int n)
{
    if (n <= 1)
        return 0;
    std::uniform_int_distribution<int> pick(0, n - 1);
    return pick(Generator());
}

void SeedRandom(quint64 seed)
{
    Generator().seed(seed);
}
