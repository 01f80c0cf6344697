// Contents built on first need: once, before the window is first seen, and
// never merely because the event loop turned while the window was hidden.
#include "platform/deferred.h"

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {
// A window whose contents are one label, counting how often they are built.
struct Counted {
    std::unique_ptr<QWidget> window;
    int builds = 0;
    QLabel* label = nullptr;

    explicit Counted(QWidget* w)
        : window(w)
    {
        buildWhenPolished(w, [this] {
            ++builds;
            label = new QLabel(QStringLiteral("Содержимое"), window.get());
        });
    }
};
} // namespace

class DeferredTest : public QObject {
    Q_OBJECT
private slots:
    void nothingIsBuiltWhileHidden()
    {
        Counted c(new QWidget);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(c.builds, 0);
        QVERIFY(!c.label);
    }

    // However the window is first needed, its contents are built once and,
    // when it is shown, shown with it.
    void buildsOnceOnFirstNeed_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("show") << "show";
        QTest::newRow("exec") << "exec";
        QTest::newRow("ensurePolished") << "ensurePolished";
    }
    void buildsOnceOnFirstNeed()
    {
        QFETCH(QString, way);
        Counted c(new QDialog);
        auto* dialog = static_cast<QDialog*>(c.window.get());
        QCoreApplication::processEvents();
        bool labelShownInside = false;
        if (way == QLatin1String("show")) {
            dialog->show();
        } else if (way == QLatin1String("exec")) {
            QTimer::singleShot(0, dialog, [&] {
                labelShownInside = c.label && c.label->isVisible();
                dialog->accept();
            });
            dialog->exec();
            QVERIFY(labelShownInside);
        } else {
            dialog->ensurePolished();
        }
        QCOMPARE(c.builds, 1);
        QVERIFY(c.label);
        if (way == QLatin1String("show"))
            QVERIFY(c.label->isVisible());
        dialog->hide();
        dialog->show();
        dialog->hide();
        dialog->ensurePolished();
        QCOMPARE(c.builds, 1);
        QVERIFY(c.label->isVisibleTo(dialog));
    }

    void alreadyPolishedWindowBuildsAtOnce()
    {
        auto window = std::make_unique<QWidget>();
        window->ensurePolished();
        int builds = 0;
        buildWhenPolished(window.get(), [&builds] { ++builds; });
        QCOMPARE(builds, 1);
        window->show();
        QCOMPARE(builds, 1);
    }
};

QTEST_MAIN(DeferredTest)
#include "deferred_qtest.moc"
