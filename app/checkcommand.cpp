#include "app/checkcommand.h"

#include "platform/problemreport.h"
#include "problem/check.h"
#include "problem/problem.h"

#include <QFile>

CommandLineOutcome checkProblemFiles(const QStringList& files, Language language)
{
    CommandLineOutcome outcome{true, 0, QString()};
    for (const QString& file : files) {
        std::vector<ProblemDiagnostic> diagnostics;
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            diagnostics.push_back(problemDiagnostic(0, 0, ProblemMessage::FileUnreadable, {file.toStdString()}));
        } else {
            // One byte past the limit tells a file that is too large.
            const QByteArray text = in.read(qint64(kMaxProblemFileBytes) + 1);
            diagnostics = checkProblemText(std::string_view(text.constData(), std::size_t(text.size())));
        }
        if (hasErrors(diagnostics))
            outcome.exitCode = 1;
        outcome.text += problemReport(file, diagnostics, language);
    }
    return outcome;
}
