#pragma once

#include <cstdint>

namespace platform {

// The program's source of random items: a permuted congruential generator (64-bit state,
// 32-bit output), giving single-precision numbers in [0, 1).
class RandomGenerator {
public:
    RandomGenerator();

    // The next number of the sequence: at least 0 and below 1, never 1.
    float Rnd();

    // With a negative argument the generator is first reset to a fixed state that depends on
    // the argument alone; then, as with any other argument, the next number is returned.
    float Rnd(double argument);

    // Mixes the seed into the current state. After a reset by Rnd(-1) the sequence that
    // follows therefore depends on the seed alone.
    void Randomize(double seed);

    // The seeding of "Fix Random Seed": a reset by Rnd(-1), then Randomize(seed), so that the
    // numbers that follow depend on the seed alone.
    void FixSeed(double seed);

    // Mixes the clock into the current state, so that each start gives another sequence.
    void Randomize();

private:
    void Mix(std::uint64_t value);
    std::uint32_t Next();

    std::uint64_t state_;
};

// A seed of its own for each call, taken from the clock: a whole number below a million, as
// a person can type it again to see the same items.
double ClockSeed();

}  // namespace platform
