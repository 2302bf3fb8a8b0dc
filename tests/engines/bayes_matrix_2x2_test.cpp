// The written-out 2 x 2 product and inverse of the Monte Carlo loop against
// the general routines, bit for bit, on the usual path and on every path that
// hands over to InvertMatrix.
#include "engines/matrix_handling.h"

#include <cstring>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

namespace engines {
namespace {

struct MatrixCase {
    const char* name;
    long double a11, a12, a21, a22;
};

void PrintTo(const MatrixCase& c, std::ostream* out) { *out << c.name; }

SquareMatrix<2> MakeMatrix(const MatrixCase& c)
{
    SquareMatrix<2> m;
    m(1, 1) = c.a11;
    m(1, 2) = c.a12;
    m(2, 1) = c.a21;
    m(2, 2) = c.a22;
    return m;
}

bool SameBits(const SquareMatrix<2>& a, const SquareMatrix<2>& b)
{
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j)
            if (std::memcmp(&a(i, j), &b(i, j), 10) != 0) return false;
    return true;
}

const MatrixCase MatrixCases[] = {
    {"Covariance", 225, 90, 90, 100},
    {"PrecisionScale", 4.9e-3L, -2.7e-3L, -2.7e-3L, 1.1e-2L},
    {"NegativeZerosOffDiagonal", 3, -0.0L, -0.0L, 5},
    {"FirstPivotSmallRowsSwap", 1e-12L, 2, 3, 4},
    {"SecondPivotSmall", 1, 2, 2, 4 + 1e-11L},
    {"SingularStopsSilently", 1, 2, 2, 4},
    {"ZeroMatrix", 0, 0, 0, 0},
    {"LargeUnits", 2.5e12L, 1e12L, 1e12L, 3e12L},
};

class Matrix2x2Routines : public testing::TestWithParam<MatrixCase> {};

TEST_P(Matrix2x2Routines, InverseAsInvertMatrix)
{
    const SquareMatrix<2> a = MakeMatrix(GetParam());
    SquareMatrix<2> general, written;
    InvertMatrix(a, 2, general);
    InvertMatrix2x2(a, written);
    EXPECT_TRUE(SameBits(written, general));
}

TEST_P(Matrix2x2Routines, ProductsAsMultiplyMatrix)
{
    const SquareMatrix<2> a = MakeMatrix(GetParam());
    for (const MatrixCase& other : MatrixCases) {
        const SquareMatrix<2> b = MakeMatrix(other);
        SquareMatrix<2> general;
        MultiplyMatrix(a, b, 2, general);
        EXPECT_TRUE(SameBits(MultiplyMatrix2x2(a, b), general)) << other.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Matrices, Matrix2x2Routines, testing::ValuesIn(MatrixCases),
                         [](const testing::TestParamInfo<MatrixCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace engines
