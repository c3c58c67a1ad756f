#include "testsupport.h"

#include "effects/bandmatrix.h"
#include "effects/cubicspline.h"

class CubicSplineTest : public QObject
{
    Q_OBJECT
private slots:
    void naturalCubicThroughFourKnots()
    {
        CubicSpline spline;
        spline.setBoundary(0.0, 0.0);
        QVERIFY(spline.setPoints({0, 1, 3, 4}, {0, 2, 1, 3}, CubicSpline::Cubic));
        QCOMPARE(spline.evaluate(0.5), 1.234375);
        QCOMPARE(spline.evaluate(2.0), 1.5);
        QCOMPARE(spline.evaluate(3.5), 1.765625);
        // Beyond the ends the natural spline runs on along its end slopes.
        QCOMPARE(spline.evaluate(-1.0), -2.625);
        QCOMPARE(spline.evaluate(5.0), 5.625);
        // Knots are hit exactly.
        QCOMPARE(spline.evaluate(0.0), 0.0);
        QCOMPARE(spline.evaluate(1.0), 2.0);
        QCOMPARE(spline.evaluate(3.0), 1.0);
        QCOMPARE(spline.evaluate(4.0), 3.0);
    }

    void cubicThroughCollinearPointsIsTheLine()
    {
        CubicSpline spline;
        QVERIFY(spline.setPoints({-2, 1, 7}, {-3, 3, 15}, CubicSpline::Cubic));
        for (double x : {-50.0, -2.0, 0.0, 4.5, 7.0, 100.0})
            QVERIFY(qFuzzyCompare(spline.evaluate(x) + 1000.0, 2.0 * x + 1.0 + 1000.0));
    }

    void twoPointsAreAStraightLine()
    {
        CubicSpline spline;
        QVERIFY(spline.setPoints({100, 200}, {1, 3}, CubicSpline::Cubic));
        QCOMPARE(spline.evaluate(150), 2.0);
        QCOMPARE(spline.evaluate(0), -1.0);
        QCOMPARE(spline.evaluate(300), 5.0);
    }

    void linearModeFollowsTheSegments()
    {
        CubicSpline spline;
        QVERIFY(spline.setPoints({-48, -30, 0}, {-48, -30, -22.5}, CubicSpline::Linear));
        QCOMPARE(spline.evaluate(-60), -60.0);
        QCOMPARE(spline.evaluate(10), -20.0);
        QCOMPARE(spline.evaluate(-30), -30.0);
        QCOMPARE(spline.evaluate(-15), -26.25);
    }

    void refusesKnotsItCannotUse_data()
    {
        QTest::addColumn<QList<double>>("x");
        QTest::addColumn<QList<double>>("y");
        QTest::newRow("empty") << QList<double>{} << QList<double>{};
        QTest::newRow("one point") << QList<double>{1} << QList<double>{1};
        QTest::newRow("unequal lengths") << QList<double>{1, 2, 3} << QList<double>{1, 2};
        QTest::newRow("repeated x") << QList<double>{1, 2, 2, 3} << QList<double>{1, 2, 3, 4};
        QTest::newRow("descending x") << QList<double>{3, 2, 1} << QList<double>{1, 2, 3};
        QTest::newRow("nan x") << QList<double>{1, qQNaN(), 3} << QList<double>{1, 2, 3};
        QTest::newRow("infinite x") << QList<double>{1, 2, qInf()} << QList<double>{1, 2, 3};
    }

    void refusesKnotsItCannotUse()
    {
        QFETCH(QList<double>, x);
        QFETCH(QList<double>, y);
        for (int mode : {int(CubicSpline::Linear), int(CubicSpline::Cubic)}) {
            CubicSpline spline;
            QVERIFY(spline.setPoints({0, 1}, {5, 5}, mode));
            QVERIFY(!spline.setPoints(x, y, mode));
            // The earlier knots stay in force.
            QCOMPARE(spline.evaluate(0.5), 5.0);
        }
        CubicSpline empty;
        QVERIFY(!empty.isValid());
        QCOMPARE(empty.evaluate(1.0), 0.0);
    }

    void bandMatrixSolvesTridiagonalSystem()
    {
        // [4 1 0; 1 4 1; 0 1 4] x = [5 6 5] has the solution (1, 1, 1).
        BandMatrix a(3, 1, 1);
        for (int i = 0; i < 3; ++i)
            a(i, i) = 4.0;
        a(0, 1) = a(1, 0) = a(1, 2) = a(2, 1) = 1.0;
        const QList<double> x = a.luSolve({5, 6, 5});
        QCOMPARE(x.size(), 3);
        for (double v : x)
            QVERIFY(qFuzzyCompare(v, 1.0));
        QCOMPARE(a.savedDiag(0), 0.25);
        // Decomposed once, the factors solve a second right-hand side.
        const QList<double> y = a.luSolve({4, 1, 0}, true);
        QVERIFY(qFuzzyCompare(y[0] + 10.0, 1.0 + 10.0));
        QVERIFY(qFuzzyIsNull(y[1]));
        QVERIFY(qFuzzyIsNull(y[2]));
    }
};

K93_TEST(CubicSplineTest)
#include "cubicsplinetest.moc"
