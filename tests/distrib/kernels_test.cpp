// Numeric kernels: comparisons, powers, log-gamma, incomplete gamma and
// beta functions, argument checks and the arithmetic-fault convention.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "distrib/checked_arithmetic.h"
#include "distrib/distrib_test_support.h"
#include "distrib/kernels.h"

namespace distrib {
namespace {

using Kind = EArithmeticError::Kind;

template <typename Call>
void Expect_arithmetic_fault(Call call, Kind kind)
{
    try {
        call();
        ADD_FAILURE() << "no EArithmeticError raised";
    } catch (const EArithmeticError& error) {
        EXPECT_EQ(error.kind(), kind) << error.what();
    }
}

TEST(Constants, BigLimitAndTolerance)
{
    EXPECT_EQ(Big_limit, 2147483647.0L);
    EXPECT_EQ(Equal_tolerance, 5e-12L);
}

TEST(NearlyEqual, StrictAbsoluteTolerance)
{
    EXPECT_TRUE(Nearly_equal(1, 1));
    EXPECT_TRUE(Nearly_equal(0, 4.9e-12L));
    EXPECT_TRUE(Nearly_equal(4.9e-12L, 0));
    EXPECT_FALSE(Nearly_equal(0, 5e-12L));
    EXPECT_FALSE(Nearly_equal(0, 1e-11L));
    EXPECT_FALSE(Nearly_equal(1e6L, 1e6L + 1e-9L));
}

TEST(IsWholeNumber, WithinToleranceOfAnIntegerBelowTheLimit)
{
    struct Case { Extended x; bool whole; };
    const Case cases[] = {
        {3, true},        {3.000000000001L, true}, {-7, true},     {2.99999999999L, false},
        {0.5L, false},    {2147483646, true},       {2147483647, false},
        {-2147483647, false}, {2.5L, false},        {1e-13L, true},
    };
    for (const Case& c : cases) EXPECT_EQ(Is_whole_number(c.x), c.whole) << c.x;
}

TEST(FormatLimit, PatternWithAtMostTwelveDecimals)
{
    struct Case { Extended v; const char* text; };
    const Case cases[] = {
        {0, "0"},          {1, "1"},           {-2147483647, "-2147483647"},
        {2147483647, "2147483647"}, {0.5L, "0.5"}, {-0.25L, "-0.25"},
        {1.0L / 3, "0.333333333333"}, {2.0L / 3, "0.666666666667"},
        {1e-13L, "0"},     {-1e-13L, "0"},     {123.456L, "123.456"},
    };
    for (const Case& c : cases) EXPECT_EQ(Format_limit(c.v), c.text);
}

// Puts the C library under German conventions (comma as decimal point) for
// its lifetime; where no German locale is installed, one is compiled into a
// temporary folder.
class German_locale {
public:
    German_locale()
    {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        saved_ = previous ? previous : "C";
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") || Compile_and_use();
    }
    ~German_locale()
    {
        std::setlocale(LC_ALL, saved_.c_str());
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
    }
    bool active() const { return active_; }

private:
    bool Compile_and_use()
    {
        char folder[] = "/tmp/locale-XXXXXX";
        if (!mkdtemp(folder)) return false;
        folder_ = folder;
        const std::string compile = "localedef -i de_DE -f UTF-8 " + folder_ + "/de_DE.UTF-8 2>/dev/null";
        if (std::system(compile.c_str()) != 0) return false;
        setenv("LOCPATH", folder, 1);
        return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }

