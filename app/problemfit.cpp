#include "app/problemfit.h"

#include "eqedit/eqlayout.h"
#include "eqedit/notation.h"
#include "eqedit/teqedit.h"
#include "platform/fonts.h"

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>

#include <climits>
#include <string>

namespace {

// The fonts of the exercise windows (worked example, control task) and the
// question control's width; the statement's area is the problem's own
// (statementWidth, kStatementHeight).
constexpr int kStatementPixels[] = {17, 16};
constexpr int kQuestionWidth = 625;
constexpr int kQuestionPixels[] = {17, 16};

struct Language {
    const char* name;
    const std::string Translated::*text;
};
constexpr Language kLanguages[] = {{"ru", &Translated::ru}, {"en", &Translated::en}};

ProblemDiagnostic doesNotFit(const Translated& text, const std::string& key, const char* language, int takes,
                             int room)
{
    return problemDiagnostic(text.at.line, text.at.column, ProblemMessage::TextDoesNotFit,
                             {key, language, std::to_string(takes), std::to_string(room)});
}

} // namespace

std::vector<ProblemDiagnostic> problemTextFit(const Problem& problem)
{
    installFontSubstitutions();
    const int window = problem.kind == ProblemKind::Example ? 0 : 1;
    std::vector<ProblemDiagnostic> out;

    const QFont statementFont = pixelFont(window == 0 ? QStringLiteral("Arial") : QStringLiteral("MS Sans Serif"),
                                          kStatementPixels[window]);
    const QFontMetrics statementMetrics(statementFont);
    const int width = statementWidth(problem.kind);
    for (const Language& language : kLanguages) {
        const QString text = QString::fromStdString(problem.statement.*language.text);
        const int height = statementMetrics
                               .boundingRect(QRect(0, 0, width, INT_MAX / 2),
                                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
                               .height();
        if (height > kStatementHeight)
            out.push_back(doesNotFit(problem.statement, "statement", language.name, height, kStatementHeight));
    }

    QFont questionFont = pointFontForPixels(QStringLiteral("MS Sans Serif"), kQuestionPixels[window]);
    questionFont.setFixedPitch(true);
    const int room = kQuestionWidth - 2 * TEqEdit::BevelWidth;
    for (std::size_t i = 0; i < problem.steps.size(); ++i) {
        const ProblemStep& step = problem.steps[i];
        QFont font = questionFont;
        if (step.points > 0)
            font.setPointSize(step.points);
        const FontEqMetrics metrics(font);
        for (const Language& language : kLanguages) {
            const int takes =
                layoutEquation(QString::fromStdString(step.question.*language.text), level::Normal, metrics).width();
            if (takes > room)
                out.push_back(doesNotFit(step.question, "steps[" + std::to_string(i) + "].question", language.name,
                                         takes, room));
        }
    }
    return out;
}
