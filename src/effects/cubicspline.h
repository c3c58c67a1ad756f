#pragma once

#include <QList>

// Piecewise polynomial through given knots: straight segments (Linear) or a
// twice continuously differentiable cubic (Cubic) with prescribed second
// derivatives at both ends. Outside the knots it continues along the end
// slopes (with the end curvature term for the cubic).
class CubicSpline
{
public:
    enum Mode { Linear = 10, Cubic = 30 };

    CubicSpline() = default;

    // Second derivative prescribed at the left and right end (cubic mode).
    void setBoundary(double leftSecondDerivative, double rightSecondDerivative);

    // Refuses (returns false and keeps the previous state) fewer than two
    // points, lists of unequal length, non-finite x or x not strictly ascending.
    bool setPoints(const QList<double>& x, const QList<double>& y, int mode = Cubic);

    double evaluate(double x) const;
    double operator()(double x) const { return evaluate(x); }

    bool isValid() const { return !mX.isEmpty(); }
    int mode() const { return mMode; }

private:
    QList<double> mX;
    QList<double> mY;
    QList<double> mB;
    QList<double> mC;
    QList<double> mD;
    double mC0 = 0.0;
    int mMode = Cubic;
    double mLeftValue = 0.0;
    double mRightValue = 0.0;
};
