// Demo page of the chart: the compressor's transfer curve and an equaliser
// response with its band curves.
#include "demopage.h"

#include "widgets/chart.h"

#include <QColor>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

namespace {

QWidget* compressor()
{
    auto* chart = new Chart;
    chart->setCompressorStyle();
    chart->addLineSeries("Green", QColor(67, 207, 124), 2.0, Qt::SolidLine)
        .addLineSeries("Red", QColor(67, 207, 124), 2.0, Qt::SolidLine)
        .addLineSeries("Gray", QColor(142, 142, 142), 2.0, Qt::SolidLine)
        .addHandle("CompressorS1M1Default", {-24, -24}, ":/Icon/CompressHandle.png")
        .addHandle("CompressorS1M1Default1", {-24, -24}, ":/Icon/CompressHandle1.png")
        .setHandleLock("CompressorS1M1Default", true)
        .setHandleLock("CompressorS1M1Default1", true)
        .setHandleVisible("CompressorS1M1Default1", false);

    // Threshold -30 dB, ratio 3:1, make-up 6 dB, input at -12 dB.
    auto out = [](double in) { return (in < -30 ? in : -30 + (in + 30) / 3) + 6; };
    const double input = -12;
    QList<QPointF> green, gray;
    for (double in = -48; in <= 0.01; in += 1) {
        const QPointF p(in, std::min(0.0, out(in)));
        if (in <= input)
            green << p;
        if (in >= input)
            gray << p;
    }
    chart->setLineSeriesData("Green", green).setLineSeriesData("Gray", gray);
    chart->setHandlePosition("CompressorS1M1Default", {input, out(input)});
    return chart;
}

double bell(double f, double f0, double gain, double q)
{
    const double octaves = std::log2(f / f0);
    return gain * std::exp(-octaves * octaves * q * q * 1.4);
}

QWidget* equalizer()
{
    auto* chart = new Chart;
    chart->setEqualizerStyle();
    struct Band {
        double f0, gain, q;
    };
    const QList<Band> bands {{80, 6, 0.8}, {400, -4, 1.2}, {2500, 3, 1.0}, {9000, -8, 0.7}};
    QList<QPointF> combined;
    QList<QList<QPointF>> curves(bands.size());
    for (int i = 0; i < 300; ++i) {
        const double f = 20 * std::pow(22000.0 / 20, i / 299.0);
        double sum = 0;
        for (int b = 0; b < bands.size(); ++b) {
            const double g = bell(f, bands[b].f0, bands[b].gain, bands[b].q);
            curves[b] << QPointF(f, g);
            sum += g;
        }
        combined << QPointF(f, sum);
    }
    for (int b = 0; b < bands.size(); ++b) {
        const QString name = QString::number(b + 1);
        chart->addSplineSeries(name, QColor::fromHslF(b / 12.0f, 0.5f, 0.5f), 2.0, Qt::DashLine);
        chart->setSplineSeriesData(name, curves[b]);
    }
    chart->addSplineSeries("Combined", QColor(255, 98, 0), 2.0, Qt::SolidLine).setSplineSeriesData("Combined", combined);
    return chart;
}

QWidget* titled(const QString& title, QWidget* body)
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(title);
    label->setStyleSheet("color: rgb(161, 161, 161);");
    layout->addWidget(label);
    layout->addWidget(body, 1);
    return box;
}

QWidget* makePage()
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->setSpacing(20);
    layout->addWidget(titled("Compressor transfer curve", compressor()), 2);
    layout->addWidget(titled("Equaliser response", equalizer()), 3);
    return page;
}

} // namespace

static DemoPage page("Chart", [] { return makePage(); });
