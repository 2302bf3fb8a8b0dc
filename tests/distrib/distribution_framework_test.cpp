// Generic bodies of the distribution interface, seen through a small
// distribution that overrides only what it must.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "distrib/distrib_test_support.h"
#include "distrib/distribution.h"

namespace distrib {
namespace {

// Uniform on [0, width]; parameter 2 must be whole, parameter 3 is free.
// Mean and variance exist only when the flag parameter 3 is above 0.
class Probe_distribution : public tContinuous_distribution {
public:
    Probe_distribution(Extended width, Extended count, Extended moments)
    {
        parameter_count = 3;
        parameter(1) = {width, false, 0, 100};
        parameter(2) = {count, true, 0, 10};
        parameter(3) = {moments, false, -1, 1};
        Set_parameters(width, count, moments);
    }
    bool Set_parameters(Extended p1, Extended p2, Extended p3) override
    {
        const bool valid = tContinuous_distribution::Set_parameters(p1, p2, p3);
        support_lower = 0;
        support_upper = p1;
        return valid;
    }
    Extended Density(Extended x) const override { return In_support(x) ? 1 / support_upper : 0; }
    Extended Cumulative(Extended x) const override
    {
        if (!In_support(x)) return tContinuous_distribution::Cumulative(x);
        return x / support_upper;
    }
    bool Has_mean() const override { return parameters[2].value > 0; }
    bool Has_variance() const override { return parameters[2].value > 0; }
    Extended Mean() const override { return support_upper / 2; }
    Extended Variance() const override { return support_upper * support_upper / 12; }
};

TEST(DistributionFramework, ParameterChecksInRecordOrder)
{
    struct Case { Extended p1, p2, p3; std::string message; };
    const Case cases[] = {
        {0, 1, 0, Argument_message_text(1301) + "0"},
        {100, 1, 0, Argument_message_text(1303) + "100"},
        {1, 0, 0, Argument_message_text(1305) + "0"},
        {1, 10, 0, Argument_message_text(1307) + "10"},
        {1, 2.5L, 0, Argument_message_text(1308)},
        {1, 2, -1, Argument_message_text(1309) + "-1"},
        {1, 2, 1, Argument_message_text(1311) + "1"},
        {0, 2.5L, 5, Argument_message_text(1301) + "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Argument_error_message([&] { Probe_distribution(c.p1, c.p2, c.p3); }), c.message)
            << c.p1 << " " << c.p2 << " " << c.p3;
    EXPECT_NO_THROW(Probe_distribution(1, 3.000000000001L, 0));
}

TEST(DistributionFramework, GenericSupportCumulativeAndIntervals)
{
    const Probe_distribution probe(4, 1, 0.5L);
    EXPECT_TRUE(probe.In_support(0));
    EXPECT_TRUE(probe.In_support(4));
    EXPECT_FALSE(probe.In_support(-0.1L));
    EXPECT_EQ(probe.Cumulative(-1), 0);
    EXPECT_EQ(probe.Cumulative(4), 1);
    EXPECT_EQ(probe.Cumulative(5), 1);
    EXPECT_EQ(probe.Interval_probability(1, 3), 0.5L);
    EXPECT_EQ(probe.Interval_probability(-10, 1), 0.25L);
    EXPECT_EQ(probe.Interval_probability(3, 10), 0.25L);
    EXPECT_EQ(probe.Interval_probability(3, 1), 0);
    EXPECT_EQ(probe.Point_probability(1), 0);
}

TEST(DistributionFramework, StandardDeviationNeedsAVariance)
{
    const Probe_distribution with(12, 1, 0.5L);
    EXPECT_NEAR(with.Std_deviation(), std::sqrt(12.0L), 1e-18L);
    const Probe_distribution without(12, 1, 0);
    EXPECT_EQ(Argument_error_message([&] { without.Std_deviation(); }), Argument_message_text(1363));
}

TEST(DistributionFramework, QuantileSearchWithAndWithoutMoments)
{
    // With moments: centre 6, step 2 sd; without: centre at the middle of
    // the support, step 8.
    for (const Extended moments : {0.5L, 0.0L}) {
        const Probe_distribution probe(12, 1, moments);
        for (const Extended p : {0.001L, 0.1L, 0.5L, 0.9L, 0.999L})
            EXPECT_NEAR(probe.Quantile(p), 12 * p, 1e-10L) << moments << " " << p;
        EXPECT_EQ(probe.Quantile(0), 0);
        EXPECT_EQ(probe.Quantile(1), 12);
    }
}

TEST(DistributionFramework, RandomValueByInversion)
{
    const Probe_distribution probe(10, 1, 0.5L);
    Reset_seeds();
    const Extended value = probe.Random_value();
    EXPECT_NEAR(value, 10 * 0.521883101923036L, 1e-10L);
    Reset_seeds();
    Uniform_random();
    EXPECT_NE(Seed_1, Start_seed_1);
    const std::int32_t after_one = Seed_1;
    Reset_seeds();
    probe.Random_value();
    EXPECT_EQ(Seed_1, after_one);  // one uniform per variate
}

}  // namespace
}  // namespace distrib
