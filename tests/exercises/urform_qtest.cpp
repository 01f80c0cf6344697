// The worked example's dialogue, driven through its handlers and through Enter
// in its answer control.
#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "drawing/canvaslabel.h"
#include "drawing/picturebox.h"
#include "eqedit/teqedit.h"
#include "exercises/dialogue.h"
#include "exercises/examplescript.h"
#include "exercises/hints.h"
#include "exercises/modules.h"
#include "exercises/urform.h"
#include "formula/packetdata.h"
#include "platform/forms.h"
#include "shell/navigation.h"
#include "shell/repform.h"
#include "support/exercisetesting.h"

namespace {

bool isOneOf(const QString& text, const FeedbackTexts& texts)
{
    for (const char* t : texts)
        if (text == QString::fromUtf8(t))
            return true;
    return false;
}

QString question(int step)
{
    return QString::fromUtf8(exampleSteps()[static_cast<std::size_t>(step)].question);
}

QString reference(int step)
{
    return QString::fromUtf8(exampleSteps()[static_cast<std::size_t>(step)].reference);
}

const QString congratulation = QStringLiteral(
    "Поздравляю! Теперь вы без труда сможете составить уравнения равновесия для плоской системы сил.");

} // namespace

class UrFormTest : public QObject {
    Q_OBJECT

private:
    ExerciseTestBed* bed = nullptr;
    TUrForm* form = nullptr;

    QWidget* repForm() const { return RepForm; }

    // Opens the example and goes to question k with the skip area.
    void openAt(int k)
    {
        form->show();
        form->FormActivate();
        for (int i = 0; i < k; ++i)
            form->LClickClick();
        QCOMPARE(form->Step, k);
        MakeRegularPoint(urData(), exampleVariableNames());
    }

    // The surfaces after the schemes of steps 0..last in order.
    SchemeSurfaces expectedAfterSchemes(int last)
    {
        std::vector<SchemeCall> calls;
        for (int s = 0; s <= last; ++s)
            calls.push_back([s](const SchemeTarget& t) { DrawExampleScheme(s, t); });
        return DrawSchemesLike(form->Dano, calls);
    }

private slots:
    void initTestCase()
    {
        bed = new ExerciseTestBed;
        form = new TUrForm;
        UrForm = form;
        connectWindows();
    }

    void cleanupTestCase()
    {
        UrForm = nullptr;
        delete form;
        delete bed;
    }

    void init()
    {
        bed->reset();
        form->Timer1->stop();
    }

    // The feedback texts word for word, in the order of the draw.
    void feedbackTextsWordForWord()
    {
        const struct {
            const FeedbackTexts& texts;
            QStringList words;
        } tables[] = {
            {examplePraises(),
             {QStringLiteral("Совершенно правильно."), QStringLiteral("Это то, что нужно !"),
              QStringLiteral("Коллега, я полностью с Вами согласен !"), QStringLiteral("Коллега, вы снова абсолютно правы !")}},
            {taskPraises(),
             {QStringLiteral("Совершенно правильно."), QStringLiteral("Молодец! Так держать."),
              QStringLiteral("Хочу Вас поздравить! Именно это и требовалось."),
              QStringLiteral("Мне нравится ход ваших мыслей! Это то, что нужно.")}},
            {reproaches(),
             {QStringLiteral("К сожалению, вы ошибаетесь."), QStringLiteral("Это никуда не годится !"),
              QStringLiteral("Коллега, вы неправы !"), QStringLiteral("Коллега, вы снова неправы !")}},
        };
        for (const auto& table : tables)
            for (int i = 0; i < 4; ++i)
                QCOMPARE(QString::fromUtf8(table.texts[static_cast<std::size_t>(i)]), table.words[i]);
    }

