// The common interface of the distribution objects: thirteen dynamically
// dispatched operations, the parameter records and their checks, and the
// generic bodies that concrete distributions inherit.
#pragma once

#include <cstdint>

#include "distrib/kernels.h"

namespace distrib {

struct Distribution_parameter {
    Extended value = 0;
    bool whole_only = false;
    Extended lower_bound = 0;  // the value must be greater than it
    Extended upper_bound = 0;  // the value must be less than it
};

class tDistribution {
public:
    virtual ~tDistribution() = default;
    tDistribution(const tDistribution&) = delete;
    tDistribution& operator=(const tDistribution&) = delete;

    virtual bool Set_parameters(Extended p1, Extended p2, Extended p3);
    virtual bool In_support(Extended x) const;
    virtual Extended Density(Extended x) const;
    virtual Extended Point_probability(Extended x) const;
    virtual Extended Cumulative(Extended x) const;
    virtual Extended Interval_probability(Extended from, Extended to) const;
    virtual Extended Quantile(const Extended& p) const = 0;
    virtual bool Has_mean() const;
    virtual bool Has_variance() const;
    virtual Extended Mean() const = 0;
    virtual Extended Variance() const = 0;
    virtual Extended Std_deviation() const;
    virtual Extended Random_value() const;

    Extended support_lower_bound() const { return support_lower; }
    Extended support_upper_bound() const { return support_upper; }

protected:
    tDistribution() = default;
    // Records are numbered from 1, as the message numbers are.
    Distribution_parameter& parameter(int i) { return parameters[i - 1]; }
    const Distribution_parameter& parameter(int i) const { return parameters[i - 1]; }

    std::uint8_t parameter_count = 0;
    Distribution_parameter parameters[3];
    Extended support_lower = -Big_limit;
    Extended support_upper = Big_limit;
};

class tContinuous_distribution : public tDistribution {
public:
    // Bracket, then safeguarded tangent steps on Cumulative with Density.
    Extended Quantile(const Extended& p) const override;

protected:
    tContinuous_distribution() = default;
};

}  // namespace distrib
