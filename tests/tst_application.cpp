// The real curvescope executable on a real X server: it starts, shows its window, opens the
// demo set named on the command line, paints the curve, and quits with Ctrl+Q and exit code 0.

#include "XvfbServer.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {
// Runs a helper program against the test's X server and returns its standard output.
QByteArray runX(const XvfbServer& server, const QString& program, const QStringList& arguments,
    bool* ok = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(server.environment());
    process.start(program, arguments);
    const bool finished = process.waitForFinished(20000);
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAllStandardOutput();
}

// Polls until a window with exactly this title exists; returns its id or an empty string.
QString waitForWindow(const XvfbServer& server, const QString& title)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 30000) {
        bool ok = false;
        const QByteArray out = runX(server, "xdotool",
            {"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"},
            &ok);
        const QList<QByteArray> ids = out.trimmed().split('\n');
        if (ok && !ids.first().isEmpty())
            return QString::fromLatin1(ids.first());
        QTest::qWait(200);
    }
    return QString();
}

} // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void showsDemoAndQuitsWithCtrlQ()
    {
        XvfbServer server;
        QVERIFY2(server.start(1280, 1024), qPrintable(server.errorString()));
        // Settings of this run stay in a throwaway home: English, so the title is the English one.
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath("Orvanta"));
        QFile settings(home.filePath("Orvanta/CurveScope.conf"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[General]\nLanguage=31\n");
        settings.close();
        QProcessEnvironment env = server.environment();
        env.insert("XDG_CONFIG_HOME", home.path());
        env.insert("HOME", home.path());
        QProcess app;
        app.setProcessEnvironment(env);
        app.start(QStringLiteral(CURVESCOPE_EXECUTABLE),
            {CURVESCOPE_SOURCE_DIR "/samples/demo/speed.tlx"});
        QVERIFY(app.waitForStarted());
        const QString window = waitForWindow(server, "Orvanta Curve Scope");
        QVERIFY2(!window.isEmpty(), "the main window did not appear");
        QTest::qWait(1500); // let the plot paint

        // The screenshot stays beside the test as an artifact to look at when this fails.
        const QString shot
            = QStringLiteral(CURVESCOPE_BINARY_DIR "/test-artifacts/demo-speed-window.png");
        QDir().mkpath(QFileInfo(shot).path());
        QFile::remove(shot);
        bool ok = false;
        runX(server, "import", {"-window", window, shot}, &ok);
        QVERIFY2(ok, "import (imagemagick) could not take the screenshot");
        const QImage image(shot);
        QVERIFY(image.width() >= 700 && image.height() >= 500);
        // The speed curve is the first curve of its plot and so drawn in dark red (128, 0, 0).
        int curvePixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                curvePixels += c.red() > 100 && c.red() < 160 && c.green() < 40 && c.blue() < 40;
            }
        }
        QVERIFY2(curvePixels > 300,
            qPrintable(QString("only %1 curve pixels in %2").arg(curvePixels).arg(shot)));

        runX(server, "xdotool", {"windowactivate", "--sync", window}, &ok);
        runX(server, "xdotool", {"windowfocus", "--sync", window}, &ok);
        runX(server, "xdotool", {"key", "--clearmodifiers", "ctrl+q"}, &ok);
        QVERIFY(ok);
        QVERIFY2(app.waitForFinished(20000), "Ctrl+Q did not end the program");
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
    }

    // Regression: without a display the demo saved the whole, mostly black virtual screen.
    void demoScriptShotShowsTheWindowAlone()
    {
        const QString shot = QStringLiteral(CURVESCOPE_BINARY_DIR "/demo-screenshot.png");
        QFile::remove(shot);
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("CURVESCOPE_BUILD_DIR", CURVESCOPE_BINARY_DIR);
        env.insert("XDG_CONFIG_HOME", home.path());
        QProcess demo;
        demo.setProcessEnvironment(env);
        demo.start("bash", {CURVESCOPE_SOURCE_DIR "/scripts/run-demo.sh"});
        QVERIFY(demo.waitForFinished(120000));
        QVERIFY2(demo.exitCode() == 0, demo.readAllStandardError().constData());

        const QImage image(shot);
        QVERIFY(image.width() >= 700 && image.height() >= 500);
        QVERIFY(image.size() != QSize(1280, 900));
        // The window's own background reaches into its corner; the empty screen would be black.
        QVERIFY(image.pixelColor(image.width() - 1, image.height() - 1).lightness() > 100);
    }
};

QTEST_GUILESS_MAIN(TestApplication)
#include "tst_application.moc"
