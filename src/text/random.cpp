#include "random.h"

#include <algorithm>
#include <random>

namespace lyrasta {

namespace {

struct Generator {
    std::mt19937 engine{std::random_device{}()};
    std::function<int(int)> override;
};

Generator& TheGenerator() {
    static Generator g;
    return g;
}

}  // namespace

int Random(int n) {
    if (n <= 0) return 0;
    Generator& g = TheGenerator();
    if (g.override) return std::clamp(g.override(n), 0, n - 1);
    // Scale the engine's 32-bit output to 0..n-1; the same on every standard library.
    return static_cast<int>((static_cast<std::uint64_t>(g.engine()) * static_cast<std::uint64_t>(n)) >> 32);
}

void SeedRandom(std::uint32_t seed) { TheGenerator().engine.seed(seed); }

void SetRandomDraw(std::function<int(int)> draw) { TheGenerator().override = std::move(draw); }

}  // namespace lyrasta
