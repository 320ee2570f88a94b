// A small pseudo-random generator whose sequence is fixed by its own code, so
// that one seed gives the same sky with every compiler and standard library
// (the std distributions are free to differ between them).
#pragma once

#include <cmath>
#include <cstdint>

namespace kv::sky {

class Prng {
public:
    explicit Prng(uint64_t seed)
    {
        // splitmix64 spreads the seed over the four words of xoshiro256**.
        uint64_t z = seed;
        for (uint64_t& word : s_) {
            z += 0x9E3779B97F4A7C15ull;
            uint64_t x = z;
            x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
            x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
            word = x ^ (x >> 31);
        }
    }

    uint64_t Next()
    {
        const uint64_t result = Rotl(s_[1] * 5, 7) * 9;
        const uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return result;
    }

    // Uniform in [0, 1), 53 bits.
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

    // Standard normal deviate (Box-Muller; the second value is dropped so the
    // sequence does not depend on a cached state).
    double Normal()
    {
        const double u1 = 1.0 - Uniform(); // (0, 1]
        const double u2 = Uniform();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    }

private:
    static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t s_[4];
};

// A deterministic normal deviate for one index (pixel) of one stream, without
// a sequential state: rows can be filled by several threads.
inline double HashNormal(uint64_t stream, uint64_t index)
{
    Prng local(stream * 0x9E3779B97F4A7C15ull ^ (index + 0x632BE59BD9B4E019ull));
    return local.Normal();
}

} // namespace kv::sky
