// Bottom layer of the distribution library: constants, argument checks,
// special functions and the process-wide uniform random source.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace distrib {

using Extended = long double;

// Stands for infinity in supports and parameter ranges.
inline constexpr Extended Big_limit = 2147483647.0L;
// Absolute tolerance of Nearly_equal and of the convergence tests.
inline constexpr Extended Equal_tolerance = 5e-12L;

// Raised by every argument and parameter check; carries only its message.
class EArgumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An invalid operation, a division by zero or an overflow inside a
// computation. Raised by explicit checks, never by floating-point traps.
class EArithmeticError : public std::runtime_error {
public:
    enum class Kind { InvalidOperation, DivisionByZero, Overflow };
    EArithmeticError(Kind kind, const std::string& what);
    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

// The registered text of a message number (empty for an unknown number).
std::string Argument_message_text(int number);

inline bool Nearly_equal(Extended a, Extended b)
{
    const Extended difference = b - a;
    return (difference < 0 ? -difference : difference) < Equal_tolerance;
}
bool Is_whole_number(Extended x);
std::string Format_limit(Extended v);
bool Raise_if(bool condition, int number);
bool Check_argument(int number, Extended value, Extended limit);

Extended Int_power(Extended base, std::int32_t n);
Extended Real_power(Extended base, Extended exponent);
std::int32_t Floor_int(Extended x);

Extended Ln_gamma(Extended x);
Extended Gamma_series(Extended x, Extended a);
Extended Gamma_fraction(Extended x, Extended a);
Extended Gamma_p(Extended x, Extended a);
// The same, with Ln_gamma(a) supplied by a caller that keeps it for a fixed
// shape; the result is identical to Gamma_p(x, a).
Extended Gamma_p(Extended x, Extended a, Extended ln_gamma_a);
// Standard normal cumulative probability at z through the error function,
// erf(|z| / sqrt 2) = Gamma_p(z^2 / 2, 1/2), from z^2 / 2 and whether z >= 0.
Extended Unit_normal_cumulative(Extended half_square, bool nonnegative);
Extended Beta_fraction(Extended x, Extended a, Extended b);
Extended Beta_i(Extended x, Extended a, Extended b);

// Uniform generator state; start-up values 897183450 and 1841323562.
inline constexpr std::int32_t Start_seed_1 = 897183450;
inline constexpr std::int32_t Start_seed_2 = 1841323562;
inline std::int32_t Seed_1 = Start_seed_1;
inline std::int32_t Seed_2 = Start_seed_2;

// Combined multiplicative congruential generator without a shuffle table.
// Each component is advanced by the approximate-factoring method so that
// no intermediate leaves 32 bits; the result lies strictly inside (0, 1).
inline Extended Uniform_random()
{
    std::int32_t k = Seed_1 / 53668;
    Seed_1 = 40014 * (Seed_1 - k * 53668) - k * 12211;
    if (Seed_1 < 0) Seed_1 += 2147483563;

    k = Seed_2 / 52774;
    Seed_2 = 40692 * (Seed_2 - k * 52774) - k * 3791;
    if (Seed_2 < 0) Seed_2 += 2147483399;

    std::int32_t z = Seed_1 - Seed_2;
    if (z < 1) z += 2147483562;
    return static_cast<Extended>(z) * 4.656613e-10L;
}

}  // namespace distrib