    std::string saved_;
    std::string folder_;
    bool active_ = false;
};

TEST(FormatLimit, IgnoresTheLocale)
{
    const German_locale german;
    if (!german.active()) GTEST_SKIP() << "no German locale could be made";
    char comma[8];
    std::snprintf(comma, sizeof comma, "%.1f", 0.5);
    ASSERT_STREQ(comma, "0,5");
    EXPECT_EQ(Format_limit(0.5L), "0.5");
}

TEST(ArgumentMessages, EveryRuleNumberHasAText)
{
    for (int number : {1301, 1302, 1303, 1304, 1305, 1306, 1307, 1308, 1309, 1310, 1311, 1312,
                       1315, 1361, 1362, 1363})
        EXPECT_FALSE(Argument_message_text(number).empty()) << number;
    EXPECT_TRUE(Argument_message_text(1300).empty());
    EXPECT_TRUE(Argument_message_text(1313).empty());
}

TEST(RaiseIf, RaisesTheBareTextOrReturnsTrue)
{
    EXPECT_TRUE(Raise_if(false, 1361));
    EXPECT_EQ(Argument_error_message([] { Raise_if(true, 1363); }), Argument_message_text(1363));
    EXPECT_EQ(Argument_error_message([] { Raise_if(true, 9999); }), "");
}

TEST(CheckArgument, RuleSelectedByNumber)
{
    struct Case { int number; Extended value; Extended limit; bool breaks; };
    const Case cases[] = {
        // value > limit
        {1301, 1, 0, false}, {1301, 0, 0, true}, {1301, -1, 0, true},
        {1305, 0.5L, 0, false}, {1305, 0, 0, true}, {1309, 0, 0, true},
        // value >= limit
        {1302, 0, 0, false}, {1302, -1, 0, true}, {1306, -1e-20L, 0, true}, {1310, 5, 5, false},
        // value < limit
        {1303, 1, 2, false}, {1303, 2, 2, true}, {1307, 3e9L, Big_limit, true},
        {1311, Big_limit, Big_limit, true},
        // value <= limit
        {1315, 1, 1, false}, {1315, 1.5L, 1, true},
        // numbers without a rule never break
        {1304, -5, 0, false}, {1361, 1e30L, 0, false}, {42, 1, 2, false},
    };
    for (const Case& c : cases) {
        if (c.breaks) {
            EXPECT_EQ(Argument_error_message([&] { Check_argument(c.number, c.value, c.limit); }),
                      Checked_message(c.number, c.limit))
                << c.number << " " << c.value;
        } else {
            EXPECT_TRUE(Check_argument(c.number, c.value, c.limit)) << c.number << " " << c.value;
        }
    }
}

TEST(CheckArgument, UnregisteredNumberGivesTheLimitAlone)
{
    // 1313 has no text, but neither a rule: compose through a ruled number's
    // limit instead to see the bare formatted value.
    EXPECT_EQ(Argument_error_message([] { Check_argument(1301, 0, 0.5L); }),
              Argument_message_text(1301) + "0.5");
}

TEST(IntPower, BinaryExponentiation)
{
    struct Case { Extended base; std::int32_t n; Extended expected; };
    const Case cases[] = {
        {2, 0, 1},  {0, 0, 1},     {2, 1, 2},       {2, 10, 1024},     {-2, 3, -8},
        {3, 5, 243}, {2, -2, 0.25L}, {-2, -3, -0.125L}, {1.5L, 2, 2.25L}, {10, 12, 1e12L},
        {1, 2147483647, 1}, {-1, -2147483647 - 1, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(Int_power(c.base, c.n), c.expected) << c.base << "^" << c.n;
}

TEST(RealPower, CasesInOrder)
{
    struct Case { Extended base; Extended exponent; Extended expected; };
    const Case cases[] = {
        {0, 0, 1}, {5, 0, 1}, {0, 2.5L, 0}, {-2, 3, -8}, {2, -1, 0.5L}, {4, 0.5L, 2}, {8, 1.0L / 3, 2},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Real_power(c.base, c.exponent), c.expected, 1e-18L) << c.base << "^" << c.exponent;
    EXPECT_EQ(Real_power(-2, 3), -8);
}

TEST(RealPower, ArithmeticFaults)
{
    Expect_arithmetic_fault([] { Real_power(-2, 0.5L); }, Kind::InvalidOperation);
    Expect_arithmetic_fault([] { Real_power(0, -1); }, Kind::DivisionByZero);
    Expect_arithmetic_fault([] { Real_power(0, -0.5L); }, Kind::DivisionByZero);
    Expect_arithmetic_fault([] { Real_power(10, 5000); }, Kind::Overflow);
    Expect_arithmetic_fault([] { Real_power(10, 5000.5L); }, Kind::Overflow);
    // A negative whole exponent squares the base first: 10^-6000 overflows
    // on the way, while underflow is silent.
    Expect_arithmetic_fault([] { Real_power(10, -6000); }, Kind::Overflow);
    EXPECT_EQ(Real_power(0.1L, 6000), 0);
    EXPECT_EQ(Real_power(10, -6000.5L), 0);
}

TEST(FloorInt, LargestIntegerNotAbove)
{
    struct Case { Extended x; std::int32_t floor; };
    const Case cases[] = {
        {-0.5L, -1}, {2, 2}, {-3, -3}, {2.7L, 2}, {-2.7L, -3}, {0, 0},
        {2147483647, 2147483647}, {-2147483648.0L, -2147483647 - 1},
    };
    for (const Case& c : cases) EXPECT_EQ(Floor_int(c.x), c.floor) << c.x;
    Expect_arithmetic_fault([] { Floor_int(2147483648.0L); }, Kind::InvalidOperation);
    Expect_arithmetic_fault([] { Floor_int(-2147483648.5L); }, Kind::InvalidOperation);
}

TEST(LnGamma, SixTermSeriesStartedAtOne)
{
    struct Case { Extended x; Extended expected; Extended tolerance; };
    const Case cases[] = {
        {1, -4.57e-12L, 0.01e-12L},
        {2, -1.19e-11L, 0.01e-11L},
        {0.5L, 0.5723649429209L, 1e-13L},
        {10, 12.80182748001L, 1e-11L},
    };
    for (const Case& c : cases) EXPECT_NEAR(Ln_gamma(c.x), c.expected, c.tolerance) << c.x;
    // The approximation error stays small against the exact values.
    EXPECT_NEAR(Ln_gamma(0.5L), 0.5723649429247001L, 1e-11L);
    EXPECT_NEAR(Ln_gamma(10), 12.801827480081469L, 1e-10L);
}

TEST(LnGamma, NonPositiveArgumentsFail)
{
    Expect_arithmetic_fault([] { Ln_gamma(0); }, Kind::DivisionByZero);
    Expect_arithmetic_fault([] { Ln_gamma(-1); }, Kind::DivisionByZero);
    Expect_arithmetic_fault([] { Ln_gamma(-4); }, Kind::DivisionByZero);
    // Below -4.5 the first logarithm already has a negative argument.
    Expect_arithmetic_fault([] { Ln_gamma(-5); }, Kind::InvalidOperation);
    Expect_arithmetic_fault([] { Ln_gamma(-10); }, Kind::InvalidOperation);
}

TEST(GammaP, ReferenceValues)
{
    // erf(z / sqrt 2) for z = 1.959963984540054 is 0.95.
    EXPECT_NEAR(Gamma_p(1.9207294103470625L, 0.5L), 0.95L, 1e-12L);
    // P(3, 2) = 1 - 5 e^-2; P(1, x) = 1 - e^-x on both sides of x = a + 1.
    // The log-gamma series limits the accuracy to about 1e-11.
    EXPECT_NEAR(Gamma_p(2, 3), 1 - 5 * std::exp(-2.0L), 1e-10L);
    EXPECT_NEAR(Gamma_p(1.5L, 1), 1 - std::exp(-1.5L), 1e-10L);
    EXPECT_NEAR(Gamma_p(2.5L, 1), 1 - std::exp(-2.5L), 1e-10L);
}

TEST(GammaP, ZeroForEveryShape)
{
    for (Extended a : {1e-6L, 0.5L, 1.0L, 3.0L, 500.0L, 1e6L, Big_limit}) {
        EXPECT_EQ(Gamma_p(0, a), 0) << a;
        EXPECT_EQ(Gamma_series(0, a), 0) << a;
        // Below the tolerance the series is not evaluated either.
        EXPECT_EQ(Gamma_p(4e-12L, a), 0) << a;
    }
}

TEST(GammaP, SwitchesToTheFractionAtShapePlusOne)
{
    for (Extended a : {0.5L, 2.0L, 7.25L}) {
        EXPECT_EQ(Gamma_p(a + 1, a), 1 - Gamma_fraction(a + 1, a)) << a;
        const Extended below = std::nextafter(a + 1, 0.0L);
        EXPECT_EQ(Gamma_p(below, a), Gamma_series(below, a)) << a;
        // Both forms agree near the switch, to their stopping tolerances.
        EXPECT_NEAR(Gamma_series(a + 1, a), 1 - Gamma_fraction(a + 1, a), 1e-10L) << a;
    }
}

TEST(GammaP, ArgumentErrors)
{
    EXPECT_EQ(Argument_error_message([] { Gamma_p(-1, 2); }), Argument_message_text(1302) + "0");
    EXPECT_EQ(Argument_error_message([] { Gamma_p(1, 0); }), Argument_message_text(1301) + "0");
    EXPECT_EQ(Argument_error_message([] { Gamma_p(1, -3); }), Argument_message_text(1301) + "0");
    EXPECT_EQ(Argument_error_message([] { Gamma_p(3e9L, 2); }), Argument_message_text(1361));
    EXPECT_EQ(Argument_error_message([] { Gamma_p(1, 3e9L); }), Argument_message_text(1361));
    // x is checked before a.
    EXPECT_EQ(Argument_error_message([] { Gamma_p(-1, 0); }), Argument_message_text(1302) + "0");
    EXPECT_NO_THROW(Gamma_p(Big_limit, 2));
}

TEST(GammaP, SuppliedLogGammaGivesTheSameResult)
{
    for (const Extended a : {0.05L, 0.5L, 1.0L, 2.5L, 30.0L, 500.0L}) {
        const Extended ln_gamma_a = Ln_gamma(a);
        for (const Extended x : {0.0L, 1e-12L, 1e-3L, 0.5L, a, a + 1, 3 * a + 10, 2000.0L})
            EXPECT_EQ(Gamma_p(x, a, ln_gamma_a), Gamma_p(x, a)) << a << " " << x;
    }
    EXPECT_EQ(Argument_error_message([] { Gamma_p(-1, 2, 0); }), Argument_message_text(1302) + "0");
    EXPECT_EQ(Argument_error_message([] { Gamma_p(1, 0, 0); }), Argument_message_text(1301) + "0");
    EXPECT_EQ(Argument_error_message([] { Gamma_p(3e9L, 2, 0); }), Argument_message_text(1361));
}

TEST(GammaSeries, CappedAtOneHundredAddedTerms)
{
    // At shape 500 near its mode the series needs far more terms; the capped
    // partial sum falls short of the fraction's value, silently.
    const Extended capped = Gamma_series(500.5L, 500);
    const Extended full = 1 - Gamma_fraction(500.5L, 500);
    EXPECT_LT(capped, full - 1e-7L);
    EXPECT_GT(capped, full - 1e-4L);
}

TEST(BetaI, ReferenceValues)
{
    // I_x(1, 1) = x; I_x(2, 1) = x^2; I_x(1, b) = 1 - (1 - x)^b; I_0.5(a, a) = 0.5.
    EXPECT_NEAR(Beta_i(0.3L, 1, 1), 0.3L, 1e-12L);
    EXPECT_NEAR(Beta_i(0.3L, 2, 1), 0.09L, 1e-12L);
    EXPECT_NEAR(Beta_i(0.8L, 1, 3), 1 - 0.008L, 1e-12L);
    EXPECT_NEAR(Beta_i(0.5L, 4.5L, 4.5L), 0.5L, 1e-12L);
    // Student t with 10 degrees of freedom: P(|T| > 1) = I_{10/11}(5, 1/2).
    EXPECT_NEAR(Beta_i(10.0L / 11, 5, 0.5L), 2 * 0.1704465662L, 1e-10L);
}

TEST(BetaI, EndsAndFaultsGiveFixedResults)
{
    for (Extended a : {0.5L, 2.0L, 0.0L, -1.0L}) {
        EXPECT_EQ(Beta_i(0, a, 3), 0);
        EXPECT_EQ(Beta_i(-0.5L, a, 3), 0);
        EXPECT_EQ(Beta_i(1, a, 3), 1);
        EXPECT_EQ(Beta_i(2, a, 3), 1);
    }
    // Ln_gamma(0) divides by zero inside; the fault becomes the result 1.
    EXPECT_EQ(Beta_i(0.5L, 0, 2), 1);
    EXPECT_EQ(Beta_i(0.5L, 2, 0), 1);
    EXPECT_EQ(Beta_i(0.5L, -10, 2), 1);
}

TEST(CheckedArithmetic, FaultsAndSilentUnderflow)
{
    Expect_arithmetic_fault([] { Checked_ln(0); }, Kind::DivisionByZero);
    Expect_arithmetic_fault([] { Checked_ln(-1); }, Kind::InvalidOperation);
    Expect_arithmetic_fault([] { Checked_sqrt(-1); }, Kind::InvalidOperation);
    Expect_arithmetic_fault([] { Checked_exp(20000); }, Kind::Overflow);
    Expect_arithmetic_fault([] { Checked_divide(1, 0); }, Kind::DivisionByZero);
    Expect_arithmetic_fault([] { Checked_divide(0, 0); }, Kind::InvalidOperation);
    Expect_arithmetic_fault([] { Checked_divide(1e4000L, 1e-4000L); }, Kind::Overflow);
    Expect_arithmetic_fault([] { Checked_finite(std::numeric_limits<Extended>::infinity()); },
                            Kind::Overflow);
    EXPECT_EQ(Checked_exp(-20000), 0);
    EXPECT_EQ(Checked_divide(1e-4000L, 1e4000L), 0);
    EXPECT_EQ(Checked_sqrt(0), 0);
}

}  // namespace
}  // namespace distrib
