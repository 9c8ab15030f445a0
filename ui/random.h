#pragma once
#include <cstdint>

namespace ui {

// Uniform draws on [0, 1). Reseeding mixes the time of day, to the millisecond, into the
// state, so two draws in the same second still differ.
class RandomSource {
  public:
    explicit RandomSource(std::uint64_t seed = 0x9E3779B97F4A7C15ull) : state_(seed) {}
    void reseed(std::uint64_t millisecondsSinceMidnight);
    double next();  // never 1.0

  private:
    std::uint64_t state_;
};

}  // namespace ui
