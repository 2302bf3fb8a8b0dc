#include "engines/student_t_cumulative.h"

#include <cmath>

namespace engines {

namespace {
// Two over pi to nine decimals; the short constant sets the floor of the
// odd-df tail probability (about 2.9e-10) that the reports have always shown.
constexpr double TwoOverPi = 0.636619772;
}  // namespace

double StudentTCumulative(int df, double t)
{
    const double theta = std::atan(t / std::sqrt(static_cast<double>(df)));
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    const bool odd = df % 2 == 1;

    double a = 0.0;
    if (df > 1) {
        double term = odd ? c : 1.0;
        int i = odd ? 3 : 2;
        a = term;
        while (i < df) {
            term = term * c * c * (i - 1) / i;
            a += term;
            i += 2;
        }
        a = s * a;
    }
    if (odd)
        a = (a + theta) * TwoOverPi;
    return (a + 1.0) * 0.5;
}

}  // namespace engines
