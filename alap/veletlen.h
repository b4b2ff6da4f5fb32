#pragma once
// The program-wide source of random numbers: uniform single-precision values
// in [0, 1), reseeded from the clock for every game.

#include <cstdint>
#include <optional>

namespace véletlen {
// The next value, 0 <= value < 1.
float Rnd();
// A new seed from the clock, or the fixed seed while tests have set one.
void Randomize();
// Tests: every later Randomize() starts the same sequence again.
void rögzített_mag(std::optional<std::uint32_t> mag);
}  // namespace véletlen
