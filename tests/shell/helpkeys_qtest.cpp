// F1 and Ctrl+F1 from every window, and the About window they lead to.
#include "accessibletree.h"
#include "windowfixture.h"

#include "eqedit/teqedit.h"
#include "exercises/urform.h"
#include "platform/about.h"
#include "platform/accessibility.h"
#include "platform/keyboard.h"
#include "platform/forms.h"
#include "platform/tabpages.h"
#include "shell/consform.h"
#include "reference/helpform.h"
#include "shell/startup.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QWidget* keyTarget(QWidget* window)
{
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == window ? focus : window;
}

// Runs `action` inside the modal loop of `dialog`, then closes it.
void whileShownModally(QDialog* dialog, const std::function<void()>& action)
{
    QTimer::singleShot(0, dialog, [dialog, action] {
        action();
        dialog->reject();
    });
    QTimer::singleShot(5000, dialog, [dialog] { dialog->done(99); }); // a safety net, never the verdict
    dialog->exec();
}

} // namespace

class HelpKeysTest : public WindowsTestCase {
    Q_OBJECT
private slots:
    // F1 shows the help window modally over the window, which stays shown
    // underneath; Ctrl+F1 the About window.
    void keysOpenTheirWindowOverEveryWindow_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name : {"MainForm", "ConsForm", "ReshForm", "RepForm", "KontrForm", "UrForm", "KzsForm",
                                 "MetodForm", "AskForm", "MatrixForm", "Matrix2Form"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void keysOpenTheirWindowOverEveryWindow()
    {
        QFETCH(QString, window);
        QWidget* w = windowNamed(window);
        QVERIFY(showAlone(w));
        MessageCapture capture;

        bool underneath = false;
        QWidget* shown = runClosingModal([&] { QTest::keyClick(keyTarget(w), Qt::Key_F1); },
                                         [&](QWidget*) { underneath = w->isVisible(); });
        QCOMPARE(shown, static_cast<QWidget*>(HelpForm));
        QVERIFY(underneath);
        QVERIFY(w->isVisible());

        QVERIFY(showAlone(w));
        // The About window is deleted once closed: what it was is noted while it is open.
        QString about;
        QWidget* aboutParent = nullptr;
        runClosingModal([&] { QTest::keyClick(keyTarget(w), Qt::Key_F1, Qt::ControlModifier); },
                        [&](QWidget* m) {
                            about = QString::fromLatin1(m->metaObject()->className());
                            aboutParent = m->parentWidget();
                        });
        QCOMPARE(about, QStringLiteral("AboutWindow"));
        QCOMPARE(aboutParent, w);
        QVERIFY(w->isVisible());
        QVERIFY(capture.boxes.isEmpty());
    }

    // Over a modal dialog F1 opens nothing more; Ctrl+F1 opens the About
    // window over the help window only.
    void keysOverModalDialogs_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("aboutOpens");
        QTest::newRow("help") << "HelpForm" << true;
        QTest::newRow("basic concepts") << "PonForm" << false;
        QTest::newRow("constraints") << "SvyazForm" << false;
    }
    void keysOverModalDialogs()
    {
        QFETCH(QString, dialog);
        QFETCH(bool, aboutOpens);
        auto* d = qobject_cast<QDialog*>(windowNamed(dialog));
        QVERIFY(d);
        hideAllWindows();
        ConsForm->show();

        // Any window shown modally over d is noted and closed at once.
        QStringList over;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == d)
                return;
            over << QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        });
        QStringList afterF1;
        bool active = false;
        whileShownModally(d, [&] {
            active = QTest::qWaitForWindowActive(d);
            poll.start();
            QTest::keyClick(keyTarget(d), Qt::Key_F1);
            afterF1 = over;
            QTest::keyClick(keyTarget(d), Qt::Key_F1, Qt::ControlModifier);
            poll.stop();
        });
        QVERIFY(active);
        QVERIFY(afterF1.isEmpty());
        QCOMPARE(over, aboutOpens ? QStringList{QStringLiteral("AboutWindow")} : QStringList());
    }

    // Help asked for in the middle of an exercise leaves it where it was.
    void helpKeepsTheExerciseStep()
    {
        QVERIFY(showAlone(UrForm));
        UrForm->Step = 3;
        QTest::keyClicks(UrForm->EqEdit2, QStringLiteral("F"));
        const QString typed = UrForm->EqEdit2->Equation();
        QVERIFY(runClosingModal([] { QTest::keyClick(keyTarget(UrForm), Qt::Key_F1); }));
        UrForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(UrForm));
        QApplication::processEvents();
        QCOMPARE(UrForm->Step, 3);
        QCOMPARE(UrForm->EqEdit2->Equation(), typed);
    }

    // The help window's keys page leads to the About window too.
    void keysPageOpensAbout()
    {
        HelpForm->ensurePolished();
        auto* button = HelpForm->findChild<QPushButton*>(QStringLiteral("AboutButton"));
        QVERIFY(button);
        QString shown;
        QWidget* parent = nullptr;
        whileShownModally(HelpForm, [&] {
            HelpForm->pages()->setCurrentIndex(HelpForm->pages()->count() - 1);
            QVERIFY(button->isVisible());
            runClosingModal([&] { button->click(); }, [&](QWidget* m) {
                // Over the help window itself, which the poll would close next.
                if (m == HelpForm)
                    return;
                shown = QString::fromLatin1(m->metaObject()->className());
                parent = m->parentWidget();
            });
        });
        QCOMPARE(shown, QStringLiteral("AboutWindow"));
        QCOMPARE(parent, static_cast<QWidget*>(HelpForm));
    }

    // The keys page is the key table: its sheets, turned with the page's
    // buttons, show every row of the table once, by scope under the scope's
    // title (repeated where a scope goes on on the next sheet), read in that
    // order by a screen reader; each sheet fits the page whole, nothing
    // overlaps; every stop of the page is named; the buttons say where they
    // lead, and turning announces the new sheet.
    void keysPageIsTheKeyTable()
    {
        HelpForm->ensurePolished();
        TabPages* pages = HelpForm->pages();
        QWidget* page = pages->widget(pages->count() - 1);
        auto* next = page->findChild<QPushButton*>(QStringLiteral("NextButton"));
        QVERIFY(next);
        QStringList expected;
        for (const KeyRow& row : keyTable()) {
            if (!expected.contains(keyScopeTitle(row.scope)))
                expected << keyScopeTitle(row.scope);
            expected << keysText(row) + QStringLiteral(" | ") + keyDescription(row);
        }
        QCOMPARE(expected.at(1), QStringLiteral("F1 | информация о работе с системой (это окно)"));

        QStringList told;
        setAccessibleEventObserver([&](QAccessibleEvent* e) {
            if (qobject_cast<Announcer*>(e->object()))
                told << e->accessibleInterface()->text(QAccessible::Name);
        });
        QStringList read;
        QStringList stops;
        whileShownModally(HelpForm, [&] {
            QVERIFY(QTest::qWaitForWindowActive(HelpForm));
            pages->setCurrentIndex(pages->count() - 1);
            // The stops of the page, each by its accessible name.
            QWidget* tab = pages->tabButton(pages->currentIndex());
            tab->setFocus();
            do {
                stops << QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            } while (QApplication::focusWidget() != tab && stops.size() < 10);
            do {
                // The sheet shown, the first thing read on the page, and what
                // a screen reader finds on it, in its order.
                QWidget* sheet = accessibleChildren(page).value(0);
                QVERIFY(sheet && sheet->objectName().startsWith(QLatin1String("KeySheet")));
                QVERIFY(sheet->geometry().bottom() < next->geometry().top());
                QString keys;
                for (QAccessibleInterface* a : accessibleTree(QAccessible::queryAccessibleInterface(sheet))) {
                    auto* label = qobject_cast<QLabel*>(a->object());
                    if (!label)
                        continue;
                    QVERIFY(sheet->rect().contains(label->geometry()));
                    for (QLabel* other : sheet->findChildren<QLabel*>())
                        QVERIFY(other == label || !other->geometry().intersects(label->geometry()));
                    const QString name = label->objectName();
                    if (name.startsWith(QLatin1String("Key")))
                        keys = a->text(QAccessible::Name);
                    else
                        read << (name.startsWith(QLatin1String("Title")) ? QString() : keys + QStringLiteral(" | "))
                                    + a->text(QAccessible::Name);
                }
                const QString description = next->accessibleDescription();
                QTest::mouseClick(next, Qt::LeftButton);
                const QString where = page->findChild<QLabel*>(QStringLiteral("SheetLabel"))->text();
                QVERIFY2(description.startsWith(where + QStringLiteral(": ")), qPrintable(description));
                QVERIFY(told.last().startsWith(where + QStringLiteral(". ")));
            } while (told.size() < 10 && !page->findChild<QWidget*>(QStringLiteral("KeySheet1"))->isVisible());
        });
        setAccessibleEventObserver(nullptr);
        QCOMPARE(stops, (QStringList{"Клавиши", "Назад", "Далее", "О программе", "OK"}));
        QVERIFY(told.size() > 1);
        read.removeDuplicates();   // a title repeated on the next sheet
        QCOMPARE(read, expected);
    }

    // What the About window says, and what a screen reader hears.
    void aboutWindowContents()
    {
        AboutWindow about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QStringList lines = about.lines();
        const QStringList expected{QStringLiteral("ВЕКТУМ-W"),
                                   QStringLiteral("Версия ") + programVersion(),
                                   QStringLiteral("Обучающая система по статике"),
                                   QStringLiteral("Свободная программа, лицензия MIT"),
                                   QStringLiteral("Copyright (c) 2026 ВЕКТУМ-W developers"),
                                   QStringLiteral("Работает на Qt ") + QString::fromLatin1(qVersion()),
                                   QStringLiteral("Идентификатор программы: local.vektum.Vektum")};
        QCOMPARE(lines, expected);
        QCOMPARE(programVersion(), QStringLiteral(VEKTUM_EXPECTED_VERSION));
        // Every line is on screen as a label.
        QStringList shown;
        for (QLabel* label : about.findChildren<QLabel*>())
            if (label->isVisible())
                shown << label->text();
        QCOMPARE(shown, expected);

        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&about);
        QVERIFY(window);
        QCOMPARE(window->role(), QAccessible::Dialog);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("О программе ВЕКТУМ-W"));
        // The lines are the window's text, read from its labels; the version
        // line says what it is.
        QCOMPARE(window->text(QAccessible::Description), QString());
        QStringList heard;
        for (int i = 0; i < window->childCount(); ++i)
            heard << window->child(i)->text(QAccessible::Name);
        QStringList said = expected;
        said[1] = QStringLiteral("Версия программы ") + programVersion();
        said << QStringLiteral("Закрыть");
        QCOMPARE(heard, said);

        QPushButton* close = about.closeButton();
        QCOMPARE(QApplication::focusWidget(), close);
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(close);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Закрыть"));
        QTest::keyClick(close, Qt::Key_Return);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

SHELL_TEST_MAIN(HelpKeysTest)
#include "helpkeys_qtest.moc"
