// Start-up, exit and the handler guard of the whole program.
#include "windowfixture.h"

#include "exercises/kzsform.h"
#include "shell/consform.h"
#include "shell/kontrform.h"
#include "solver/forms/askform.h"
#include "shell/mainform.h"
#include "platform/forms.h"
#include "shell/startup.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <stdexcept>

namespace {
const QStringList kCreationOrder{"TMainForm",  "TConsForm",  "TReshForm",  "TPonForm",    "TUrForm",
                                 "TMetodForm", "TKzsForm",   "THelpForm",  "TMatrixForm", "TRepForm",
                                 "TKontrForm", "TSvyazForm", "TMatrix2Form", "TAskForm"};

// Runs the event loop until the program ends it; a loop still running after
// the safety interval ends with -1.
int runEventLoop()
{
    QObject context;
    QTimer::singleShot(5000, &context, [] { QCoreApplication::exit(-1); });
    return QApplication::exec();
}

// An object whose event handler fails, as a faulty window would.
class Throwing : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("Отказ обработчика");
        return QObject::event(e);
    }
};
} // namespace

class StartupTest : public WindowsTestCase {
    Q_OBJECT
private slots:
    void onlyTheMainWindowShowsCentred()
    {
        QCOMPARE(visibleWindows(), QList<QWidget*>{MainForm});
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint offset = MainForm->frameGeometry().center() - area.center();
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1, "main window is not centred");
        QCOMPARE(MainForm->windowTitle(), QStringLiteral("Вектум"));
        QCOMPARE(MainForm->size(), QSize(688, 446));
        const QStringList captions{"КОНСУЛЬТАНТ", "РЕПЕТИТОР", "КОНТРОЛЕР", "ВЫХОД"};
        for (const QString& caption : captions) {
            QPushButton* b = buttonOf(MainForm, caption);
            QVERIFY2(b && b->isVisible() && b->isEnabled(), qPrintable(caption));
        }
        QVERIFY(!ExamMode);
        QVERIFY(!ExamPassed);
    }

    void everyWindowExistsOnceInCreationOrder()
    {
        const QList<QWidget*> windows = createdWindows();
        createWindows();   // a second start-up call creates nothing more
        QCOMPARE(createdWindows(), windows);
        QCOMPARE(windows.size(), kCreationOrder.size());
        for (int i = 0; i < windows.size(); ++i) {
            QCOMPARE(QString::fromLatin1(windows[i]->metaObject()->className()), kCreationOrder[i]);
            QCOMPARE(windowNamed(kCreationOrder[i].mid(1)), windows[i]);
            QVERIFY(windows[i]->isWindow());
        }
    }

    void windowsAreDestroyedInReverseOrder()
    {
        QStringList destroyed;
        for (QWidget* w : createdWindows()) {
            const QString name = QString::fromLatin1(w->metaObject()->className());
            connect(w, &QObject::destroyed, this, [&destroyed, name] { destroyed.append(name); });
        }
        destroyWindows();
        QStringList reverse = kCreationOrder;
        std::reverse(reverse.begin(), reverse.end());
        QCOMPARE(destroyed, reverse);
        for (const QString& name : kCreationOrder)
            QVERIFY2(!windowNamed(name.mid(1)), qPrintable(name));
        QVERIFY(createdWindows().isEmpty());
    }

    void labelsShowTheirWholeText_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name : {"MainForm", "ConsForm", "ReshForm", "RepForm", "KontrForm"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void labelsShowTheirWholeText()
    {
        QFETCH(QString, window);
        QWidget* w = windowNamed(window);
        hideAllWindows();
        w->show();
        for (QLabel* label : w->findChildren<QLabel*>()) {
            const QRect box(QPoint(0, 0), label->size());
            const QRect need = QFontMetrics(label->font())
                                   .boundingRect(box, Qt::TextWordWrap | label->alignment(), label->text());
            QVERIFY2(need.width() <= box.width() && need.height() <= box.height(),
                     qPrintable(QStringLiteral("\"%1\" needs %2 x %3 in %4 x %5")
                                    .arg(label->text())
                                    .arg(need.width())
                                    .arg(need.height())
                                    .arg(box.width())
                                    .arg(box.height())));
        }
    }

    // The other windows make their contents when first shown; the event loop
    // turning first (as it does before the first paint) must not lose them.
    void windowsShowTheirContentsWhenFirstShown_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("shown");     // children that must be visible
        QTest::addColumn<QStringList>("present");   // children on pages not shown yet
        QTest::addColumn<QString>("fitted");        // a label that fits its text
        QTest::newRow("PonForm") << "PonForm" << QStringList{"PageControl1", "Image1", "Label1", "BitBtn1"}
                                 << QStringList{"Image6", "EqEdit15"} << QString();
        QTest::newRow("SvyazForm") << "SvyazForm" << QStringList{"PageControl1", "BitBtn1"}
                                   << QStringList{"TabSheet4"} << QString();
        QTest::newRow("HelpForm") << "HelpForm" << QStringList{"PageControl1", "BitBtn1"}
                                  << QStringList{"TabSheet4"} << QString();
        QTest::newRow("MetodForm") << "MetodForm" << QStringList{"Label1", "Label16", "BitBtn1"} << QStringList{}
                                   << QString();
        QTest::newRow("MatrixForm") << "MatrixForm"
                                    << QStringList{"Edit1", "Edit36", "B6", "X6", "Button1", "Button2"}
                                    << QStringList{} << QString();
        QTest::newRow("Matrix2Form") << "Matrix2Form" << QStringList{"Edit1", "Edit81", "BL", "XL", "Button2"}
                                     << QStringList{} << QString();
        QTest::newRow("UrForm") << "UrForm" << QStringList{} << QStringList{} << QStringLiteral("Вопрос :");
        QTest::newRow("KzsForm") << "KzsForm" << QStringList{} << QStringList{} << QStringLiteral("Вопрос :");
    }
    void windowsShowTheirContentsWhenFirstShown()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, present);
        QFETCH(QString, fitted);
        QCoreApplication::processEvents();
        QWidget* w = windowNamed(window);
        hideAllWindows();
        w->show();
        for (const QString& name : shown) {
            auto* child = w->findChild<QWidget*>(name);
            QVERIFY2(child && child->isVisible(), qPrintable(name));
        }
        for (const QString& name : present)
            QVERIFY2(w->findChild<QWidget*>(name), qPrintable(name));
        if (!fitted.isEmpty()) {
            QLabel* label = nullptr;
            for (QLabel* l : w->findChildren<QLabel*>())
                if (l->text() == fitted)
                    label = l;
            QVERIFY(label && label->isVisible());
            QVERIFY(label->width() >= QFontMetrics(label->font()).horizontalAdvance(fitted));
        }
        w->hide();
    }

    // Centred with their frames when first shown; one moved before that keeps its place.
    void centredWindowsAreCentredWithTheirFrame_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name : {"MainForm", "PonForm", "HelpForm", "MatrixForm", "Matrix2Form", "AskForm"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void centredWindowsAreCentredWithTheirFrame()
    {
        QFETCH(QString, window);
        QWidget* w = windowNamed(window);
        hideAllWindows();
        w->show();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint offset = w->frameGeometry().center() - area.center();
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
                 qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
        w->hide();
    }
    void windowMovedBeforeFirstShowKeepsItsPlace()
    {
        AskForm->move(40, 50);
        AskForm->show();
        QCOMPARE(AskForm->pos(), QPoint(40, 50));
    }

    void exitEndsTheProgramAndDestroysEveryWindow_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addColumn<bool>("othersShown");
        QTest::newRow("ВЫХОД, others hidden") << false << false;
        QTest::newRow("ВЫХОД, others shown") << false << true;
        QTest::newRow("close box, others hidden") << true << false;
        QTest::newRow("close box, others shown") << true << true;
    }
    void exitEndsTheProgramAndDestroysEveryWindow()
    {
        QFETCH(bool, byCloseBox);
        QFETCH(bool, othersShown);
        MessageCapture capture;
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : createdWindows())
            windows.append(w);
        if (othersShown)
            for (const char* name : {"ConsForm", "UrForm", "AskForm", "MatrixForm"})
                windowNamed(QString::fromLatin1(name))->show();

        QObject context;
        QTimer::singleShot(0, &context, [byCloseBox] {
            if (byCloseBox)
                MainForm->close();
            else
                QTest::mouseClick(buttonOf(MainForm, QStringLiteral("ВЫХОД")), Qt::LeftButton);
        });
        QCOMPARE(runEventLoop(), 0);
        destroyWindows();
        for (const QPointer<QWidget>& w : windows)
            QVERIFY(w.isNull());
        QVERIFY(!MainForm && !AskForm);
        QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
        QVERIFY(capture.boxes.isEmpty());
    }

    void hidingTheLastOtherWindowKeepsTheProgramRunning()
    {
        QObject context;
        QTimer::singleShot(0, &context, [] {
            MainForm->hide();
            ConsForm->show();
            ConsForm->close();
            QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
        });
        QCOMPARE(runEventLoop(), 7);
    }

    void failingHandlerShowsTheErrorBoxAndTheProgramGoesOn()
    {
        MessageCapture capture;
        bool failOnce = true;
        capture.onBox = [&failOnce](const ShownMessage& box) {
            if (box.title == examinerTitle() && failOnce) {
                failOnce = false;
                throw std::runtime_error("Окно сообщения недоступно");
            }
        };
        MainForm->hide();
        KontrForm->show();
        bool secondClickDone = false;
        QObject context;
        QTimer::singleShot(0, &context, [&] {
            QTest::mouseClick(buttonOf(KontrForm, QStringLiteral("Решение системы линейных уравнений")),
                              Qt::LeftButton);
            QVERIFY(KontrForm->isVisible());
            QVERIFY(!ExamMode);
            QTimer::singleShot(0, &context, [&] {
                QTest::mouseClick(buttonOf(KontrForm, QStringLiteral("Решение системы линейных уравнений")),
                                  Qt::LeftButton);
                secondClickDone = true;
                QCoreApplication::exit(0);
            });
        });
        QCOMPARE(runEventLoop(), 0);
        QVERIFY(secondClickDone);
        QCOMPARE(capture.boxes.size(), 3);
        QCOMPARE(capture.boxes[1].icon, QMessageBox::Critical);
        QCOMPARE(capture.boxes[1].title, appTitle());
        QCOMPARE(capture.boxes[1].text, QStringLiteral("Окно сообщения недоступно"));
        QCOMPARE(capture.boxes[2].title, examinerTitle());
        QVERIFY(ExamMode);
        QVERIFY(KzsForm->isVisible());
    }

    void exceptionReachingTheApplicationIsReported()
    {
        MessageCapture capture;
        Throwing object;
        QEvent event(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&object, &event));
        QCOMPARE(capture.boxes.size(), 1);
        QCOMPARE(capture.boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(capture.boxes[0].text, QStringLiteral("Отказ обработчика"));
    }
};

SHELL_TEST_MAIN(StartupTest)
#include "startup_qtest.moc"
