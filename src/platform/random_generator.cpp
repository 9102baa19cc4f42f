#include "platform/random_generator.h"

#include <bit>
#include <chrono>
#include <cmath>

namespace platform {
namespace {

constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
constexpr std::uint64_t kFixedState = 0x853c49e6748fea9bULL;

// A strong 64-bit mixing step, so that nearby seeds give unrelated states.
std::uint64_t SplitMix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

}  // namespace

RandomGenerator::RandomGenerator() : state_(kFixedState) {}

std::uint32_t RandomGenerator::Next()
{
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + kIncrement;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<int>(old >> 59U);
    return std::rotr(xorShifted, rotation);
}

float RandomGenerator::Rnd()
{
    // The top 24 bits fill a float's mantissa exactly: multiples of 2^-24 up to 1 - 2^-24.
    return static_cast<float>(Next() >> 8U) * 0x1p-24f;
}

float RandomGenerator::Rnd(double argument)
{
    if (argument < 0) state_ = SplitMix(kFixedState ^ std::bit_cast<std::uint64_t>(argument));
    return Rnd();
}

void RandomGenerator::Mix(std::uint64_t value) { state_ = SplitMix(state_ ^ SplitMix(value)); }

void RandomGenerator::Randomize(double seed) { Mix(std::bit_cast<std::uint64_t>(seed + 0.0)); }

void RandomGenerator::FixSeed(double seed)
{
    Rnd(-1);
    Randomize(seed);
}

void RandomGenerator::Randomize()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch();
    Mix(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()) ^
        std::rotl(static_cast<std::uint64_t>(ticks.count()), 32));
}

double ClockSeed()
{
    RandomGenerator generator;
    generator.Randomize();
    return std::floor(generator.Rnd() * 1e6);
}

}  // namespace platform
