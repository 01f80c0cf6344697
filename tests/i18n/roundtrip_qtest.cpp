// Languages installed one after the other in one process: English, Russian,
// English again.  After each, the windows made anew carry exactly the texts a
// fresh process started in that language gives them: captions, labels, button
// texts, accessible names and descriptions, the worked example's steps and
// every scheme description.  A text translated once and kept, or a catalogue
// left installed, shows here as a difference.
//
// The fresh process is this program run with `--dump ru` or `--dump en`; it
// writes the texts to standard output.
#include "eqedit/teqedit.h"
#include "exercises/examplescript.h"
#include "exercises/schemes.h"
#include "exercises/urform.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/language.h"
#include "platform/messages.h"
#include "shell/startup.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProcess>
#include <QTabBar>
#include <QTest>

#include <cstdio>

namespace {
void addWidgetTexts(QStringList& texts, QWidget* window)
{
    const QString where = window->metaObject()->className() + QLatin1Char(' ');
    texts.append(where + QStringLiteral("title: ") + window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        const QString at = where + w->metaObject()->className() + QLatin1Char(' ') + w->objectName() + QLatin1Char(' ');
        texts.append(at + QStringLiteral("name: ") + w->accessibleName());
        texts.append(at + QStringLiteral("description: ") + w->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(w))
            texts.append(at + QStringLiteral("text: ") + label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts.append(at + QStringLiteral("text: ") + button->text());
        if (auto* edit = qobject_cast<TEqEdit*>(w))
            texts.append(at + QStringLiteral("formula: ") + edit->Equation());
        if (auto* bar = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < bar->count(); ++i)
                texts.append(at + QStringLiteral("tab: ") + bar->tabText(i));
    }
}

// Makes the windows in the installed language and reads every text they and
// the exercise tables give; destroys the windows again.
QStringList windowTexts()
{
    QStringList texts;
    const MessageHook previous = setMessageHook([&texts](const ShownMessage& m) {
        texts.append(QStringLiteral("box: ") + m.title + QStringLiteral(": ") + m.text);
    });
    startModules();
    installProgramServices(currentLanguage());
    createWindows();
    for (QWidget* window : createdWindows()) {
        window->ensurePolished();
        addWidgetTexts(texts, window);
    }
    // The worked example step by step: questions, statement, scheme descriptions.
    UrForm->FormActivate();
    const int steps = static_cast<int>(exampleSteps().size());
    for (int step = 0; step < steps && UrForm->Step < steps; ++step) {
        addWidgetTexts(texts, UrForm);
        UrForm->LClickClick();
    }
    for (int step = 0; step < 16; ++step) {
        texts.append(QStringLiteral("example scheme %1: ").arg(step) + exampleSchemeDescription(step));
        for (int task = 0; task < 5; ++task)
            texts.append(QStringLiteral("task %1 scheme %2: ").arg(task).arg(step) + taskSchemeDescription(task, step));
    }
    destroyWindows();
    stopModules();
    setMessageHook(previous);
    return texts;
}

// The texts of a fresh process of this program started in the language.
QStringList freshTexts(const QString& language, QString* error)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--dump"), language});
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        *error = QStringLiteral("the child failed: ") + QString::fromLocal8Bit(child.readAllStandardError());
        return {};
    }
    // Windows ends the lines it writes to a pipe with CR LF.
    return QString::fromUtf8(child.readAllStandardOutput())
        .remove(QLatin1Char('\r'))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The first line where the two lists differ, for the failure message.
QString firstDifference(const QStringList& here, const QStringList& fresh)
{
    for (qsizetype i = 0; i < std::max(here.size(), fresh.size()); ++i) {
        const QString a = i < here.size() ? here[i] : QStringLiteral("<none>");
        const QString b = i < fresh.size() ? fresh[i] : QStringLiteral("<none>");
        if (a != b)
            return QStringLiteral("line %1\n  here:  %2\n  fresh: %3").arg(i).arg(a, b);
    }
    return {};
}

int dump(char** argv, const char* language)
{
    int appArgc = 1;
    GuardedApplication app(appArgc, argv);
    Language chosen = Language::Russian;
    if (!parseLanguage(QString::fromLatin1(language), chosen) || !installLanguage(chosen))
        return 1;
    for (const QString& text : windowTexts()) {
        QString line = text;
        line.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    }
    return 0;
}
} // namespace

class RoundTripTest : public QObject {
    Q_OBJECT

private slots:
    void sameTextsAsAFreshProcess()
    {
        QString error;
        const QStringList freshEnglish = freshTexts(QStringLiteral("en"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QStringList freshRussian = freshTexts(QStringLiteral("ru"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(freshEnglish.size() > 500);
        QCOMPARE(freshEnglish.size(), freshRussian.size());

        struct Phase {
            Language language;
            const QStringList& fresh;
        };
        for (const Phase& phase : {Phase{Language::English, freshEnglish}, Phase{Language::Russian, freshRussian},
                                   Phase{Language::English, freshEnglish}}) {
            QVERIFY(installLanguage(phase.language));
            QStringList here;
            for (const QString& text : windowTexts())
                here.append(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\\n")));
            QVERIFY2(here == phase.fresh, qPrintable(firstDifference(here, phase.fresh)));
        }
        installLanguage(Language::Russian);
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--dump") == 0)
        return dump(argv, argv[2]);
    GuardedApplication app(argc, argv);
    RoundTripTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "roundtrip_qtest.moc"
