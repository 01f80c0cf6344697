// Russian stays the default: without `--lang`, a desktop in any language but
// English gets the Russian texts, unchanged; the choice of language by option
// and by the desktop's languages.
#include "platform/enginemessages.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/language.h"
#include "messagecapture.h"
#include "shell/mainform.h"
#include "shell/startup.h"
#include "solver/forms/matrixform.h"

#include <QPushButton>
#include <QLineEdit>
#include <QTest>

namespace {
QString button(const char* name)
{
    auto* b = MainForm->findChild<QPushButton*>(QString::fromLatin1(name));
    return b ? b->text() : QStringLiteral("<no button>");
}
} // namespace

class RussianTest : public QObject {
    Q_OBJECT

private slots:
    void chooseLanguage_data()
    {
        QTest::addColumn<QStringList>("ui");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<bool>("english");
        QTest::newRow("russian desktop") << QStringList{"ru-RU", "ru"} << QString() << false;
        QTest::newRow("english desktop") << QStringList{"en-US", "en"} << QString() << true;
        QTest::newRow("british desktop") << QStringList{"en-GB"} << QString() << true;
        QTest::newRow("bare english") << QStringList{"en"} << QString() << true;
        QTest::newRow("german desktop") << QStringList{"de-DE", "en-US"} << QString() << false;
        QTest::newRow("C locale") << QStringList{"C"} << QString() << false;
        QTest::newRow("none") << QStringList{} << QString() << false;
        QTest::newRow("not english") << QStringList{"eo"} << QString() << false;
        QTest::newRow("--lang en on russian") << QStringList{"ru-RU"} << QStringLiteral("en") << true;
        QTest::newRow("--lang ru on english") << QStringList{"en-US"} << QStringLiteral("ru") << false;
        QTest::newRow("--lang EN") << QStringList{"ru-RU"} << QStringLiteral("EN") << true;
        QTest::newRow("unknown value") << QStringList{"en-US"} << QStringLiteral("fr") << true;
    }
    void chooseLanguage()
    {
        QFETCH(QStringList, ui);
        QFETCH(QString, requested);
        QFETCH(bool, english);
        QCOMPARE(::chooseLanguage(ui, requested) == Language::English, english);
    }

    void languageArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("value");
        QTest::newRow("none") << QStringList{"vektum"} << QString();
        QTest::newRow("two words") << QStringList{"vektum", "--lang", "en"} << QStringLiteral("en");
        QTest::newRow("equals") << QStringList{"vektum", "--lang=ru"} << QStringLiteral("ru");
        QTest::newRow("single dash") << QStringList{"vektum", "-lang", "en"} << QStringLiteral("en");
        QTest::newRow("among others") << QStringList{"vektum", "-platform", "offscreen", "--lang", "en"}
                                      << QStringLiteral("en");
        QTest::newRow("missing value") << QStringList{"vektum", "--lang"} << QString();
        QTest::newRow("program name only looks like it") << QStringList{"--lang=en"} << QString();
        QTest::newRow("after --") << QStringList{"vektum", "--", "--lang", "en"} << QString();
    }
    void languageArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, value);
        QCOMPARE(::languageArgument(arguments), value);
    }

    void russianByDefault()
    {
        // The process's environment was set to a Russian desktop in main().
        QCOMPARE(installProgramServices(startupLanguage({QStringLiteral("vektum")})), Language::Russian);
        startModules();
        createWindows();
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
        QCOMPARE(button("Button1"), QStringLiteral("КОНСУЛЬТАНТ"));
        QCOMPARE(button("Button4"), QStringLiteral("ВЫХОД"));
        QCOMPARE(MainForm->windowTitle(), QStringLiteral("Вектум"));

        MessageCapture capture;
        MatrixForm->show();
        for (QLineEdit* box : MatrixForm->findChildren<QLineEdit*>())
            box->clear();
        MatrixForm->Button1Click();   // every box empty
        QCOMPARE(capture.boxes.size(), 1);
        QCOMPARE(capture.boxes[0].text, QStringLiteral("Ошибка! Введены не все данные."));
        QCOMPARE(capture.boxes[0].title, QStringLiteral("ВЕКТУМ-W"));
        QCOMPARE(translatedMessage(FormulaMessage::DivisionByZero), QStringLiteral("Ошибка: Деление на нуль"));
        destroyWindows();
        stopModules();
    }

    // English can be installed and removed again; Russian removes the catalogue.
    void switchingBackToRussian()
    {
        QVERIFY(installLanguage(Language::English));
        QCOMPARE(currentLanguage(), Language::English);
        QCOMPARE(QCoreApplication::translate("TMainForm", "ВЫХОД"), QStringLiteral("EXIT"));
        QVERIFY(installLanguage(Language::Russian));
        QCOMPARE(currentLanguage(), Language::Russian);
        QCOMPARE(QCoreApplication::translate("TMainForm", "ВЫХОД"), QStringLiteral("ВЫХОД"));
    }
};

int main(int argc, char** argv)
{
    // A Russian desktop, whatever the machine running the tests says.
    qputenv("LC_ALL", "ru_RU.UTF-8");
    qputenv("LANG", "ru_RU.UTF-8");
    qunsetenv("LANGUAGE");
    GuardedApplication app(argc, argv);
    RussianTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "russian_qtest.moc"
