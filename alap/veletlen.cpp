#include "alap/veletlen.h"

#include <chrono>
#include <random>

namespace véletlen {
namespace {
std::mt19937& forrás()
{
    static std::mt19937 g(std::random_device{}());
    return g;
}
std::optional<std::uint32_t> rögzített;
}  // namespace

float Rnd()
{
    // 24 random bits fill a float's mantissa exactly, so the value never
    // rounds up to 1.
    return float(forrás()() >> 8) * (1.0f / 16777216.0f);
}

void Randomize()
{
    if (rögzített) {
        forrás().seed(*rögzített);
        return;
    }
    const auto most = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq mag{std::uint32_t(most), std::uint32_t(std::uint64_t(most) >> 32)};
    forrás().seed(mag);
}

void rögzített_mag(std::optional<std::uint32_t> mag) { rögzített = mag; }
}  // namespace véletlen
