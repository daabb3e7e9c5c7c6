// Mouse moves over the exercise window's background: every move runs the general reset, which
// must repaint nothing once everything already shows its normal look.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

#include "ui/exercise/exercise_window.h"

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest)
            ++paints;
        return false;
    }
};

ExerciseWindow* window = nullptr;
bool repainted = false;  // a move repainted something: the run fails

void settle(ExerciseWindow& form)
{
    QTest::mouseMove(form.windowHandle(), {600, 70});
    QApplication::processEvents();
}

// Delivers 10,000 moves over the background after the first, counting what repaints.
template <typename Move>
void moveOverBackground(benchmark::State& state, Move move)
{
    settle(*window);
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    int x = 0;
    for (auto _ : state)
        move(QPoint(600 + (x++ & 7), 70));
    QApplication::processEvents();
    qApp->removeEventFilter(&counter);
    state.counters["paints"] = counter.paints;
    if (counter.paints != 0) {
        repainted = true;
        state.SkipWithError("a mouse move over the background repainted something");
    }
}

// A move as the pointer delivers it: through the native window, Qt's routing and the handler.
void MoveOverBackground(benchmark::State& state)
{
    moveOverBackground(state, [](QPoint at) { QTest::mouseMove(window->windowHandle(), at); });
}
BENCHMARK(MoveOverBackground)->Iterations(10000)->Repetitions(9)->ReportAggregatesOnly(true);

// The same move handed straight to the window, without the platform's routing.
void MoveEventToWindow(benchmark::State& state)
{
    moveOverBackground(state, [](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, window->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window, &move);
    });
}
BENCHMARK(MoveEventToWindow)->Iterations(10000)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    ExerciseWindow form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    window = &form;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return repainted ? 1 : 0;
}
