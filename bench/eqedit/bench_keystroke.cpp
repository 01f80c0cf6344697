// A character typed at the end of a 60-character formula, with the repaint of
// the control into a pixmap.  The character is taken back with Backspace, and
// the control repainted, outside the timed part, so every round types into the
// same formula shown as it was before the keystroke.
//
// Beside it, Qt's own floor: the same 60 characters painted in the control's
// font from one QStaticText laid out once, by a plain widget of the control's
// size rendered into a pixmap the same way.  The keystroke is reported as a
// ratio to that floor.
#include "eqedit/eqlayout.h"
#include "eqedit/teqedit.h"
#include "../ratios.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QStaticText>
#include <QWidget>
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
        w.render(&target);
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

// Qt's floor: a plain widget of the control's size whose paint draws the
// formula's 60 characters from one QStaticText laid out once, in the control's
// font, rendered into a pixmap as the control is.
class StaticTextWidget : public QWidget {
public:
    StaticTextWidget(const QString& text, const QFont& font, QSize size)
        : m_text(text), m_font(font)
    {
        m_text.setTextFormat(Qt::PlainText);
        m_text.setPerformanceHint(QStaticText::AggressiveCaching);
        m_text.prepare(QTransform(), m_font);
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(size);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setFont(m_font);
        p.drawStaticText(QPoint(2, 2), m_text);
    }

private:
    QStaticText m_text;
    QFont m_font;
};

void BM_QtStaticText(benchmark::State& state)
{
    const TEqEdit control;
    const FontEqMetrics metrics(control.font());
    StaticTextWidget w(kFormula, metrics.font(false), control.size());
    QPixmap target(w.size());
    for (auto _ : state)
        w.render(&target);
    state.counters["formula_length"] = double(kFormula.size());
}
BENCHMARK(BM_QtStaticText)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios({{"keystroke with repaint / Qt painting the same 60 characters from a QStaticText",
                           "BM_KeystrokeWithRepaint", "BM_QtStaticText", "0.65\u00d7"}});
    benchmark::Shutdown();
    return 0;
}
