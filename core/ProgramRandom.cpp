#include "ProgramRandom.h"

#include <random>

namespace {

constexpr unsigned FixedSeed = 20090705u;

std::mt19937& generator()
{
    static std::mt19937 g(FixedSeed);
    return g;
}

} // namespace

int ProgramRandom(int range)
{
    if (range <= 0) return 0;
    return int(generator()() % unsigned(range));
}

void ResetProgramRandom()
{
    generator().seed(FixedSeed);
}
