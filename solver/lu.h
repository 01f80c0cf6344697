#pragma once
// LU factorisation of a square matrix with implicit (row-scaled) partial
// pivoting, and the solution of A x = b from the factors.
//
// Matrices are n x n arrays of doubles stored row after row: element (i, j)
// is at index i * n + j, indices from 0.  Every array is owned by the caller;
// nothing here allocates, and neither n nor the array sizes are checked.
//
// DecomposeLU factors A (only read) into lu by Gaussian elimination in
// Crout's order.  Each row i gets the scale 1 / max_j |A(i, j)|; the pivot of
// column j is the row i >= j with the largest scale[i] * |LU(i, j)|, the upper
// row winning a tie.  Rows p and j are exchanged whole when p != j, and
// exchange[j] records p (j itself when nothing moved).  Afterwards lu holds
// the unit lower factor's multipliers below the diagonal and the upper factor
// on and above it, both in the exchanged row order.
//
// The matrix is reported singular (singular := 1, the other outputs then
// incomplete and unusable) when a row of A is entirely zero, or when the best
// scaled pivot of a column is negligible against the order: n + best == n
// evaluated in extended precision (long double), which covers an exactly zero
// column residue as well.  No pivot is ever replaced by a tiny value.
//
// SolveLU solves A x = b for one right-hand side from the factors of a
// successful DecomposeLU: it copies b into x (b is only read), applies the
// recorded exchanges during a forward substitution that skips the leading
// zeros of the permuted right-hand side, then substitutes backwards.

// lu: n * n, exchange: n, scale: n (work), singular: 0 or 1.
void DecomposeLU(const double* a, int n, double* lu, int* exchange, double* scale, int& singular);

// lu and exchange from DecomposeLU with singular == 0; b and x: n each.
void SolveLU(const double* lu, const int* exchange, int n, const double* b, double* x);

// True when none of the n values is an infinity or a not-a-number.
bool allFinite(const double* values, int n);
