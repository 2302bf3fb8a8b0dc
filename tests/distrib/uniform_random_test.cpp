// The process-wide uniform random source.
#include <gtest/gtest.h>

#include <cstdint>

#include "distrib/distrib_test_support.h"
#include "distrib/kernels.h"

namespace distrib {
namespace {

TEST(UniformRandom, StartUpSeeds)
{
    EXPECT_EQ(Start_seed_1, 0x3579EEDA);
    EXPECT_EQ(Start_seed_2, 0x6DC05E2A);
}

TEST(UniformRandom, FirstDrawsFromTheStartUpSeeds)
{
    struct Draw { std::int32_t z; Extended approx; };
    const Draw draws[] = {
        {1120735397, 0.521883101923036L}, {376398899, 0.175274400626909L},
        {248445365, 0.115691391644875L},  {467233766, 0.217572682879456L},
        {2069265132, 0.963576691411792L},
    };
    Reset_seeds();
    bool first = true;
    for (const Draw& draw : draws) {
        const Extended u = Uniform_random();
        EXPECT_EQ(u, static_cast<Extended>(draw.z) * 4.656613e-10L) << draw.z;
        EXPECT_NEAR(u, draw.approx, 5e-16L) << draw.z;
        if (first) {
            EXPECT_EQ(Seed_1, 415845629);
            EXPECT_EQ(Seed_2, 1442593794);
            first = false;
        }
    }
}

TEST(UniformRandom, ResetSeedsRepeatTheStream)
{
    Reset_seeds();
    Extended first_run[1000];
    for (Extended& u : first_run) u = Uniform_random();
    const std::int32_t end_1 = Seed_1;
    const std::int32_t end_2 = Seed_2;
    Reset_seeds();
    for (const Extended u : first_run) ASSERT_EQ(Uniform_random(), u);
    EXPECT_EQ(Seed_1, end_1);
    EXPECT_EQ(Seed_2, end_2);
}

TEST(UniformRandom, StaysInsideTheOpenInterval)
{
    Reset_seeds();
    for (int i = 0; i < 200000; ++i) {
        const Extended u = Uniform_random();
        ASSERT_GE(u, 4.656613e-10L);
        ASSERT_LT(u, 0.99999998767L);
        ASSERT_GE(Seed_1, 1);
        ASSERT_LE(Seed_1, 2147483562);
        ASSERT_GE(Seed_2, 1);
        ASSERT_LE(Seed_2, 2147483398);
    }
}

// Each component is the plain modular product; the factoring only keeps
// the intermediates inside 32 bits.
TEST(UniformRandom, ComponentsAreModularProducts)
{
    const std::int32_t seeds[] = {1, 2, 53667, 53668, 52774, 1000000007, 2147483398, 2147483562};
    for (const std::int32_t seed : seeds) {
        Seed_1 = seed;
        Seed_2 = seed <= 2147483398 ? seed : 2147483398;
        const std::int64_t expected_2 = std::int64_t{40692} * Seed_2 % 2147483399;
        Uniform_random();
        EXPECT_EQ(Seed_1, std::int64_t{40014} * seed % 2147483563) << seed;
        EXPECT_EQ(Seed_2, expected_2) << seed;
    }
    Reset_seeds();
}

// A difference below 1 wraps by 2147483562.
TEST(UniformRandom, NonPositiveDifferenceWraps)
{
    Seed_1 = 1;  // -> 40014
    Seed_2 = 1;  // -> 40692
    EXPECT_EQ(Uniform_random(), static_cast<Extended>(40014 - 40692 + 2147483562) * 4.656613e-10L);
    Reset_seeds();
}

}  // namespace
}  // namespace distrib
