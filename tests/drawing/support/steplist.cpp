#include "steplist.h"

#include "drawing/primitives.h"

#include <QRegularExpression>
#include <QStringList>
#include <QVector>
#include <optional>
#include <stdexcept>

namespace {

struct Step {
    QString command;
    int penWidth = 0;    // "pen N" after an element, 0 when not given
    QStringList words;   // unquoted words after the command
    QStringList quoted;  // the quoted texts, in order
    QVector<int> numbers;
    QString source;
};

Step parse(const QString& line)
{
    Step step;
    step.source = line;
    QString rest;
    bool inQuote = false;
    QString current;
    for (QChar ch : line) {
        if (ch == QLatin1Char('"')) {
            if (inQuote)
                step.quoted << current;
            current.clear();
            inQuote = !inQuote;
            continue;
        }
        if (inQuote)
            current += ch;
        else
            rest += ch;
    }
    // Notes in brackets without digits, such as "(α)" or "(45°, ...)", are comments.
    static const QRegularExpression note(QStringLiteral("\\([^()]*[^()0-9,\\s][^()]*\\)"));
    rest.remove(note);
    // A pen width given with an element ends its step.
    static const QRegularExpression width(QStringLiteral("^(?!\\s*pen\\b)(.*\\S)\\s+pen (\\d+)\\s*$"));
    if (const auto m = width.match(rest); m.hasMatch()) {
        step.penWidth = m.captured(2).toInt();
        rest = m.captured(1);
    }
    static const QRegularExpression number(QStringLiteral("\\d+"));
    for (auto it = number.globalMatch(rest); it.hasNext();)
        step.numbers << it.next().captured().toInt();
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    for (auto it = word.globalMatch(rest); it.hasNext();)
        step.words << it.next().captured();
    if (!step.words.isEmpty())
        step.command = step.words.takeFirst();
    return step;
}

std::optional<std::uint32_t> colourNamed(const QString& name)
{
    if (name == QLatin1String("black"))
        return 0x000000;
    if (name == QLatin1String("red"))
        return 0x0000FF;
    if (name == QLatin1String("yellow"))
        return 0x00FFFF;
    if (name == QLatin1String("magenta"))
        return 0xFF00FF;
    if (name == QLatin1String("white"))
        return 0xFFFFFF;
    if (name == QLatin1String("gray") || name == QLatin1String("grey"))
        return 0x808080;
    if (name == QLatin1String("buttonface"))
        return kButtonFace;
    return std::nullopt;
}

[[noreturn]] void unreadable(const Step& step)
{
    throw std::invalid_argument("unreadable step: " + step.source.toStdString());
}

void need(const Step& step, bool ok)
{
    if (!ok)
        unreadable(step);
}

// The colour named by the last word of the step.
std::uint32_t lastColour(const Step& step)
{
    need(step, !step.words.isEmpty());
    const auto colour = colourNamed(step.words.last());
    need(step, colour.has_value());
    return *colour;
}

// The colour named by the last word, if it names one.
std::optional<std::uint32_t> trailingColour(const Step& step)
{
    return step.words.isEmpty() ? std::nullopt : colourNamed(step.words.last());
}

void runLabel(Canvas& c, const Step& step, std::uint32_t background)
{
    const bool hasSub = step.words.contains(QStringLiteral("sub"));
    const bool bracketed = step.command == QLatin1String("bracketed");
    const bool vector = bracketed || step.command == QLatin1String("vector");
    need(step, !bracketed || step.words.value(0) == QLatin1String("vector"));
    need(step, step.numbers.size() == 2 && step.quoted.size() == (hasSub ? 2 : 1));
    if (step.words.contains(QStringLiteral("on")))
        background = lastColour(step);
    const int x = step.numbers[0];
    const int y = step.numbers[1];
    const QString main = step.quoted[0];
    const QString sub = hasSub ? step.quoted[1] : QString();
    const bool symbol = step.words.contains(QStringLiteral("Symbol"));
    const QString face = c.font().face;
    if (symbol)
        c.setFontFace(QStringLiteral("Symbol"));
    if (bracketed && hasSub)
        DrawBracketedVectorLabelSub(c, x, y, main, sub, background);
    else if (bracketed)
        DrawBracketedVectorLabel(c, x, y, main, background);
    else if (vector && hasSub)
        DrawVectorLabelSub(c, x, y, main, sub, background);
    else if (vector)
        DrawVectorLabel(c, x, y, main, background);
    else
        DrawLabelSub(c, x, y, main, sub, background);
    if (symbol)
        c.setFontFace(face);
}

void polyline(Canvas& c, const QVector<int>& n)
{
    c.MoveTo(n[0], n[1]);
    for (int i = 2; i + 1 < n.size(); i += 2)
        c.LineTo(n[i], n[i + 1]);
}

// A shape given with its own fill ("grey filled", "white hatched") sets the
// brush first; without one it takes the brush as it stands.
void shapeBrush(Canvas& c, const Step& step)
{
    const bool filled = step.words.contains(QStringLiteral("filled"));
    const bool hatched = step.words.contains(QStringLiteral("hatched"));
    if (!filled && !hatched)
        return;
    const qsizetype at = step.words.indexOf(filled ? QStringLiteral("filled") : QStringLiteral("hatched"));
    need(step, at > 0);
    const auto colour = colourNamed(step.words[at - 1]);
    need(step, colour.has_value());
    c.setBrushColour(*colour);
    c.setBrushStyle(filled ? BrushStyle::Solid : BrushStyle::Hatch);
}

// Runs an element with the pen width given for it, then goes back to one pixel.
template <typename Draw> void withPen(Canvas& c, const Step& step, Draw draw)
{
    if (step.penWidth > 0)
        c.setPenWidth(step.penWidth);
    draw();
    if (step.penWidth > 1)
        c.setPenWidth(1);
}

void run(Canvas& c, const Step& step, std::uint32_t background)
{
    const QString& cmd = step.command;
    const QVector<int>& n = step.numbers;
    need(step, step.penWidth == 0 || cmd == QLatin1String("line") || cmd == QLatin1String("arc"));
    if (cmd == QLatin1String("pen")) {
        need(step, !step.words.isEmpty());
        const QString& what = step.words.first();
        if (what == QLatin1String("width")) {
            need(step, n.size() == 1);
            c.setPenWidth(n[0]);
        } else if (what == QLatin1String("solid")) {
            c.setPenStyle(PenStyle::Solid);
        } else if (what == QLatin1String("dotted")) {
            c.setPenStyle(PenStyle::Dotted);
        } else {
            c.setPenColour(lastColour(step));
        }
    } else if (cmd == QLatin1String("brush")) {
        need(step, !step.words.isEmpty());
        const QString& what = step.words.first();
        if (what == QLatin1String("solid"))
            c.setBrushStyle(BrushStyle::Solid);
        else if (what == QLatin1String("clear"))
            c.setBrushStyle(BrushStyle::Clear);
        else if (what == QLatin1String("hatched"))
            c.setBrushStyle(BrushStyle::Hatch);
        else
            c.setBrushColour(lastColour(step));
    } else if (cmd == QLatin1String("font")) {
        if (step.words.value(0) == QLatin1String("size")) {
            need(step, n.size() == 1 && step.quoted.isEmpty());
            c.setFontSize(n[0]);
        } else {
            need(step, step.quoted.size() == 1);
            c.setFontFace(step.quoted[0]);
        }
    } else if (cmd == QLatin1String("line")) {
        need(step, n.size() >= 4 && n.size() % 2 == 0);
        withPen(c, step, [&] { polyline(c, n); });
    } else if (cmd == QLatin1String("axes")) {
        need(step, n.isEmpty() && step.words.isEmpty());
        polyline(c, {10, 20, 10, 140, 250, 140});
    } else if (cmd == QLatin1String("axis")) {
        need(step, n.isEmpty() && step.words == QStringList{QStringLiteral("labels")});
        DrawLabelSub(c, 15, 15, QStringLiteral("y"), {}, background);
        DrawLabelSub(c, 245, 138, QStringLiteral("x"), {}, background);
        DrawLabelSub(c, 9, 141, QStringLiteral("O"), {}, background);
    } else if (cmd == QLatin1String("ellipse")) {
        need(step, n.size() == 4);
        shapeBrush(c, step);
        c.Ellipse(n[0], n[1], n[2], n[3]);
    } else if (cmd == QLatin1String("rectangle")) {
        need(step, n.size() == 4);
        shapeBrush(c, step);
        c.Rectangle(n[0], n[1], n[2], n[3]);
    } else if (cmd == QLatin1String("fill")) {
        need(step, n.size() == 4);
        c.FillRect(n[0], n[1], n[2], n[3]);
    } else if (cmd == QLatin1String("arc")) {
        need(step, n.size() == 8);
        if (const auto colour = trailingColour(step))
            c.setPenColour(*colour);
        withPen(c, step, [&] { c.Arc(n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7]); });
    } else if (cmd == QLatin1String("polygon")) {
        need(step, n.size() >= 6 && n.size() % 2 == 0);
        QVector<QPoint> points;
        for (int i = 0; i < n.size(); i += 2)
            points << QPoint(n[i], n[i + 1]);
        shapeBrush(c, step);
        c.Polygon(points);
    } else if (cmd == QLatin1String("dotted")) {
        need(step, n.size() == 4);
        DrawDottedLine(c, n[0], n[1], n[2], n[3], trailingColour(step).value_or(0x000000));
    } else if (cmd == QLatin1String("arrow")) {
        need(step, n.size() == 4);
        DrawArrow(c, n[0], n[1], n[2], n[3], lastColour(step));
    } else if (cmd == QLatin1String("vector") || cmd == QLatin1String("label") || cmd == QLatin1String("bracketed")) {
        runLabel(c, step, background);
    } else if (cmd == QLatin1String("text")) {
        need(step, n.size() == 2 && step.quoted.size() == 1);
        c.TextOut(n[0], n[1], step.quoted[0]);
    } else {
        unreadable(step);
    }
}

} // namespace

int runStepList(Canvas& canvas, const QString& steps, std::uint32_t background)
{
    int count = 0;
    for (const QString& raw : steps.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        run(canvas, parse(line), background);
        ++count;
    }
    return count;
}
