#pragma once

#include <cstdint>
#include <random>

// The program's general random generator, seeded once at start-up (tests seed it fixed).
// Only what must differ between runs draws from it: new game numbers, the untidy columns,
// the one random arrangement of the deal and the winning animations.

namespace tindle {

class Random {
  public:
    explicit Random(uint32_t seed = 1) : engine_(seed) {}
    void Seed(uint32_t seed) { engine_.seed(seed); }
    // A uniform integer 0 .. n - 1 (0 when n < 1).
    int Below(int n) {
        if (n < 1) return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(engine_);
    }
    // A uniform integer lo .. hi.
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }

  private:
    std::mt19937 engine_;
};

}  // namespace tindle
