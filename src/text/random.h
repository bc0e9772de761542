#pragma once
// The program's one random generator, seeded once at start-up. The sung text draws its
// small variations of note length and pitch from it, so a chanted verse never sounds
// mechanically identical; tests and golden files fix the seed to make it repeatable.

#include <cstdint>
#include <functional>

namespace lyrasta {

// A uniform whole number from 0 to n - 1; 0 when n is 0 or less.
int Random(int n);

// Restarts the generator from a fixed seed (start-up, tests, golden files).
void SeedRandom(std::uint32_t seed);

// Test seam: every draw Random(n) returns draw(n) instead (clamped to 0..n-1) until
// the seam is cleared with an empty function.
void SetRandomDraw(std::function<int(int)> draw);

}  // namespace lyrasta