    void createdHiddenWithTheTimerRunning()
    {
        TUrForm fresh;
        QCOMPARE(fresh.windowTitle(), QStringLiteral("Составление уравнений равновесия"));
        QCOMPARE(fresh.size(), QSize(680, 446));
        QVERIFY(!fresh.isVisible());
        QVERIFY(!fresh.EqEdit1->isEnabled());
        QVERIFY(fresh.EqEdit2->isEnabled());
        QVERIFY(fresh.Timer1->isActive());
        QCOMPARE(fresh.Timer1->interval(), 2000);
        // It fires once on the hidden window: the first question, nothing shown.
        QTRY_VERIFY_WITH_TIMEOUT(!fresh.Timer1->isActive(), 4000);
        QCOMPARE(fresh.EqEdit1->Equation(), question(0));
        QCOMPARE(fresh.AscLabel->text(), promptText());
        QVERIFY(!fresh.isVisible());
        QTest::qWait(2300);
        QVERIFY(!fresh.Timer1->isActive());
    }

    void activationStartsAtTheFirstQuestion()
    {
        openAt(4);
        form->EqEdit2->SetEquation(QStringLiteral("F"));
        form->Timer1->start();
        form->FormActivate();

        QCOMPARE(form->Step, 0);
        QCOMPARE(form->EqEdit1->Equation(), question(0));
        QCOMPARE(form->EqEdit1->font().pointSize(), 10);
        QCOMPARE(form->referenceAnswer(), reference(0));
        QCOMPARE(form->EqEdit2->Equation(), QString());
        QCOMPARE(form->AscLabel->text(), promptText());
        QCOMPARE(form->AscLabel->x(), CentredLeft(form->AscLabel));
        QVERIFY(!form->Timer1->isActive());
        QCOMPARE(form->Timer1->interval(), 1300);
        QVERIFY(form->Shema->isVisible());
        const SchemeSurfaces expected = expectedAfterSchemes(0);
        QCOMPARE(form->Dano->text(), expected.caption);
        QVERIFY(!expected.caption.isEmpty());
        QCOMPARE(form->Shema->image(), expected.picture);
    }

    // A right answer to question k: praise, the answer field reset to one
    // blank, the scheme of step k drawn, step k set up again (its reference
    // stays current through the pause), Step k + 1, the pause started and the
    // question field emptied; the pause then shows question k + 1.
    void rightAnswerAdvances_data()
    {
        QTest::addColumn<int>("step");
        for (int k = 0; k < kExampleFinishStep; ++k)
            QTest::newRow(qPrintable(QStringLiteral("question %1").arg(k))) << k;
    }

    void rightAnswerAdvances()
    {
        QFETCH(int, step);
        openAt(step);
        QCOMPARE(form->EqEdit1->Equation(), question(step));

        TypeAnswer(form->EqEdit2, reference(step));

        QVERIFY2(isOneOf(form->AscLabel->text(), examplePraises()), qPrintable(form->AscLabel->text()));
        QCOMPARE(form->AscLabel->x(), CentredLeft(form->AscLabel));
        QCOMPARE(form->EqEdit2->Equation(), QStringLiteral(" "));
        QCOMPARE(form->EqEdit1->Equation(), QString());
        QCOMPARE(form->Step, step + 1);
        QCOMPARE(form->referenceAnswer(), reference(step));
        QVERIFY(form->Timer1->isActive());
        QVERIFY(bed->boxes.empty());
        const SchemeSurfaces expected = expectedAfterSchemes(step);
        QCOMPARE(form->Shema->image(), expected.picture);
        QCOMPARE(form->Dano->grabSurface(), expected.statement);

        form->Timer1Timer();
        QVERIFY(!form->Timer1->isActive());
        QCOMPARE(form->AscLabel->text(), promptText());
        QCOMPARE(form->AscLabel->x(), CentredLeft(form->AscLabel));
        if (step + 1 < kExampleFinishStep) {
            QCOMPARE(form->EqEdit1->Equation(), question(step + 1));
            QCOMPARE(form->referenceAnswer(), reference(step + 1));
            QCOMPARE(form->EqEdit1->font().pointSize(), 12);
            QVERIFY(bed->boxes.empty());
            QVERIFY(form->isVisible());
        } else {
            QCOMPARE(bed->boxes.size(), 1);
            QCOMPARE(bed->boxes[0].text, congratulation);
            QCOMPARE(bed->boxes[0].title, QStringLiteral("ВЕКТУМ-W"));
            QCOMPARE(bed->boxes[0].icon, QMessageBox::Warning);
            QVERIFY(!form->isVisible());
            QVERIFY(repForm()->isVisible());
        }
    }

