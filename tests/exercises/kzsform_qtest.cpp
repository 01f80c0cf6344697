// The control task's dialogue, driven through its handlers and through Enter
// in its answer control: tasks, exam mode and the ways out.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "drawing/canvaslabel.h"
#include "drawing/picturebox.h"
#include "eqedit/teqedit.h"
#include "exercises/dialogue.h"
#include "exercises/hints.h"
#include "exercises/kzsform.h"
#include "exercises/modules.h"
#include "exercises/taskscript.h"
#include "formula/packetdata.h"
#include "platform/forms.h"
#include "shell/kontrform.h"
#include "shell/navigation.h"
#include "shell/repform.h"
#include "solver/forms/askform.h"
#include "examflags.h"
#include "hintcapture.h"
#include "support/exercisetesting.h"

namespace {

bool isOneOf(const QString& text, const FeedbackTexts& texts)
{
    for (const char* t : texts)
        if (text == QString::fromUtf8(t))
            return true;
    return false;
}

const ScriptStep& stepOf(int task, int step)
{
    return taskSteps(task)[static_cast<std::size_t>(step)];
}

QString question(int task, int step)
{
    return QString::fromUtf8(stepOf(task, step).question);
}

QString reference(int task, int step)
{
    return QString::fromUtf8(stepOf(task, step).reference);
}

const QString success =
    QStringLiteral("Вы успешно прошли это испытание. Поздравляю! Желаю дальнейших успехов! ");
const QString failure = QStringLiteral(
    "Вы ответили неверно пять раз. Проверьте свои знания и попробуйте снова. Желаю удачи!");
const QString inputError = QStringLiteral("Ошибка ввода данных.");

} // namespace

class KzsFormTest : public QObject {
    Q_OBJECT

private:
    ExerciseTestBed* bed = nullptr;
    TKzsForm* form = nullptr;

    QWidget* repForm() const { return RepForm; }
    QWidget* kontrForm() const { return KontrForm; }
    QWidget* askForm() const { return AskForm; }

    // Opens the window and goes to question k of the task: the task is chosen
    // through the module state and reached with the skip area.
    void openAt(int task, int k)
    {
        form->show();
        form->FormActivate();
        Kzs::Task = task;
        Kzs::Step = -1;
        for (int i = 0; i <= k; ++i)
            form->LClickClick();
        QCOMPARE(Kzs::Step, k);
        QCOMPARE(form->Eq1->Equation(), question(task, k));
        MakeRegularPoint(kzsData(), taskVariableNames());
    }

    void answerRight()
    {
        TypeAnswer(form->Eq2, form->referenceAnswer());
        MakeRegularPoint(kzsData(), taskVariableNames());
    }

    void answerWrong() { TypeAnswer(form->Eq2, form->referenceAnswer() + QStringLiteral("+1")); }

    SchemeSurfaces expectedAfterSchemes(int task, int last)
    {
        std::vector<SchemeCall> calls;
        for (int s = 0; s <= last; ++s)
            calls.push_back([task, s](const SchemeTarget& t) { DrawTaskScheme(task, s, t); });
        return DrawSchemesLike(form->Dn, calls);
    }

private slots:
    void initTestCase()
    {
        bed = new ExerciseTestBed;
        form = new TKzsForm;
        KzsForm = form;
        connectWindows();
    }

    void cleanupTestCase()
    {
        KzsForm = nullptr;
        delete form;
        delete bed;
    }

    void init()
    {
        bed->reset();
        form->Timer->stop();
        form->show();
    }

    // Every opening draws a task and starts it from its first question; the
    // answer field keeps its text and the timer is left alone.
    void activationStartsARandomTask()
    {
        Kzs::Step = 3;
        Kzs::WrongCount = 2;
        form->Eq2->SetEquation(QStringLiteral("P*a"));
        form->Timer->start();
        form->FormActivate();
        QVERIFY(Kzs::Task >= 0 && Kzs::Task < kTaskCount);
        QCOMPARE(Kzs::Step, 0);
        QCOMPARE(Kzs::WrongCount, 0);
        QCOMPARE(form->Eq1->Equation(), question(Kzs::Task, 0));
        QCOMPARE(form->referenceAnswer(), reference(Kzs::Task, 0));
        QCOMPARE(form->AscLabel->text(), promptText());
        QCOMPARE(form->AscLabel->x(), CentredLeft(form->AscLabel));
        QCOMPARE(form->Eq2->Equation(), QStringLiteral("P*a"));
        QVERIFY(form->Timer->isActive());
        const SchemeSurfaces expected = expectedAfterSchemes(Kzs::Task, 0);
        QCOMPARE(form->Dn->text(), expected.caption);
        QCOMPARE(form->Sh->image(), expected.picture);
    }

