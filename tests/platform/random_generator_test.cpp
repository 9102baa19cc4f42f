#include "platform/random_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using platform::RandomGenerator;

namespace {

std::vector<float> Draw(RandomGenerator& generator, int count)
{
    std::vector<float> numbers;
    for (int i = 0; i < count; ++i) numbers.push_back(generator.Rnd());
    return numbers;
}

std::vector<float> Seeded(RandomGenerator& generator, double seed, int count)
{
    generator.Rnd(-1);
    generator.Randomize(seed);
    return Draw(generator, count);
}

}  // namespace

TEST(RandomGenerator, NumbersLieInTheHalfOpenUnitInterval)
{
    RandomGenerator generator;
    generator.Randomize();
    for (float x : Draw(generator, 200000)) {
        ASSERT_GE(x, 0.0f);
        ASSERT_LT(x, 1.0f);
    }
}

TEST(RandomGenerator, ResetThenSeedDependsOnTheSeedAlone)
{
    RandomGenerator fresh;
    RandomGenerator used;
    used.Randomize();
    Draw(used, 1234);
    EXPECT_EQ(Seeded(fresh, 42, 100), Seeded(used, 42, 100));
    EXPECT_NE(Seeded(fresh, 42, 100), Seeded(fresh, 43, 100));
    EXPECT_NE(Seeded(fresh, 0, 100), Seeded(fresh, 0.5, 100));
    EXPECT_EQ(Seeded(fresh, 0, 100), Seeded(used, -0.0, 100));
}

TEST(RandomGenerator, SeedingWithoutResetDependsOnTheHistory)
{
    RandomGenerator a;
    RandomGenerator b;
    Draw(b, 5);
    a.Randomize(7);
    b.Randomize(7);
    EXPECT_NE(Draw(a, 10), Draw(b, 10));
}

TEST(RandomGenerator, ClockSeedingGivesAnotherSequenceEachStart)
{
    RandomGenerator a;
    RandomGenerator b;
    a.Randomize();
    b.Randomize();
    EXPECT_NE(Draw(a, 10), Draw(b, 10));
}

TEST(RandomGenerator, LooksUniform)
{
    // Mean, variance and a coarse histogram of 1,000,000 numbers; bounds at about five sigma.
    RandomGenerator generator;
    generator.Rnd(-1);
    generator.Randomize(3);
    constexpr int kCount = 1000000;
    constexpr int kBins = 100;
    std::vector<int> bins(kBins);
    double sum = 0, squares = 0;
    for (float x : Draw(generator, kCount)) {
        sum += x;
        squares += double(x) * x;
        ++bins[static_cast<int>(x * kBins)];
    }
    EXPECT_NEAR(sum / kCount, 0.5, 0.0015);
    EXPECT_NEAR(squares / kCount - (sum / kCount) * (sum / kCount), 1.0 / 12, 0.001);
    double chiSquare = 0;
    for (int n : bins) chiSquare += std::pow(n - kCount / kBins, 2) / (kCount / kBins);
    EXPECT_LT(chiSquare, 160);  // 99 degrees of freedom
}
