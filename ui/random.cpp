#include "ui/random.h"

namespace ui {

namespace {
// splitmix64: a small, well-mixed generator; its exact sequence is ours to choose.
std::uint64_t splitmix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

void RandomSource::reseed(std::uint64_t millisecondsSinceMidnight) {
    std::uint64_t mix = millisecondsSinceMidnight * 0xD1B54A32D192ED03ull;
    state_ ^= splitmix(mix);
}

double RandomSource::next() {
    // 53 random bits scaled by 2^-53: the largest value is 1 - 2^-53, below 1.
    return static_cast<double>(splitmix(state_) >> 11) * 0x1.0p-53;
}

}  // namespace ui
