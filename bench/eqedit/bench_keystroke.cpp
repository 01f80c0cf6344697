// A character typed at the end of a 60-character formula, with the repaint of
// the control into a pixmap.  The character is taken back with Backspace
// outside the timed part, so every round types into the same formula.
#include "eqedit/teqedit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

const QString kFormula = QStringLiteral("y = F!1@*cos(~a)-R!A@*sin(~b)+M!B@(F)#2@-4#(-2)@+5#(4-67)@+x");

void sendKey(TEqEdit& w, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&w, &press);
}

void BM_KeystrokeWithRepaint(benchmark::State& state)
{
    TEqEdit w;
    w.SetEquation(kFormula);
    sendKey(w, Qt::Key_End, {});
    QPixmap target(w.size());
    for (auto _ : state) {
        sendKey(w, Qt::Key_A, QStringLiteral("a"));
        w.render(&target);
        state.PauseTiming();
        sendKey(w, Qt::Key_Backspace, QStringLiteral("\b"));
        state.ResumeTiming();
    }
    state.counters["formula_length"] = double(kFormula.size());
}
BENCHMARK(BM_KeystrokeWithRepaint)->Unit(benchmark::kMicrosecond);

void BM_RepaintOnly(benchmark::State& state)
{
    TEqEdit w;
    w.SetEquation(kFormula);
    QPixmap target(w.size());
    for (auto _ : state)
        w.render(&target);
}
BENCHMARK(BM_RepaintOnly)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
