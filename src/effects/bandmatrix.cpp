#include "effects/bandmatrix.h"

#include <algorithm>

BandMatrix::BandMatrix(int dim, int upperBands, int lowerBands)
{
    resize(dim, upperBands, lowerBands);
}

void BandMatrix::resize(int dim, int upperBands, int lowerBands)
{
    Q_ASSERT(dim > 0 && upperBands >= 0 && lowerBands >= 0);
    mUpper = QList<QList<double>>(upperBands + 1, QList<double>(dim, 0.0));
    mLower = QList<QList<double>>(lowerBands + 1, QList<double>(dim, 0.0));
}

double& BandMatrix::operator()(int i, int j)
{
    const int k = j - i;
    Q_ASSERT(i >= 0 && i < dim() && j >= 0 && j < dim());
    Q_ASSERT(-numLower() <= k && k <= numUpper());
    return k >= 0 ? mUpper[k][i] : mLower[-k][i];
}

double BandMatrix::operator()(int i, int j) const
{
    const int k = j - i;
    Q_ASSERT(i >= 0 && i < dim() && j >= 0 && j < dim());
    Q_ASSERT(-numLower() <= k && k <= numUpper());
    return k >= 0 ? mUpper[k][i] : mLower[-k][i];
}

double& BandMatrix::savedDiag(int i)
{
    Q_ASSERT(i >= 0 && i < dim());
    return mLower[0][i];
}

double BandMatrix::savedDiag(int i) const
{
    Q_ASSERT(i >= 0 && i < dim());
    return mLower[0][i];
}

void BandMatrix::luDecompose()
{
    const int n = dim();
    const int u = numUpper();
    const int l = numLower();

    // Scaling each row to a unit diagonal keeps the elimination free of
    // divisions by the diagonal; the factor is kept for the forward pass.
    for (int i = 0; i < n; ++i) {
        Q_ASSERT((*this)(i, i) != 0.0);
        savedDiag(i) = 1.0 / (*this)(i, i);
        const int jMin = std::max(0, i - l);
        const int jMax = std::min(n - 1, i + u);
        for (int j = jMin; j <= jMax; ++j)
            (*this)(i, j) *= savedDiag(i);
        (*this)(i, i) = 1.0;
    }

    for (int k = 0; k < n; ++k) {
        const int iMax = std::min(n - 1, k + l);
        for (int i = k + 1; i <= iMax; ++i) {
            Q_ASSERT((*this)(k, k) != 0.0);
            const double x = -(*this)(i, k) / (*this)(k, k);
            (*this)(i, k) = -x;
            const int jMax = std::min(n - 1, k + u);
            for (int j = k + 1; j <= jMax; ++j)
                (*this)(i, j) = (*this)(i, j) + x * (*this)(k, j);
        }
    }
}

QList<double> BandMatrix::lSolve(const QList<double>& b) const
{
    const int n = dim();
    Q_ASSERT(b.size() == n);
    QList<double> x(n, 0.0);
    const int l = numLower();
    for (int i = 0; i < n; ++i) {
        double sum = 0.0;
        for (int j = std::max(0, i - l); j < i; ++j)
            sum += (*this)(i, j) * x[j];
        x[i] = b[i] * savedDiag(i) - sum;
    }
    return x;
}

QList<double> BandMatrix::rSolve(const QList<double>& b) const
{
    const int n = dim();
    Q_ASSERT(b.size() == n);
    QList<double> x(n, 0.0);
    const int u = numUpper();
    for (int i = n - 1; i >= 0; --i) {
        double sum = 0.0;
        const int jMax = std::min(n - 1, i + u);
        for (int j = i + 1; j <= jMax; ++j)
            sum += (*this)(i, j) * x[j];
        x[i] = (b[i] - sum) / (*this)(i, i);
    }
    return x;
}

QList<double> BandMatrix::luSolve(const QList<double>& b, bool isLuDecomposed)
{
    Q_ASSERT(b.size() == dim());
    if (!isLuDecomposed)
        luDecompose();
    return rSolve(lSolve(b));
}
