// Small dense matrices in extended precision, numbered from 1, and the
// in-place sort of the Monte Carlo samples.
//
// The matrix routines are templates over the storage capacity so that the
// Monte Carlo loop can run the very same code on 2 x 2 storage (no copies of
// 20 x 20 blocks per sample) and still round exactly as on SmallMatrix.
// Matrix inputs are taken by value, so an output may be the same object as
// an input.
#pragma once

#include <cmath>
#include <memory>
#include <utility>

#include "distrib/checked_arithmetic.h"

namespace engines {

template <int Capacity>
struct SquareMatrix {
    static_assert(Capacity >= 1);
    long double entries[Capacity][Capacity];

    long double& operator()(int row, int column) { return entries[row - 1][column - 1]; }
    const long double& operator()(int row, int column) const
    {
        return entries[row - 1][column - 1];
    }
};

using SmallMatrix = SquareMatrix<20>;

// An inversion looks for a pivot of at least this magnitude first.
inline constexpr long double PivotThreshold = 1e-10L;

template <int Capacity>
void ZeroMatrix(SquareMatrix<Capacity>& m)
{
    for (auto& row : m.entries)
        for (auto& entry : row) entry = 0;
}

// C = A B on the leading n x n block; the rest of C is left alone.
template <int Capacity>
void MultiplyMatrix(SquareMatrix<Capacity> a, SquareMatrix<Capacity> b, int n,
                    SquareMatrix<Capacity>& c)
{
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            long double sum = 0;
            for (int k = 1; k <= n; ++k) sum += a(i, k) * b(k, j);
            c(i, j) = sum;
        }
}

template <int Capacity>
void TransposeMatrix(SquareMatrix<Capacity> a, int n, SquareMatrix<Capacity>& t)
{
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) t(j, i) = a(i, j);
}

// The pivot row of column k among rows k..n, or 0 when the column is zero
// there. The first row whose entry reaches PivotThreshold wins. Only when
// none does is the threshold taken relative to the column's largest entry:
// an absolute test alone would refuse every matrix of data measured in very
// large units (and accept ill-scaled ones in very small units), so results
// would depend on the units. Every column that has an absolute pivot keeps
// the row the absolute test picks.
template <int Capacity>
int EliminationPivotRow(const SquareMatrix<Capacity>& w, int k, int n)
{
    long double largest = 0;
    for (int r = k; r <= n; ++r) {
        const long double size = std::fabs(w(r, k));
        if (size >= PivotThreshold) return r;
        if (size > largest) largest = size;
    }
    if (!(largest > 0)) return 0;
    for (int r = k; r <= n; ++r)
        if (std::fabs(w(r, k)) >= PivotThreshold * largest) return r;
    return 0;
}

// R = inverse of A on the n x n block by elimination above and below each
// pivot in turn, with the first acceptable pivot. R is cleared whole first. A column without a pivot
// ends the elimination silently, leaving R partly reduced.
template <int Capacity>
void InvertMatrix(SquareMatrix<Capacity> a, int n, SquareMatrix<Capacity>& r)
{
    SquareMatrix<Capacity>& w = a;
    ZeroMatrix(r);
    for (int i = 1; i <= n; ++i) r(i, i) = 1;
    for (int k = 1; k <= n; ++k) {
        const int pivotRow = EliminationPivotRow(w, k, n);
        if (pivotRow == 0) return;
        for (int c = 1; c <= n; ++c) {
            std::swap(w(k, c), w(pivotRow, c));
            std::swap(r(k, c), r(pivotRow, c));
        }
        const long double f = distrib::Checked_divide(1, w(k, k));
        for (int c = 1; c <= n; ++c) {
            w(k, c) *= f;
            r(k, c) *= f;
        }
        for (int j = 1; j <= n; ++j) {
            if (j == k) continue;
            const long double g = -w(j, k);
            for (int c = 1; c <= n; ++c) {
                w(j, c) += g * w(k, c);
                r(j, c) += g * r(k, c);
            }
        }
    }
}

// The 2 x 2 product C = A B formed entry by entry exactly as MultiplyMatrix
// forms it (each sum starts from zero and adds its two terms in order), on
// entries the compiler can keep in registers instead of copied matrices.
inline SquareMatrix<2> MultiplyMatrix2x2(const SquareMatrix<2>& a, const SquareMatrix<2>& b)
{
    SquareMatrix<2> c;
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j) {
            long double sum = 0;
            sum += a(i, 1) * b(1, j);
            sum += a(i, 2) * b(2, j);
            c(i, j) = sum;
        }
    return c;
}

// InvertMatrix(a, 2, r) with the elimination written out for the usual case
// of two diagonal pivots of at least PivotThreshold: the same operations in
// the same order, without the swaps of a row with itself, the loops and the
// copies. Any other matrix goes through InvertMatrix itself.
inline void InvertMatrix2x2(const SquareMatrix<2>& a, SquareMatrix<2>& r)
{
    const long double w11 = a(1, 1);
    if (!(std::fabs(w11) >= PivotThreshold)) return InvertMatrix(a, 2, r);
    // Column 1: scale row 1, then take row 1 from row 2.
    const long double f1 = distrib::Checked_divide(1, w11);
    const long double w12 = a(1, 2) * f1;
    long double r11 = 1 * f1;
    long double r12 = 0 * f1;
    const long double g1 = -a(2, 1);
    long double r21 = 0 + g1 * r11;
    const long double w22 = a(2, 2) + g1 * w12;
    long double r22 = 1 + g1 * r12;
    if (!(std::fabs(w22) >= PivotThreshold)) return InvertMatrix(a, 2, r);
    // Column 2: scale row 2, then take row 2 from row 1.
    const long double f2 = distrib::Checked_divide(1, w22);
    r21 *= f2;
    r22 *= f2;
    const long double g2 = -w12;
    r11 += g2 * r21;
    r12 += g2 * r22;
    r(1, 1) = r11;
    r(1, 2) = r12;
    r(2, 1) = r21;
    r(2, 2) = r22;
}

// Lower-triangular L with L L' = A on the 2 x 2 block; reads A(1,1), A(2,1)
// and A(2,2) and writes only the 2 x 2 block of L.
template <int Capacity>
void Cholesky2x2(SquareMatrix<Capacity> a, SquareMatrix<Capacity>& l)
{
    static_assert(Capacity >= 2);
    l(1, 1) = distrib::Checked_sqrt(a(1, 1));
    l(1, 2) = 0;
    l(2, 1) = distrib::Checked_divide(a(2, 1), l(1, 1));
    l(2, 2) = distrib::Checked_sqrt(a(2, 2) - l(2, 1) * l(2, 1));
}

inline constexpr int SampleArrayCapacity = 1000000;

// Doubles numbered 1..SampleArrayCapacity, kept on the heap.
class SampleArray {
public:
    SampleArray() : values(new double[SampleArrayCapacity]) {}

    double& operator()(int index) { return values[index - 1]; }
    const double& operator()(int index) const { return values[index - 1]; }

private:
    std::unique_ptr<double[]> values;
};

// Places array(hi) at its final position within lo..hi (lo < hi), smaller
// or equal values before it and greater or equal ones after it, and returns
// that position. Equal values stop both scans and are exchanged, so runs of
// equal values split near their middle.
int PartitionDoubles(int lo, int hi, SampleArray& array);

// Sorts array(lo..hi) ascending in place; nothing happens when lo >= hi.
// Recursion only goes into the smaller part, so its depth stays below
// log2 of the count whatever the data.
void QuickSortDoubles(int lo, int hi, SampleArray& array);

}  // namespace engines
