// SplitMix64: the same pseudo-random choices on every platform, unlike the standard
// distributions, so every run benchmarks the same lists.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pjtCampoVivo::bench {

class Sorteio {
  public:
    explicit Sorteio(std::uint64_t semente) : estado_(semente) {}
    // A number in [0, n).
    std::size_t ate(std::size_t n) {
        std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<std::size_t>((z ^ (z >> 31)) % n);
    }

  private:
    std::uint64_t estado_;
};

}  // namespace pjtCampoVivo::bench
