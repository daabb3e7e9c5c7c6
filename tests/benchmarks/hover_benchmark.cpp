// Mouse moves over the exercise window's background: every move runs the general reset, which
// must repaint nothing once everything already shows its normal look.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

#include "form14.h"

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

Form14* window = nullptr;

void settle(Form14& form)
{
    QTest::mouseMove(form.windowHandle(), {600, 70});
    QApplication::processEvents();
}

// A move as the pointer delivers it: through the native window, Qt's routing and the handler.
void MoveOverBackground(benchmark::State& state)
{
    settle(*window);
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    int x = 0;
    for (auto _ : state) {
        QTest::mouseMove(window->windowHandle(), {600 + (x++ & 7), 70});
    }
    QApplication::processEvents();
    qApp->removeEventFilter(&counter);
    state.counters["paints"] = counter.paints;
    if (counter.paints != 0)
        state.SkipWithError("a mouse move over the background repainted something");
}
BENCHMARK(MoveOverBackground)->Iterations(10000)->Repetitions(9)->ReportAggregatesOnly(true);

// The same move handed straight to the window's handler, without the platform's routing.
void MoveEventToWindow(benchmark::State& state)
{
    settle(*window);
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    int x = 0;
    for (auto _ : state) {
        const QPointF at(600 + (x++ & 7), 70);
        QMouseEvent move(QEvent::MouseMove, at, window->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window, &move);
    }
    QApplication::processEvents();
    qApp->removeEventFilter(&counter);
    state.counters["paints"] = counter.paints;
    if (counter.paints != 0)
        state.SkipWithError("a mouse move over the background repainted something");
}
BENCHMARK(MoveEventToWindow)->Iterations(10000)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    Form14 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    window = &form;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
