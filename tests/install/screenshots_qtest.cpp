// The screenshot tool writes the six windows, each at its window's size.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class ScreenshotsTest : public QObject {
    Q_OBJECT

private slots:
    void writesEveryWindowAtItsSize()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath(QStringLiteral("shots"));   // made by the tool
        QProcess tool;
        tool.start(QStringLiteral(VEKTUM_SCREENSHOTS_TOOL), {folder});
        QVERIFY(tool.waitForFinished(300000));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());

        const struct {
            const char* file;
            QSize size;
        } shots[] = {
            {"main.png", {688, 446}},
            {"example.png", {680, 446}},
            {"reference.png", {726, 531}},
            {"solver.png", {665, 604}},
            {"keys.png", {554, 399}},
            {"about.png", {}},   // as large as its texts
        };
        for (const auto& shot : shots) {
            const QImage image(folder + QLatin1Char('/') + QLatin1String(shot.file));
            QVERIFY2(!image.isNull(), shot.file);
            if (shot.size.isValid())
                QCOMPARE(image.size(), shot.size);
            // Something was drawn: more than the window's background colour.
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); y += 7)
                for (int x = 0; x < image.width(); x += 7)
                    colours.insert(image.pixel(x, y));
            QVERIFY2(colours.size() > 2, shot.file);
        }
    }
};

QTEST_MAIN(ScreenshotsTest)
#include "screenshots_qtest.moc"
