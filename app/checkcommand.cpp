#include "app/checkcommand.h"

#include "app/problemfit.h"
#include "platform/problemreport.h"
#include "problem/check.h"
#include "problem/problem.h"

#include <QFile>
#include <QGuiApplication>

#include <memory>

namespace {

void ignoreMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// The fonts that measure the texts need an application object; the command
// line is answered before the program makes one, so the check makes its own,
// on a platform that needs no display where the environment names none.
// While it lives, Qt's own messages (a runtime folder it defaults, say) stay
// out of the report.
class ApplicationForFonts {
public:
    ApplicationForFonts()
    {
        if (QCoreApplication::instance())
            return;
#ifndef Q_OS_WIN
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        m_handler = qInstallMessageHandler(ignoreMessage);
        static int argc = 1;
        static char name[] = "vektum";
        static char* argv[] = {name, nullptr};
        m_application = std::make_unique<QGuiApplication>(argc, argv);
    }
    ~ApplicationForFonts()
    {
        if (!m_application)
            return;
        m_application.reset();
        qInstallMessageHandler(m_handler);
    }
    ApplicationForFonts(const ApplicationForFonts&) = delete;
    ApplicationForFonts& operator=(const ApplicationForFonts&) = delete;

private:
    std::unique_ptr<QGuiApplication> m_application;
    QtMessageHandler m_handler = nullptr;
};

} // namespace

CommandLineOutcome checkProblemFiles(const QStringList& files, Language language)
{
    const ApplicationForFonts application;
    CheckOptions options;
    options.measure = problemTextFit;
    CommandLineOutcome outcome{true, 0, QString()};
    for (const QString& file : files) {
        std::vector<ProblemDiagnostic> diagnostics;
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            diagnostics.push_back(problemDiagnostic(0, 0, ProblemMessage::FileUnreadable, {file.toStdString()}));
        } else {
            // One byte past the limit tells a file that is too large.
            const QByteArray text = in.read(qint64(kMaxProblemFileBytes) + 1);
            diagnostics = checkProblemText(std::string_view(text.constData(), std::size_t(text.size())), options);
        }
        if (hasErrors(diagnostics))
            outcome.exitCode = 1;
        outcome.text += problemReport(file, diagnostics, language);
    }
    return outcome;
}
