// One update sweep of 40 stereo meters (the Pro layout's worth) with new
// levels, including the repaint, against the 16.7 ms frame of a 60 Hz display.
//   QT_QPA_PLATFORM=offscreen ./volumemeter_bench [sweeps]
#include "widgets/volumemeter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QRandomGenerator>

#include <cstdio>

// Counts the paint events, to show that the sweep really repaints.
class PaintCounter : public QObject
{
public:
    long long paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int sweeps = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;
    constexpr int kMeters = 40;

    QWidget window;
    auto* grid = new QGridLayout(&window);
    QList<VolumeMeterS1M7*> meters;
    for (int i = 0; i < kMeters; ++i) {
        auto* meter = new VolumeMeterS1M7;
        meter->setFixedSize(40, 220);
        grid->addWidget(meter, i / 20, i % 20);
        meters.append(meter);
    }
    window.show();
    QApplication::processEvents();
    PaintCounter counter;
    for (VolumeMeterS1M7* meter : meters)
        meter->installEventFilter(&counter);

    // Levels that move like music: a random walk, with an occasional clip.
    QRandomGenerator random(93);
    QList<int> levels(kMeters * 2, -300);
    auto sweep = [&] {
        for (int i = 0; i < kMeters; ++i) {
            for (int side = 0; side < 2; ++side) {
                int& level = levels[i * 2 + side];
                level = std::clamp(level + int(random.bounded(-40, 41)), -900, 0);
                const int value = random.bounded(1000) == 0 ? 1 : level;
                side == 0 ? meters[i]->setValueLeft(value) : meters[i]->setValueRight(value);
            }
        }
        QApplication::processEvents(); // paints what the sweep invalidated
    };

    for (int i = 0; i < 50; ++i)
        sweep();
    counter.paints = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < sweeps; ++i)
        sweep();
    const double msPerSweep = timer.nsecsElapsed() / 1e6 / sweeps;
    const double paintsPerSweep = double(counter.paints) / sweeps;
    counter.paints = 0;

    // The unchanged case: the same levels again must cost next to nothing.
    timer.restart();
    for (int i = 0; i < sweeps; ++i) {
        for (int m = 0; m < kMeters; ++m)
            meters[m]->setValueLeft(levels[m * 2]).setValueRight(levels[m * 2 + 1]);
        QApplication::processEvents();
    }
    const double msUnchanged = timer.nsecsElapsed() / 1e6 / sweeps;
    const double paintsUnchanged = double(counter.paints) / sweeps;

    std::printf("%d stereo meters, %d sweeps\n", kMeters, sweeps);
    std::printf("changed levels:   %.3f ms per sweep, %.1f meter paints (frame at 60 Hz: 16.7 ms, goal: under 1 ms)\n",
        msPerSweep, paintsPerSweep);
    std::printf("unchanged levels: %.3f ms per sweep, %.1f meter paints\n", msUnchanged, paintsUnchanged);
    return 0;
}
