// Gamma distribution with a shape and a rate (mean shape / rate).
#pragma once

#include "distrib/distribution.h"

namespace distrib {

class tGamma_distribution : public tContinuous_distribution {
public:
    tGamma_distribution(Extended shape, Extended rate);

    bool Set_parameters(Extended p1, Extended p2, Extended p3) override;
    bool In_support(Extended x) const final;
    Extended Density(Extended x) const final;
    Extended Cumulative(Extended x) const final;
    Extended Mean() const final;
    Extended Variance() const final;
    Extended Random_value() const final;

    Extended Generator_constant_1() const { return aux_1; }
    Extended Generator_constant_2() const { return aux_2; }

protected:
    // Cached by Set_parameters.
    Extended shape = 1;
    Extended rate = 1;
    Extended log_norm = 0;  // log of the density's normalising factor
    // Random generator constants: for shape > 1 the ends of the v-range of
    // the ratio-of-uniforms region; for shape < 1 (e + a) / e and 1 / a.
    Extended aux_1 = 0;
    Extended aux_2 = 0;

private:
    // Variates of the gamma with this shape and rate 1.
    Extended Exponential_variate() const;
    Extended Large_shape_variate() const;
    Extended Small_shape_variate() const;
};

}  // namespace distrib
