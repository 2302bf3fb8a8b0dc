#pragma once

namespace engines {

// Standard normal density with the eight-decimal constant 0.39894228.
double NormalDensity(double x);

// Integral of NormalDensity from a to b (negative when b < a) by the
// parabolic rule on successive halvings of the trapezoidal rule, to a relative change
// of 1e-6 within 20 stages. When the stages run out the last estimate is
// returned and *tooManySteps (if given) is incremented: the caller shows
// "Too many steps" once for each.
double SimpsonIntegral(double a, double b, int* tooManySteps = nullptr);

// Standard normal cumulative probability: SimpsonIntegral(0, x) + 0.5 where
// that integral is within 5e-8 of the exact value, the exact value (from the
// complementary error function) elsewhere. Agrees with the normal
// distribution function within 1e-7 for every finite x and never warns.
double NormalCumulative(double x);

}  // namespace engines
