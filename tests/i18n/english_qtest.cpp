// The program in English: `--lang en` installs the English catalogue before the
// windows are made, and then every window, the worked example's question, the
// message boxes and the engines' messages speak English.
#include "app/commandline.h"
#include "drawing/canvaslabel.h"
#include "eqedit/eqlayout.h"
#include "eqedit/evaluatorwording.h"
#include "eqedit/spokenformula.h"
#include "eqedit/teqedit.h"
#include "exercises/kzsform.h"
#include "exercises/taskscript.h"
#include "exercises/examplescript.h"
#include "exercises/urform.h"
#include "formula/equation.h"
#include "platform/enginemessages.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/language.h"
#include "messagecapture.h"
#include "shell/mainform.h"
#include "shell/startup.h"
#include "solver/forms/matrixform.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QTest>

namespace {
QString button(const char* name)
{
    auto* b = MainForm->findChild<QPushButton*>(QString::fromLatin1(name));
    return b ? b->text() : QStringLiteral("<no button>");
}

bool hasCyrillic(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x400 && c.unicode() <= 0x4FF)
            return true;
    return false;
}

// Every text a window shows or gives a screen reader, with where it was found.
QStringList textsOf(QWidget* window)
{
    QStringList texts;
    auto add = [&texts](const QObject* o, const QString& what, const QString& text) {
        texts.append(o->metaObject()->className() + (QLatin1Char(' ') + o->objectName()) + QLatin1Char(' ') + what
                     + QStringLiteral(": ") + text);
    };
    add(window, QStringLiteral("title"), window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        add(w, QStringLiteral("name"), w->accessibleName());
        add(w, QStringLiteral("description"), w->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(w, QStringLiteral("text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, QStringLiteral("text"), button->text());
        if (auto* edit = qobject_cast<TEqEdit*>(w))
            add(w, QStringLiteral("formula"), edit->Equation());
    }
    return texts;
}
} // namespace

class EnglishTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(installProgramServices(startupLanguage({QStringLiteral("vektum"), QStringLiteral("--lang"), QStringLiteral("en")})),
                 Language::English);
        startModules();
        createWindows();
    }

    void cleanupTestCase()
    {
        destroyWindows();
        stopModules();
        installLanguage(Language::Russian);
    }

    void mainWindowInEnglish()
    {
        QVERIFY(MainForm);
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
        QCOMPARE(button("Button1"), QStringLiteral("CONSULTANT"));
        QCOMPARE(button("Button2"), QStringLiteral("TUTOR"));
        QCOMPARE(button("Button3"), QStringLiteral("EXAMINER"));
        QCOMPARE(button("Button4"), QStringLiteral("EXIT"));
    }

    // Every window, once shown and built, has no Russian text left.
    void noRussianLeftInAnyWindow()
    {
        for (QWidget* window : createdWindows()) {
            window->show();
            QCoreApplication::processEvents();
            for (const QString& text : textsOf(window))
                QVERIFY2(!hasCyrillic(text), qPrintable(text));
            if (window != MainForm)
                window->hide();
        }
    }

    void workedExampleQuestionInEnglish()
    {
        QVERIFY(UrForm);
        UrForm->show();
        UrForm->FormActivate();
        QCOMPARE(UrForm->Step, 0);
        const QString question = UrForm->EqEdit1->Equation();
        QCOMPARE(question,
                 QStringLiteral("What angle does force R!B@ make with beam AB once the beam is freed of supports?"));
        QVERIFY(!hasCyrillic(UrForm->Dano->text()));
        QVERIFY(UrForm->Dano->text().contains(QLatin1String("knife edge")));
        UrForm->hide();
    }

    // Every question of the worked example and of the control tasks, in
    // English, fits the question box it is shown in.
    void everyQuestionFitsItsBox()
    {
        struct Box {
            TEqEdit* edit;
            std::vector<const ScriptStep*> steps;
        };
        Box example{UrForm->EqEdit1, {}};
        for (const ScriptStep& s : exampleSteps())
            example.steps.push_back(&s);
        Box tasks{KzsForm->Eq1, {}};
        for (int task = 0; task < kTaskCount; ++task)
            for (const ScriptStep& s : taskSteps(task))
                tasks.steps.push_back(&s);
        QStringList tooWide;
        for (const Box& box : {example, tasks}) {
            const FontEqMetrics metrics(box.edit->font());
            const int room = box.edit->width() - 2 * TEqEdit::BevelWidth;
            for (const ScriptStep* s : box.steps) {
                const QString question = QCoreApplication::translate("Script", s->question);
                QVERIFY2(!hasCyrillic(question), s->question);
                const int width = layoutEquation(question, level::Normal, metrics).width();
                if (width > room)
                    tooWide << QStringLiteral("%1 px in %2: ").arg(width).arg(room) + question;
            }
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QLatin1Char('\n'))));
    }

    // A screen reader hears an English question in words, its names and
    // indices as in Russian, and formulas in English words.
    void spokenInEnglish_data()
    {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("question") << QStringLiteral("What angle does force R!B@ make with beam AB?")
                                  << QStringLiteral("What angle does force R sub B make with beam A B?");
        QTest::newRow("axis") << QStringLiteral("Write the sum of the projections of all forces on the Ox axis")
                              << QStringLiteral("Write the sum of the projections of all forces on the O x axis");
        QTest::newRow("formula") << QStringLiteral("F-R!B@*sin(~a)")
                                 << QStringLiteral("F minus R sub B times sine alpha");
        // A sentence's first word is a word even when short; a name such as Ox
        // inside the sentence is not.
        QTest::newRow("first word") << QStringLiteral("Is this problem statically determinate? In Ox: Ox")
                                    << QStringLiteral("Is this problem statically determinate? In O x: O x");
        QTest::newRow("product stays letters") << QStringLiteral("Fh+ab") << QStringLiteral("F h plus a b");
        QTest::newRow("remark with a formula")
            << QStringLiteral("M!Oz@(F) = -h!1@F!1@, where F!1@ - Fcos~a")
            << QStringLiteral("M sub O z open bracket F close bracket equals minus h sub 1 F sub 1, where F sub 1 "
                              "minus F cosine alpha");
    }
    void spokenInEnglish()
    {
        QFETCH(QString, notation);
        QFETCH(QString, spoken);
        QCOMPARE(spokenFormula(notation), spoken);
    }

    // The command line speaks the language chosen by --lang; a wrong value
    // of --lang is an error with exit status 2.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("start");
        QTest::newRow("help in English") << QStringList{"--lang", "en", "--help"} << 0
                                         << QStringLiteral("Usage: vektum [options]\nVEKTUM-W is a tutor for statics.");
        QTest::newRow("help in Russian") << QStringList{"--lang=ru", "-h"} << 0
                                         << QStringLiteral("Использование: vektum [параметры]");
        QTest::newRow("version in English") << QStringList{"-v", "--lang", "en"} << 0
                                            << QStringLiteral("VEKTUM-W, version ");
        QTest::newRow("error in English") << QStringList{"--lang", "en", "--bogus"} << 2
                                          << QStringLiteral("vektum: unknown option \"--bogus\"\nList of options:");
        QTest::newRow("unknown language") << QStringList{"--lang", "fr"} << 2
                                          << QStringLiteral("vektum: неизвестный язык «fr»: допустимы ru и en");
        QTest::newRow("language missing") << QStringList{"--lang"} << 2
                                          << QStringLiteral("vektum: у параметра «--lang» нет значения");
        QTest::newRow("value missing in English") << QStringList{"--lang", "en", "-platform"} << 2
                                                  << QStringLiteral("vektum: option \"-platform\" has no value\n");
        QTest::newRow("starts in English") << QStringList{"--lang", "en"} << -1 << QString();
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, start);
        const CommandLineOutcome outcome = parseCommandLine(QStringList{"/usr/bin/vektum"} + arguments);
        QCOMPARE(outcome.exit, exitCode >= 0);
        if (exitCode >= 0) {
            QCOMPARE(outcome.exitCode, exitCode);
            QVERIFY2(outcome.text.startsWith(start), qPrintable(outcome.text));
        }
    }

    void messageBoxInEnglish()
    {
        MessageCapture capture;
        MatrixForm->show();
        for (QLineEdit* box : MatrixForm->findChildren<QLineEdit*>())
            box->clear();
        MatrixForm->Button1Click();   // every box empty
        MatrixForm->hide();
        QCOMPARE(capture.boxes.size(), 1);
        QCOMPARE(capture.boxes[0].text, QStringLiteral("Error! Not all the data have been entered."));
        QCOMPARE(capture.boxes[0].title, QStringLiteral("VEKTUM-W"));
    }

    // The engines' messages, worded from their codes, whole or with their
    // variable parts.
    void engineMessages_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("expected");
        QTest::newRow("formula engine") << translatedMessage(FormulaMessage::DivisionByZero)
                                        << QStringLiteral("Error: Division by zero");
        QTest::newRow("with a name") << translatedMessage(FormulaMessage::NoSuchVariable, {"R!B@"})
                                     << QStringLiteral("Error: no such variable \"R!B@\"");
        QTest::newRow("with a number") << translatedMessage(FormulaMessage::NumberTooLarge, {"1e999"})
                                       << QStringLiteral("Error: the number \"1e999\" is too large");
        QTest::newRow("evaluator") << translatedMessage(EvaluatorMessage(EvaluatorMessageId::NaturalLogDomain, {"-2"}))
                                   << QStringLiteral("The argument of the natural logarithm, -2, must be greater "
                                                     "than zero.");
        const EvaluatorMessage unknown(EvaluatorMessageId::UnknownFunction, {QStringLiteral("FOO")});
        QTest::newRow("nested") << translatedMessage(EvaluatorMessage(EvaluatorMessageId::ComparisonFailed, unknown))
                                << QStringLiteral("One or both expressions cannot be evaluated for the comparison "
                                                  "(Unknown function FOO).");
        QTest::newRow("no message") << translatedMessage(FormulaMessage::None) << QString();
        QTest::newRow("no evaluator message") << translatedMessage(EvaluatorMessage()) << QString();
    }
    void engineMessages()
    {
        QFETCH(QString, english);
        QFETCH(QString, expected);
        QCOMPARE(english, expected);
    }

    // Every code of both engines has an English text that keeps its argument.
    void everyEngineMessageInEnglish()
    {
        const std::string mark = "<arg>";
        for (int code = 1; code < kFormulaMessageCount; ++code) {
            const auto message = static_cast<FormulaMessage>(code);
            const QString text = translatedMessage(message, {mark});
            QVERIFY2(!hasCyrillic(text) && !text.isEmpty(), qPrintable(text));
            QCOMPARE(text.contains(QLatin1String("<arg>")), formulaMessageArity(message) > 0);
        }
        for (int code = 1; code < kEvaluatorMessageCount; ++code) {
            const auto id = static_cast<EvaluatorMessageId>(code);
            const QString text = translatedMessage(EvaluatorMessage(id, {QStringLiteral("<arg>")}));
            QVERIFY2(!hasCyrillic(text) && !text.isEmpty(), qPrintable(text));
            QCOMPARE(text.contains(QLatin1String("<arg>")), EvaluatorMessage::pattern(id).contains(QLatin1String("%1")));
        }
    }

    // A fault that ends a handler is reported in English too.
    void handlerFaultInEnglish()
    {
        MessageCapture capture;
        try {
            narrowToDouble(1e400L);   // beyond the range of a double: the engine's overflow
        } catch (...) {
            reportCurrentException();
        }
        QCOMPARE(capture.boxes.size(), 1);
        QCOMPARE(capture.boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(capture.boxes[0].text, QStringLiteral("Calculation error: overflow"));
    }
};

int main(int argc, char** argv)
{
    GuardedApplication app(argc, argv);
    EnglishTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "english_qtest.moc"
