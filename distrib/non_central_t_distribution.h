// The noncentral t distribution: the law of (Z + delta) / sqrt(V / df) with
// Z standard normal and V chi-square with df degrees of freedom.
#pragma once

#include <memory>

#include "distrib/distribution.h"
#include "distrib/t_distribution.h"

namespace distrib {

class tNon_central_t_distribution : public tContinuous_distribution {
public:
    // The series index runs near delta^2 / 2 and must stay a 32-bit integer,
    // so |delta| must stay below this (exclusive) bound.
    static constexpr Extended Noncentrality_limit = 65536;

    tNon_central_t_distribution(Extended df, Extended delta);

    bool Set_parameters(Extended p1, Extended p2, Extended p3) override;
    Extended Density(Extended t) const override;
    Extended Cumulative(Extended t) const override;
    bool Has_mean() const override;
    bool Has_variance() const override;
    Extended Mean() const override;
    Extended Variance() const override;

private:
    Extended df = 0;
    Extended delta = 0;
    std::unique_ptr<tT_distribution> central_t;
};

}  // namespace distrib
