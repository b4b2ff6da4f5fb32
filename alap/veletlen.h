#pragma once
// The program-wide source of random numbers: uniform single-precision values
// in [0, 1), reseeded for every game.

#include <cstdint>

namespace véletlen {
// The next value, 0 <= value < 1.
float Rnd();
// Starts the sequence that this seed gives (the game takes a seed from the
// clock for every deal).
void Randomize(std::uint32_t mag);
}  // namespace véletlen
