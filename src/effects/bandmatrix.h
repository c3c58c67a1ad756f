#pragma once

#include <QList>

// Square band matrix with u bands above and l below the diagonal, solved by LU
// decomposition without pivoting. The first lower vector holds the saved
// reciprocal of each row's diagonal, not matrix elements.
class BandMatrix
{
public:
    BandMatrix() = default;
    BandMatrix(int dim, int upperBands, int lowerBands);

    void resize(int dim, int upperBands, int lowerBands);
    int dim() const { return mUpper.isEmpty() ? 0 : int(mUpper.first().size()); }
    int numUpper() const { return int(mUpper.size()) - 1; }
    int numLower() const { return int(mLower.size()) - 1; }

    double& operator()(int i, int j);
    double operator()(int i, int j) const;
    double& savedDiag(int i);
    double savedDiag(int i) const;

    void luDecompose();
    QList<double> lSolve(const QList<double>& b) const;
    QList<double> rSolve(const QList<double>& b) const;
    QList<double> luSolve(const QList<double>& b, bool isLuDecomposed = false);

private:
    QList<QList<double>> mUpper;
    QList<QList<double>> mLower;
};
