#include "distrib/chi_square_distribution.h"

namespace distrib {

// The gamma's constructor sets shape df / 2 and rate 1/2; the chi-square's
// own Set_parameters then records df as well.
tChi_square_distribution::tChi_square_distribution(Extended df_value)
    : tGamma_distribution(df_value / 2, 0.5L)
{
    Set_parameters(df_value, 0, 0);
}

bool tChi_square_distribution::Set_parameters(Extended p1, Extended, Extended)
{
    const bool valid = tGamma_distribution::Set_parameters(p1 / 2, 0.5L, 0);
    df = p1;
    return valid;
}

}  // namespace distrib
