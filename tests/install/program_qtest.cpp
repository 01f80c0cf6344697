// The program's command line, through the parser and through the built
// program, and its compiled-in icon.
#include "app/commandline.h"
#include "app/programicon.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

namespace {

const QString kVersionLine = QStringLiteral("ВЕКТУМ-W, версия %1\n").arg(QStringLiteral(VEKTUM_EXPECTED_VERSION));

// What `vektum --help` prints: usage, one line per option of the program, and
// the note that Qt's options are accepted.
const QString kHelp = QStringLiteral("Использование: vektum [параметры]\n"
                                     "ВЕКТУМ-W — обучающая система по статике.\n"
                                     "\n"
                                     "Параметры:\n"
                                     "  -h, --help       показать эту справку и выйти\n"
                                     "  -v, --version    показать версию программы и выйти\n"
                                     "  --lang <язык>    язык текстов: ru (русский) или en (английский)\n"
                                     "  --check <файлы>  проверить файлы задач, сообщить об ошибках и выйти\n"
                                     "\n"
                                     "Принимаются и стандартные параметры Qt, например -platform <имя>,\n"
                                     "-style <стиль>, -reverse.\n");

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runProgram(const QStringList& arguments, const QString& platform = QStringLiteral("offscreen"))
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VEKTUM_BINARY), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void parsing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("exits");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("text");   // the whole text, or a part of an error

        const QString help = kHelp;
        QTest::newRow("nothing") << QStringList{} << false << 0 << QString();
        QTest::newRow("--help") << QStringList{"--help"} << true << 0 << help;
        QTest::newRow("-h") << QStringList{"-h"} << true << 0 << help;
        QTest::newRow("--version") << QStringList{"--version"} << true << 0 << kVersionLine;
        QTest::newRow("-v") << QStringList{"-v"} << true << 0 << kVersionLine;
        QTest::newRow("help wins over version") << QStringList{"--version", "--help"} << true << 0 << help;
        QTest::newRow("Qt options") << QStringList{"-platform", "offscreen", "-style=Fusion", "-reverse",
                                                   "--qwindowtitle", "x"}
                                     << false << 0 << QString();
        QTest::newRow("Qt option before --version") << QStringList{"-platform", "offscreen", "--version"}
                                                    << true << 0 << kVersionLine;
        QTest::newRow("unknown long") << QStringList{"--bogus"} << true << 2
                                      << QStringLiteral("неизвестный параметр «--bogus»");
        QTest::newRow("unknown with value") << QStringList{"--colour=red"} << true << 2
                                            << QStringLiteral("неизвестный параметр «--colour»");
        QTest::newRow("letters are no short options") << QStringList{"-hv"} << true << 2
                                                      << QStringLiteral("неизвестный параметр «-hv»");
        // The option named is the one that lacks its value, not the first
        // option that takes one; whatever follows an option is its value.
        const QString lacks = QStringLiteral("у параметра «%1» нет значения");
        QTest::newRow("value missing") << QStringList{"-platform"} << true << 2 << lacks.arg("-platform");
        QTest::newRow("value missing after --lang ru")
            << QStringList{"--lang", "ru", "-platform"} << true << 2 << lacks.arg("-platform");
        QTest::newRow("value missing after -style=")
            << QStringList{"-style=Fusion", "--lang"} << true << 2 << lacks.arg("--lang");
        QTest::newRow("value missing after a Qt option's value")
            << QStringList{"-platform", "offscreen", "--qwindowtitle"} << true << 2 << lacks.arg("--qwindowtitle");
        QTest::newRow("an option as a value")
            << QStringList{"-platform", "-style", "-style"} << true << 2 << lacks.arg("-style");
        QTest::newRow("a file") << QStringList{"task.txt"} << true << 2
                                << QStringLiteral("лишний аргумент «task.txt»");
    }

    void parsing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, exits);
        QFETCH(int, exitCode);
        QFETCH(QString, text);
        const CommandLineOutcome outcome = parseCommandLine(QStringList{"/usr/bin/vektum"} + arguments);
        QCOMPARE(outcome.exit, exits);
        QCOMPARE(outcome.exitCode, exitCode);
        if (exitCode == 0) {
            QCOMPARE(outcome.text, text);
        } else {
            QVERIFY2(outcome.text.startsWith(QStringLiteral("vektum: ") + text), qPrintable(outcome.text));
            QVERIFY(outcome.text.contains(QStringLiteral("vektum --help")));
        }
    }

    void helpIsRussianAndNamesEveryOption()
    {
        const QString help = helpText(QStringLiteral("vektum"));
        QVERIFY(help.startsWith(QStringLiteral("Использование: vektum [параметры]\n")));
        for (const char* option : {"-h, --help", "-v, --version", "-platform", "-style"})
            QVERIFY2(help.contains(QString::fromLatin1(option)), option);
        QVERIFY(!help.contains(QStringLiteral("Usage")));
        QVERIFY(!help.contains(QStringLiteral("Options")));
    }

    // The built program: output streams and exit statuses.
    void program_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("errStart");

        QTest::newRow("version") << QStringList{"--version"} << 0 << kVersionLine << QString();
        QTest::newRow("help") << QStringList{"--help"} << 0 << kHelp << QString();
        QTest::newRow("unknown") << QStringList{"--bogus"} << 2 << QString()
                                 << QStringLiteral("vektum: неизвестный параметр «--bogus»\n");
        // --check: the report on each file, the status 1 when one has an error.
        const QString example = QStringLiteral(VEKTUM_PROBLEMS_DIR "/example.toml");
        const QString old = QStringLiteral(VEKTUM_OLD_EXAMPLE);
        QTest::newRow("check passes") << QStringList{"--check", example} << 0
                                      << example + QStringLiteral(": проверка пройдена\n") << QString();
        QTest::newRow("check fails") << QStringList{"--check", example, old} << 1 << QString()
                                     << example + QStringLiteral(": проверка пройдена\n") + old
                                            + QStringLiteral(":121:17: шаг 6: верный ответ");
        QTest::newRow("check in English") << QStringList{"--lang", "en", "--check", old} << 1 << QString()
                                          << old + QStringLiteral(":121:17: step 6: the right answer");
        const QString longQuestion = QStringLiteral(VEKTUM_PROBLEM_FIXTURES "/long-question.toml");
        QTest::newRow("check finds a question too long") << QStringList{"--check", longQuestion} << 1 << QString()
            << longQuestion + QStringLiteral(":21:1: ключ «steps[1].question»: текст на языке en не помещается");
        QTest::newRow("check without files") << QStringList{"--check"} << 2 << QString()
                                             << QStringLiteral("vektum: у параметра «--check» нет файлов\n");
    }

    void program()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, errStart);
        const Run run = runProgram(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        QVERIFY2(errStart.isEmpty() ? run.err.isEmpty() : run.err.startsWith(errStart), qPrintable(run.err));
    }

    // -platform reaches Qt: with a platform that does not exist in the
    // environment the program would stop at once; the option overrides it and
    // the program runs until it is ended.
    void qtOptionsReachTheApplication()
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(VEKTUM_BINARY),
                      {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-style"),
                       QStringLiteral("Fusion")});
        QVERIFY(process.waitForStarted());
        const bool ended = process.waitForFinished(3000);
        if (!ended) {
            process.terminate();
            if (!process.waitForFinished(10000))
                process.kill();
            process.waitForFinished();
        }
        QVERIFY2(!ended, process.readAllStandardError().constData());

        const Run wrong = runProgram({}, QStringLiteral("no-such-platform"));
        QVERIFY(wrong.exitCode != 0);
    }

    void iconHasItsThreeRenderings()
    {
        const QIcon icon = programIcon();
        QVERIFY(!icon.isNull());
        for (int size : {48, 128, 256}) {
            const QPixmap pixmap = icon.pixmap(QSize(size, size));
            QCOMPARE(pixmap.size(), QSize(size, size));
            const QImage image = pixmap.toImage();
            // Not blank: the white plate, the black beam and the coloured arrows.
            QSet<QRgb> colours;
            for (int y = 0; y < size; y += 4)
                for (int x = 0; x < size; x += 4)
                    colours.insert(image.pixel(x, y));
            QVERIFY2(colours.size() > 3, qPrintable(QString::number(size)));
        }
        QCOMPARE(icon.availableSizes(),
                 (QList<QSize>{QSize(48, 48), QSize(128, 128), QSize(256, 256)}));
    }
};

QTEST_MAIN(ProgramTest)
#include "program_qtest.moc"
