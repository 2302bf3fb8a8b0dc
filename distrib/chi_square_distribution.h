// Chi-square distribution: the gamma with shape df / 2 and rate 1/2.
#pragma once

#include "distrib/gamma_distribution.h"

namespace distrib {

class tChi_square_distribution final : public tGamma_distribution {
public:
    explicit tChi_square_distribution(Extended df);

    // Reads p1 as the degrees of freedom; p2 and p3 are ignored.
    bool Set_parameters(Extended p1, Extended p2, Extended p3) override;

    Extended Degrees_of_freedom() const { return df; }

private:
    Extended df = 0;
};

}  // namespace distrib
