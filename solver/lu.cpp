#include "solver/lu.h"

#include <cmath>

void DecomposeLU(const double* a, int n, double* lu, int* exchange, double* scale, int& singular)
{
    singular = 0;

    for (int i = 0; i < n; ++i) {
        double largest = 0.0;
        for (int j = 0; j < n; ++j) {
            const double value = a[i * n + j];
            lu[i * n + j] = value;
            if (std::fabs(value) > largest)
                largest = std::fabs(value);
        }
        if (largest == 0.0) {
            singular = 1;
            return;
        }
        scale[i] = 1.0 / largest;
    }

    for (int j = 0; j < n; ++j) {
        // Upper factor above the diagonal.
        for (int i = 0; i < j; ++i) {
            double& element = lu[i * n + j];
            for (int k = 0; k < i; ++k)
                element -= lu[i * n + k] * lu[k * n + j];
        }

        // The diagonal and below, choosing the pivot as we go.
        double best = 0.0;
        int pivot = j;
        for (int i = j; i < n; ++i) {
            double& element = lu[i * n + j];
            for (int k = 0; k < j; ++k)
                element -= lu[i * n + k] * lu[k * n + j];
            const double candidate = scale[i] * std::fabs(element);
            if (candidate > best) {
                best = candidate;
                pivot = i;
            }
        }

        const long double order = static_cast<long double>(n);
        if (order + static_cast<long double>(best) == order) {
            singular = 1;
            return;
        }

        if (pivot != j) {
            for (int k = 0; k < n; ++k) {
                const double t = lu[pivot * n + k];
                lu[pivot * n + k] = lu[j * n + k];
                lu[j * n + k] = t;
            }
            scale[pivot] = scale[j];
        }
        exchange[j] = pivot;

        const double diagonal = lu[j * n + j];
        for (int i = j + 1; i < n; ++i)
            lu[i * n + j] /= diagonal;
    }
}

void SolveLU(const double* lu, const int* exchange, int n, const double* b, double* x)
{
    for (int i = 0; i < n; ++i)
        x[i] = b[i];

    int first = -1;
    for (int i = 0; i < n; ++i) {
        const int p = exchange[i];
        double sum = x[p];
        x[p] = x[i];
        if (first >= 0) {
            for (int k = first; k < i; ++k)
                sum -= lu[i * n + k] * x[k];
        } else if (sum != 0.0) {
            first = i;
        }
        x[i] = sum;
    }

    for (int i = n - 1; i >= 0; --i) {
        double sum = x[i];
        for (int k = i + 1; k < n; ++k)
            sum -= lu[i * n + k] * x[k];
        x[i] = sum / lu[i * n + i];
    }
}

bool allFinite(const double* values, int n)
{
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(values[i]))
            return false;
    return true;
}