    // A right answer to question k: praise, the answer reset, step k set up
    // again, Step k + 1 and the scheme of step k + 1 drawn, the pause started
    // and the question field emptied; the pause shows question k + 1.
    void rightAnswerAdvances_data()
    {
        QTest::addColumn<int>("task");
        QTest::addColumn<int>("step");
        for (int task = 0; task < kTaskCount; ++task)
            for (int k = 0; k < kTaskFinishStep(task); ++k)
                QTest::newRow(qPrintable(QStringLiteral("task %1 question %2").arg(task).arg(k))) << task << k;
    }

    void rightAnswerAdvances()
    {
        QFETCH(int, task);
        QFETCH(int, step);
        openAt(task, step);
        const int points = form->Eq1->font().pointSize();

        TypeAnswer(form->Eq2, reference(task, step));

        QVERIFY2(isOneOf(form->AscLabel->text(), taskPraises()), qPrintable(form->AscLabel->text()));
        QCOMPARE(form->AscLabel->x(), CentredLeft(form->AscLabel));
        QCOMPARE(form->Eq2->Equation(), QStringLiteral(" "));
        QCOMPARE(form->Eq1->Equation(), QString());
        QCOMPARE(Kzs::Step, step + 1);
        QCOMPARE(form->referenceAnswer(), reference(task, step));
        QVERIFY(form->Timer->isActive());
        QVERIFY(bed->boxes.empty());
        const SchemeSurfaces expected = expectedAfterSchemes(task, step + 1);
        QCOMPARE(form->Sh->image(), expected.picture);
        QCOMPARE(form->Dn->grabSurface(), expected.statement);

        form->TimerTimer();
        QVERIFY(!form->Timer->isActive());
        QCOMPARE(form->AscLabel->text(), promptText());
        if (step + 1 < kTaskFinishStep(task)) {
            QCOMPARE(form->Eq1->Equation(), question(task, step + 1));
            QCOMPARE(form->referenceAnswer(), reference(task, step + 1));
            const int next = stepOf(task, step + 1).points;
            QCOMPARE(form->Eq1->font().pointSize(), next > 0 ? next : points);
            QVERIFY(form->isVisible());
        } else {
            QCOMPARE(bed->boxes.size(), 1);
            QCOMPARE(bed->boxes[0].text, success);
            QCOMPARE(bed->boxes[0].title, QStringLiteral("ВЕКТУМ-W"));
            QVERIFY(!form->isVisible());
            QVERIFY(repForm()->isVisible());
        }
    }

    // Outside exam mode wrong answers are unlimited and not counted; an input
    // error shows its box and nothing else.
    void wrongAnswersOutsideTheExam()
    {
        openAt(1, 1);
        for (int i = 0; i < 7; ++i) {
            answerWrong();
            QVERIFY(isOneOf(form->AscLabel->text(), reproaches()));
            QVERIFY(form->Timer->isActive());
            form->TimerTimer();
        }
        QCOMPARE(Kzs::WrongCount, 0);
        QCOMPARE(Kzs::Step, 1);
        QVERIFY(bed->boxes.empty());
        QVERIFY(form->isVisible());

        TypeAnswer(form->Eq2, QStringLiteral("tg(~a)"));
        QCOMPARE(bed->boxes.size(), 1);
        QCOMPARE(bed->boxes[0].text, inputError);
        QCOMPARE(bed->boxes[0].title, QStringLiteral("ВЕКТУМ-W"));
        QCOMPARE(form->AscLabel->text(), promptText());
        QVERIFY(!form->Timer->isActive());
    }

