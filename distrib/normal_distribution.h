// Normal distribution with a given mean and variance.
#pragma once

#include "distrib/distribution.h"

namespace distrib {

class tNormal_distribution final : public tContinuous_distribution {
public:
    // The second argument is the variance, not the standard deviation.
    tNormal_distribution(Extended mean, Extended variance);

    bool Set_parameters(Extended p1, Extended p2, Extended p3) override;
    Extended Density(Extended x) const override;
    Extended Cumulative(Extended x) const override;
    Extended Mean() const override;
    Extended Variance() const override;
    Extended Random_value() const override;

private:
    // Cached by Set_parameters.
    Extended mean = 0;
    Extended variance = 1;
    Extended std_dev = 1;
    Extended log_norm = 0;     // log of the density's normalising factor
    Extended ratio_bound = 0;  // half-width of the ratio-of-uniforms box
};

}  // namespace distrib
