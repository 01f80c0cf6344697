// The way through the solver among the real windows: the Examiner menu, the
// control task, the order choice and the two solver windows.
#include "exercises/kzsform.h"
#include "exercises/modules.h"
#include "shell/kontrform.h"
#include "shell/navigation.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "examflags.h"
#include "messagecapture.h"
#include "solver/forms/askform.h"
#include "solver/forms/matrix2form.h"
#include "solver/forms/matrixform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <optional>

class SolverNavigationTest : public QObject {
    Q_OBJECT

    std::optional<MessageCapture> capture;

    static QList<QWidget*> visibleWindows()
    {
        QList<QWidget*> shown;
        for (QWidget* w : {static_cast<QWidget*>(KontrForm), static_cast<QWidget*>(KzsForm),
                           static_cast<QWidget*>(AskForm), static_cast<QWidget*>(MatrixForm),
                           static_cast<QWidget*>(Matrix2Form)})
            if (w->isVisible())
                shown << w;
        return shown;
    }

    static void hideAll()
    {
        for (QWidget* w : {static_cast<QWidget*>(KontrForm), static_cast<QWidget*>(KzsForm),
                           static_cast<QWidget*>(AskForm), static_cast<QWidget*>(MatrixForm),
                           static_cast<QWidget*>(Matrix2Form)})
            w->hide();
    }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        initExerciseModules();
        KzsForm = new TKzsForm;
        MatrixForm = new TMatrixForm;
        KontrForm = new TKontrForm;
        Matrix2Form = new TMatrix2Form;
        AskForm = new TAskForm;
        connectWindows();
        capture.emplace();
    }

    void cleanupTestCase()
    {
        capture.reset();
        delete AskForm;
        delete Matrix2Form;
        delete KontrForm;
        delete MatrixForm;
        delete KzsForm;
        AskForm = nullptr;
        Matrix2Form = nullptr;
        KontrForm = nullptr;
        MatrixForm = nullptr;
        KzsForm = nullptr;
        doneExerciseModules();
    }

    void init()
    {
        hideAll();
        capture->boxes.clear();
    }

    void orderChoiceClosesTheControlTask()
    {
        KzsForm->show();
        Kzs::WrongCount = 3;
        AskForm->show();
        AskForm->FormActivate();
        QCOMPARE(visibleWindows(), QList<QWidget*>{AskForm});
        QCOMPARE(Kzs::WrongCount, 0);   // the task was closed, not only hidden
    }

    // From the Examiner menu, once the entrance test is passed, through either order
    // and back to the menu by "Выход".
    void roundTrip_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("nine");
        QTest::newRow("6") << "Button1" << false;
        QTest::newRow("9") << "Button2" << true;
    }

    void roundTrip()
    {
        QFETCH(QString, button);
        QFETCH(bool, nine);
        const ExamFlags flags(ExamMode, true);
        KontrForm->show();
        KontrForm->Button1Click();
        QCOMPARE(visibleWindows(), QList<QWidget*>{AskForm});

        QTest::mouseClick(AskForm->findChild<QPushButton*>(button), Qt::LeftButton);
        SolverWindow* solver = nine ? static_cast<SolverWindow*>(Matrix2Form) : MatrixForm;
        QCOMPARE(visibleWindows(), QList<QWidget*>{solver});
        QVERIFY(solver->isModal());

        QTest::mouseClick(solver->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        QCOMPARE(solver->findChild<QLineEdit*>(QStringLiteral("X1"))->text(), QStringLiteral("0.000"));

        QTest::mouseClick(solver->findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
        QCOMPARE(visibleWindows(), QList<QWidget*>{KontrForm});
        QCOMPARE(capture->texts(), QStringList());
    }
};

QTEST_MAIN(SolverNavigationTest)
#include "navigation_qtest.moc"