    // In exam mode the fifth wrong answer of the task ends the test, counted
    // over all questions; right answers and input errors do not reset or add.
    void fifthWrongAnswerEndsTheExam()
    {
        ExamMode = true;
        openAt(0, 6);
        form->move(60, 40);
        answerWrong();
        answerWrong();
        answerRight();
        form->TimerTimer();
        TypeAnswer(form->Eq2, QStringLiteral("tg(~a)"));
        TypeAnswer(form->Eq2, QStringLiteral("+a"));
        answerWrong();
        answerWrong();
        QCOMPARE(Kzs::WrongCount, 4);
        QCOMPARE(bed->boxes.size(), 2);
        QVERIFY(form->isVisible());
        QVERIFY(ExamMode);
        bed->boxes.clear();

        answerWrong();
        QCOMPARE(bed->boxes.size(), 1);
        QCOMPARE(bed->boxes[0].text, failure);
        QCOMPARE(bed->boxes[0].title, QStringLiteral("КОНТРОЛЕР"));
        QCOMPARE(bed->boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(Kzs::WrongCount, 0);
        QVERIFY(!ExamMode);
        QVERIFY(!ExamPassed);
        QVERIFY(!form->isVisible());
        QVERIFY(repForm()->isVisible());
        QVERIFY(!kontrForm()->isVisible());
        // The rest of the answer's handling still runs on the hidden window.
        QVERIFY(isOneOf(form->AscLabel->text(), reproaches()));
        QVERIFY(form->Timer->isActive());
    }

    // Finishing a task in exam mode passes the test and leads to the order
    // choice; ExamMode stays set.
    void finishingTheExam()
    {
        ExamMode = true;
        openAt(2, kTaskFinishStep(2) - 1);
        answerWrong();
        form->TimerTimer();
        answerRight();
        form->TimerTimer();
        QVERIFY(ExamPassed);
        QVERIFY(ExamMode);
        QCOMPARE(bed->boxes.size(), 1);
        QCOMPARE(bed->boxes[0].text, success);
        QVERIFY(askForm()->isVisible());
        QVERIFY(!repForm()->isVisible());
    }

    // Outside exam mode a finished task returns to the Tutor menu at the
    // window's place; skipping the last question finishes at once.
    void finishingOutsideTheExam()
    {
        openAt(3, kTaskFinishStep(3) - 1);
        form->move(200, 150);
        repForm()->move(0, 0);
        form->LClickClick();
        QVERIFY(!ExamPassed);
        QCOMPARE(bed->boxes.size(), 1);
        QCOMPARE(bed->boxes[0].text, success);
        QVERIFY(!form->isVisible());
        QVERIFY(repForm()->isVisible());
        QCOMPARE(repForm()->pos(), QPoint(200, 150));
        QVERIFY(!askForm()->isVisible());
    }

    // A skip during the pause after the last answer goes past the finish:
    // nothing is shown and the task never finishes.
    void skippingPastTheFinish()
    {
        openAt(2, kTaskFinishStep(2) - 1);
        answerRight();
        form->LClickClick();
        form->TimerTimer();
        QCOMPARE(Kzs::Step, kTaskFinishStep(2) + 1);
        QVERIFY(bed->boxes.empty());
        QVERIFY(form->isVisible());
    }

    // Every way out of the task brings a menu back at the window's place: the
    // exit button to the menu the task came from, the failed exam to the
    // Tutor menu.
    void exitReturnsToTheMenuItCameFrom_data()
    {
        QTest::addColumn<bool>("exam");
        QTest::addColumn<bool>("failing");    // left by the fifth wrong answer, not the exit button
        QTest::addColumn<bool>("examiner");   // the menu that comes back
        QTest::newRow("tutor") << false << false << false;
        QTest::newRow("examiner") << true << false << true;
        QTest::newRow("failed exam") << true << true << false;
    }

    void exitReturnsToTheMenuItCameFrom()
    {
        QFETCH(bool, exam);
        QFETCH(bool, failing);
        QFETCH(bool, examiner);
        ExamMode = exam;
        openAt(4, 2);
        answerWrong();
        form->move(111, 66);
        repForm()->move(5, 5);
        kontrForm()->move(5, 5);
        if (failing) {
            for (int wrong = 2; wrong <= 5; ++wrong)
                answerWrong();
        } else {
            QTest::mouseClick(form->Button1, Qt::LeftButton);
        }
        QWidget* menu = examiner ? kontrForm() : repForm();
        QWidget* other = examiner ? repForm() : kontrForm();
        QVERIFY(!form->isVisible());
        QVERIFY(menu->isVisible());
        QVERIFY(!other->isVisible());
        QCOMPARE(menu->pos(), QPoint(111, 66));
        QCOMPARE(ExamMode, exam && !failing);
        QCOMPARE(Kzs::WrongCount, 0);
    }

    // Question fonts: task 0 opens in 10 points and goes to 12; the other
    // tasks keep whatever size the control had.
    void questionFontSizes()
    {
        openAt(0, 0);
        QCOMPARE(form->Eq1->font().pointSize(), 10);
        form->LClickClick();
        QCOMPARE(form->Eq1->font().pointSize(), 12);
        openAt(0, 0);
        for (int task = 1; task < kTaskCount; ++task) {
            openAt(task, 0);
            QCOMPARE(form->Eq1->font().pointSize(), 10);
        }
    }

    // The same question in two tasks is judged against the task being solved.
    void sharedQuestionJudgedByItsTask()
    {
        openAt(2, 2);
        const QString moment2 = form->referenceAnswer();
        openAt(3, 3);
        QCOMPARE(form->Eq1->Equation(), question(2, 2));
        TypeAnswer(form->Eq2, moment2);
        QVERIFY(isOneOf(form->AscLabel->text(), reproaches()));
        QCOMPARE(Kzs::Step, 3);
    }

    // A wrong formula that happens to agree at the step's own point (R!B is 0
    // there) is judged wrong, in the exam too, where it counts.
    void wrongFormulaAgreeingAtTheStepPoint_data()
    {
        QTest::addColumn<bool>("exam");
        QTest::newRow("tutor") << false;
        QTest::newRow("exam") << true;
    }
    void wrongFormulaAgreeingAtTheStepPoint()
    {
        QFETCH(bool, exam);
        const ExamFlags flags(exam, ExamPassed);
        openAt(1, 1);
        kzsData().AddVariable("R!B", "0");
        TypeAnswer(form->Eq2, QStringLiteral("X!A@+R!B@*sin(~a)"));
        QVERIFY(isOneOf(form->AscLabel->text(), reproaches()));
        QCOMPARE(Kzs::Step, 1);
        QCOMPARE(Kzs::WrongCount, exam ? 1 : 0);
    }

    // Outside the exam the help button (and F2) gives the advice of the kind
    // of question, then the diagnosis of the last wrong answer, and after three
    // wrong answers the reference answer; in the exam there is no help.
    void helpInAndOutOfTheExam_data()
    {
        QTest::addColumn<bool>("exam");
        QTest::newRow("tutor") << false;
        QTest::newRow("exam") << true;
    }
    void helpInAndOutOfTheExam()
    {
        QFETCH(bool, exam);
        HintCapture capture;
        const std::vector<ShownHint>& hints = capture.hints;
        const ExamFlags flags(exam, ExamPassed);
        form->show();
        QApplication::setActiveWindow(form);
        openAt(1, 1);
        QCOMPARE(form->HintButton->isVisible(), !exam);
        auto pressF2 = [&] { QTest::keyClick(form->Eq2, Qt::Key_F2); };

        pressF2();
        form->HintButtonClick();
        if (exam) {
            QVERIFY(hints.empty());
            TypeAnswer(form->Eq2, QStringLiteral("X!A@+R!B@*sin(~a)"));
            pressF2();
            QVERIFY(hints.empty());
            return;
        }
        QCOMPARE(hints.size(), std::size_t{2});
        QCOMPARE(hints[0].text, adviceText(QuestionKind::Projection));
        QVERIFY(hints[0].formula.isEmpty());

        const QString sign = QStringLiteral("X!A@+R!B@*sin(~a)");
        TypeAnswer(form->Eq2, sign);
        form->TimerTimer();
        pressF2();
        QCOMPARE(hints.size(), std::size_t{3});
        QCOMPARE(hints.back().text, diagnosisText({Mistake::TermSign, "", ""}, QuestionKind::Projection));
        QCOMPARE(hints.back().formula, QStringLiteral("R!B@*sin(~a)"));
        QVERIFY(hints.back().note.isEmpty());

        // The third wrong answer: its diagnosis says the answer can be seen,
        // the next press shows it without the zero prefix; the step stays.
        TypeAnswer(form->Eq2, QStringLiteral("X!A@"));
        form->TimerTimer();
        TypeAnswer(form->Eq2, sign);
        form->TimerTimer();
        form->HintButtonClick();
        QVERIFY(!hints.back().note.isEmpty());
        form->HintButtonClick();
        QCOMPARE(hints.back().formula, QStringLiteral("X!A@-R!B@*sin(~a)"));
        QCOMPARE(Kzs::Step, 1);

        // A new question starts afresh.
        answerRight();
        form->TimerTimer();
        form->HintButtonClick();
        QVERIFY(hints.back().formula.isEmpty());
    }
};

QTEST_MAIN(KzsFormTest)
#include "kzsform_qtest.moc"
