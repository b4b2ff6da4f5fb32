#include "alap/veletlen.h"

#include <random>

namespace véletlen {
namespace {
std::mt19937& forrás()
{
    static std::mt19937 g(std::random_device{}());
    return g;
}
}  // namespace

float Rnd()
{
    // 24 random bits fill a float's mantissa exactly, so the value never
    // rounds up to 1.
    return float(forrás()() >> 8) * (1.0f / 16777216.0f);
}

void Randomize(std::uint32_t mag) { forrás().seed(mag); }
}  // namespace véletlen