    // Answers that get no praise.  A wrong one is reproved and kept for
    // correction; an input error shows its box and changes nothing else; an
    // engine fault is reported as a fault and gives no verdict; an empty
    // answer is ignored.
    void answersWithoutProgress_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("feedback");   // "scold", or the prompt kept
        QTest::addColumn<QString>("box");        // text of the box, "" for none
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("pause");

        const QString prompt = promptText();
        const QString inputError = QStringLiteral("Ошибка ввода данных.");
        QTest::newRow("wrong sign") << 0 << "~p/2+~a" << "scold" << "" << 0 << true;
        QTest::newRow("N for yes") << 2 << "N" << "scold" << "" << 0 << true;
        QTest::newRow("off by one") << 4 << "F-R!B@*sin(~a)+1" << "scold" << "" << 0 << true;
        QTest::newRow("unknown function") << 4 << "tg(~a)" << prompt << inputError
                                          << int(QMessageBox::Warning) << false;
        QTest::newRow("unknown variable") << 5 << "Q" << prompt << inputError << int(QMessageBox::Warning)
                                          << false;
        QTest::newRow("empty operand") << 4 << "+a" << prompt << "*" << int(QMessageBox::Critical) << false;
        QTest::newRow("not a number") << 4 << "sqrt(0-1)" << prompt << "*" << int(QMessageBox::Critical)
                                      << false;
        QTest::newRow("empty") << 3 << "" << prompt << "" << 0 << false;
        QTest::newRow("one blank") << 3 << " " << prompt << "" << 0 << false;
        QTest::newRow("unbalanced") << 3 << "(2" << prompt << "" << 0 << false;
    }

    void answersWithoutProgress()
    {
        QFETCH(int, step);
        QFETCH(QString, typed);
        QFETCH(QString, feedback);
        QFETCH(QString, box);
        QFETCH(int, icon);
        QFETCH(bool, pause);

        openAt(step);
        const std::vector<std::string> values = urData().Values();
        TypeAnswer(form->EqEdit2, typed);

        if (feedback == "scold")
            QVERIFY2(isOneOf(form->AscLabel->text(), reproaches()), qPrintable(form->AscLabel->text()));
        else
            QCOMPARE(form->AscLabel->text(), feedback);
        QCOMPARE(form->AscLabel->x(), CentredLeft(form->AscLabel));
        if (box.isEmpty()) {
            QVERIFY(bed->boxes.empty());
        } else {
            QCOMPARE(bed->boxes.size(), 1);
            QCOMPARE(int(bed->boxes[0].icon), icon);
            QCOMPARE(bed->boxes[0].title, QStringLiteral("ВЕКТУМ-W"));
            if (box != "*")
                QCOMPARE(bed->boxes[0].text, box);
            else
                QVERIFY(!bed->boxes[0].text.isEmpty());
        }
        QCOMPARE(form->Timer1->isActive(), pause);
        QCOMPARE(form->Step, step);
        QCOMPARE(form->EqEdit2->Equation(), typed);
        QCOMPARE(form->EqEdit1->Equation(), question(step));
        QCOMPARE(form->referenceAnswer(), reference(step));
        // No new point is drawn before the pause.
        QCOMPARE(urData().Values(), values);

        if (pause) {
            form->Timer1Timer();
            QCOMPARE(form->AscLabel->text(), promptText());
            QCOMPARE(form->EqEdit1->Equation(), question(step));
            QCOMPARE(form->EqEdit2->Equation(), typed);
            QCOMPARE(form->Step, step);
            QVERIFY(!form->Timer1->isActive());
        }
    }

    // Only Enter checks the answer; other characters are the control's.
    void onlyEnterChecks()
    {
        openAt(1);
        form->EqEdit2->SetEquation(reference(1));
        for (QChar c : {QChar('a'), QChar(' '), QChar(10), QChar(27)}) {
            QChar key = c;
            form->EqEdit2KeyPress(key);
        }
        QCOMPARE(form->Step, 1);
        QCOMPARE(form->AscLabel->text(), promptText());
        QChar enter(13);
        form->EqEdit2KeyPress(enter);
        QCOMPARE(form->Step, 2);
    }

    // The skip area shows the next question at once, under the scheme of the
    // step skipped, without feedback or pause.
    void skipAreaGoesOn()
    {
        openAt(0);
        form->AscLabel->setText(QStringLiteral("x"));
        form->EqEdit2->SetEquation(QStringLiteral("G*b"));
        QTest::mouseClick(form->LClick, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(form->Step, 1);
        QCOMPARE(form->EqEdit1->Equation(), question(1));
        QCOMPARE(form->EqEdit1->font().pointSize(), 12);
        QCOMPARE(form->referenceAnswer(), reference(1));
        QCOMPARE(form->EqEdit2->Equation(), QStringLiteral(" "));
        QCOMPARE(form->AscLabel->text(), QStringLiteral("x"));
        QVERIFY(!form->Timer1->isActive());
        QCOMPARE(form->Shema->image(), expectedAfterSchemes(0).picture);

        form->LClickClick();
        QCOMPARE(form->Shema->image(), expectedAfterSchemes(1).picture);
        QCOMPARE(form->Dano->grabSurface(), expectedAfterSchemes(1).statement);
    }

    // A double click is one click, whether or not the platform reports its
    // second press before the double click.
    void doubleClickSkipsOnce_data()
    {
        QTest::addColumn<QList<int>>("events");
        const int press = QEvent::MouseButtonPress;
        const int release = QEvent::MouseButtonRelease;
        const int dbl = QEvent::MouseButtonDblClick;
        QTest::newRow("press, release, press, double, release") << QList<int>{press, release, press, dbl, release};
        QTest::newRow("press, release, double, release") << QList<int>{press, release, dbl, release};
        QTest::newRow("two clicks") << QList<int>{press, release, press, release};
    }
    void doubleClickSkipsOnce()
    {
        QFETCH(QList<int>, events);
        openAt(0);
        for (int type : events) {
            const QPointF at(5, 5);
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent e(QEvent::Type(type), at, form->LClick->mapToGlobal(at), Qt::LeftButton, held,
                          Qt::NoModifier);
            QApplication::sendEvent(form->LClick, &e);
        }
        const int presses = int(std::count(events.begin(), events.end(), int(QEvent::MouseButtonPress)));
        const bool doubled = events.contains(int(QEvent::MouseButtonDblClick));
        QCOMPARE(form->Step, doubled ? 1 : presses);
    }

    // Every point of the exit button takes the click.
    void exitButtonTakesClicksEverywhere()
    {
        const QRect button = form->Button1->geometry();
        for (const QPoint& p : {button.topLeft(), button.bottomLeft(), button.center(), QPoint(18, 220),
                                button.bottomRight()})
            QCOMPARE(form->childAt(p), static_cast<QWidget*>(form->Button1));
    }

    // Skipping the last question finishes at once; a step past the finish
    // shows nothing and never finishes.
    void skippingPastTheEnd()
    {
        openAt(kExampleFinishStep - 1);
        form->move(140, 90);
        form->LClickClick();
        QCOMPARE(bed->boxes.size(), 1);
        QCOMPARE(bed->boxes[0].text, congratulation);
        QVERIFY(!form->isVisible());
        QVERIFY(repForm()->isVisible());
        QCOMPARE(form->Step, 0);   // the menu took the window's place

        bed->reset();
        form->show();
        form->Step = kExampleFinishStep;
        form->LClickClick();
        QCOMPARE(form->Step, kExampleFinishStep + 1);
        QVERIFY(bed->boxes.empty());
        QVERIFY(form->isVisible());
        QVERIFY(!repForm()->isVisible());
    }

    void exitReturnsToTheTutorMenuAtThisPlace()
    {
        openAt(3);
        form->move(123, 77);
        repForm()->move(5, 5);
        QTest::mouseClick(form->Button1, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QVERIFY(repForm()->isVisible());
        QCOMPARE(repForm()->pos(), QPoint(123, 77));
        QVERIFY(bed->boxes.empty());
    }

    // Leaving during the pause after the last answer: the menu that takes the
    // window's place makes it forget the step, so the pause ends quietly on
    // the hidden window instead of finishing over the menu.
    void exitDuringTheLastPauseShowsNothing()
    {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        openAt(kExampleFinishStep - 1);
        TypeAnswer(form->EqEdit2, reference(kExampleFinishStep - 1));
        QCOMPARE(form->Step, kExampleFinishStep);
        QVERIFY(form->Timer1->isActive());
        QTest::mouseClick(form->Button1, Qt::LeftButton);
        QTest::qWait(form->Timer1->interval() + 300);
        QVERIFY(bed->boxes.empty());
        QVERIFY(!form->isVisible());
        QVERIFY(repForm()->isVisible());
        QApplication::setActiveWindow(nullptr);
    }

    void deactivationForgetsTheStep()
    {
        openAt(6);
        form->FormDeactivate();
        QCOMPARE(form->Step, 0);
    }

    // Activation counts only between windows of the program: a message box
    // or another application taking the focus and giving it back changes
    // nothing; another window of the program does.
    void activationAmongProgramWindowsOnly()
    {
        openAt(0);
        QApplication::setActiveWindow(form);
        QCOMPARE(form->Step, 0);
        form->Step = 3;

        QMessageBox box(QMessageBox::Warning, QStringLiteral("ВЕКТУМ-W"), QStringLiteral("x"));
        box.show();
        QApplication::setActiveWindow(&box);
        QCOMPARE(form->Step, 3);
        box.hide();
        QApplication::setActiveWindow(form);
        QCOMPARE(form->Step, 3);

        QApplication::setActiveWindow(nullptr);
        QCOMPARE(form->Step, 3);
        QApplication::setActiveWindow(form);
        QCOMPARE(form->Step, 3);

        repForm()->show();
        QApplication::setActiveWindow(repForm());
        QCOMPARE(form->Step, 0);
        form->Step = 5;
        QApplication::setActiveWindow(form);
        QCOMPARE(form->Step, 0);
        QCOMPARE(form->EqEdit1->Equation(), question(0));
        QApplication::setActiveWindow(nullptr);
    }

    // The hint box over the window is a box like a message box: taking the
    // activation and giving it back keeps the step; a screen reader gets it
    // as a dialog, and its formula is shown in the notation.
    void hintBoxIsABoxOverTheWindow()
    {
        openAt(0);
        QApplication::setActiveWindow(form);
        form->Step = 4;
        const ShownHint hint{QStringLiteral("Неверен знак этого слагаемого:"), QStringLiteral("R!B@*sin(~a)"), QString()};
        HintBox box(hint, form);
        box.show();
        QApplication::setActiveWindow(&box);
        QCOMPARE(form->Step, 4);
        QCOMPARE(box.formulaBox()->Equation(), hint.formula);
        QVERIFY(!box.formulaBox()->isEnabled());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&box);
        QCOMPARE(a->role(), QAccessible::Dialog);
        box.hide();
        QApplication::setActiveWindow(form);
        QCOMPARE(form->Step, 4);
        QApplication::setActiveWindow(nullptr);
    }

    // Two reproaches drawn within one second are the same text.
    void feedbackDrawnFromTheClock()
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            openAt(4);
            const std::time_t start = std::time(nullptr);
            TypeAnswer(form->EqEdit2, QStringLiteral("F"));
            const QString first = form->AscLabel->text();
            TypeAnswer(form->EqEdit2, QStringLiteral("F"));
            if (std::time(nullptr) != start)
                continue;
            QCOMPARE(form->AscLabel->text(), first);
            return;
        }
        QFAIL("no two answers fell within one second");
    }
};

QTEST_MAIN(UrFormTest)
#include "urform_qtest.moc"
