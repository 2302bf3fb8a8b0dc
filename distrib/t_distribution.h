// Student's t distribution with df > 0 degrees of freedom (df need not be
// whole); the central case of the noncentral t, which owns one.
#pragma once

#include <memory>

#include "distrib/distribution.h"
#include "distrib/gamma_distribution.h"
#include "distrib/normal_distribution.h"

namespace distrib {

class tT_distribution : public tContinuous_distribution {
public:
    explicit tT_distribution(Extended df);

    bool Set_parameters(Extended p1, Extended p2, Extended p3) override;
    Extended Density(Extended x) const override;
    Extended Cumulative(Extended x) const override;
    bool Has_mean() const override;
    bool Has_variance() const override;
    Extended Mean() const override;
    Extended Variance() const override;
    Extended Random_value() const override;

private:
    Extended df = 0;
    // Logarithm of the density's normalising factor.
    Extended log_norm = 0;
    // df >= 1: half-width of the v-range of the ratio-of-uniforms region;
    // df < 1: the scale sqrt(df / 2) of the normal-over-gamma generator.
    Extended ratio_bound = 0;
    std::unique_ptr<tNormal_distribution> unit_normal;
    // Shape df / 2, rate 1; only the df < 1 generator draws from it.
    std::unique_ptr<tGamma_distribution> gamma_half_df;
};

}  // namespace distrib
