#include "effects/cubicspline.h"

#include "effects/bandmatrix.h"

#include <algorithm>
#include <cmath>

void CubicSpline::setBoundary(double leftSecondDerivative, double rightSecondDerivative)
{
    mLeftValue = leftSecondDerivative;
    mRightValue = rightSecondDerivative;
}

bool CubicSpline::setPoints(const QList<double>& x, const QList<double>& y, int mode)
{
    const qsizetype n = x.size();
    if (n < 2 || y.size() != n || (mode != Linear && mode != Cubic))
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]))
            return false;
        if (i > 0 && !(x[i] > x[i - 1]))
            return false;
    }

    mMode = mode;
    mX = x;
    mY = y;
    mB = QList<double>(n, 0.0);
    mC = QList<double>(n, 0.0);
    mD = QList<double>(n, 0.0);

    if (mode == Linear) {
        for (qsizetype i = 0; i < n - 1; ++i)
            mB[i] = (mY[i + 1] - mY[i]) / (mX[i + 1] - mX[i]);
        mB[n - 1] = mB[n - 2];
    } else {
        const int dim = int(n);
        BandMatrix a(dim, 1, 1);
        QList<double> rhs(dim, 0.0);
        for (int i = 1; i < dim - 1; ++i) {
            a(i, i - 1) = (mX[i] - mX[i - 1]) / 3.0;
            a(i, i) = 2.0 * (mX[i + 1] - mX[i - 1]) / 3.0;
            a(i, i + 1) = (mX[i + 1] - mX[i]) / 3.0;
            rhs[i] = (mY[i + 1] - mY[i]) / (mX[i + 1] - mX[i]) - (mY[i] - mY[i - 1]) / (mX[i] - mX[i - 1]);
        }
        // c holds half the second derivative, hence the factor 2 on the ends.
        a(0, 0) = 2.0;
        a(0, 1) = 0.0;
        rhs[0] = mLeftValue;
        a(dim - 1, dim - 1) = 2.0;
        a(dim - 1, dim - 2) = 0.0;
        rhs[dim - 1] = mRightValue;

        mC = a.luSolve(rhs);
        for (int i = 0; i < dim - 1; ++i) {
            const double h = mX[i + 1] - mX[i];
            mD[i] = (mC[i + 1] - mC[i]) / (3.0 * h);
            mB[i] = (mY[i + 1] - mY[i]) / h - (2.0 * mC[i] + mC[i + 1]) * h / 3.0;
        }
        const double h = mX[dim - 1] - mX[dim - 2];
        mD[dim - 1] = 0.0;
        mB[dim - 1] = 3.0 * mD[dim - 2] * h * h + 2.0 * mC[dim - 2] * h + mB[dim - 2];
    }
    mC0 = mC[0];
    return true;
}

double CubicSpline::evaluate(double x) const
{
    const qsizetype n = mX.size();
    if (n == 0)
        return 0.0;
    const auto upper = std::upper_bound(mX.cbegin(), mX.cend(), x);
    const qsizetype k = std::max<qsizetype>(0, (upper - mX.cbegin()) - 1);
    const double h = x - mX[k];
    if (x < mX[0])
        return (mC0 * h + mB[0]) * h + mY[0];
    if (x > mX[n - 1])
        return (mC[n - 1] * h + mB[n - 1]) * h + mY[n - 1];
    return ((mD[k] * h + mC[k]) * h + mB[k]) * h + mY[k];
}
