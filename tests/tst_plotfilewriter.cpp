// The plot file writer on its own: each format is written whole and recognised as whole, a
// file cut short is not, and a failed write leaves the earlier file of that name.

#include "LockedFolder.h"
#include "PlotFileWriter.h"
#include "TrendPlot.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
bool WriteEarlierFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("earlier") == 7;
}
}

class TestPlotFileWriter : public QObject {
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void failureKeepsEarlierFile();
    void folderThatRefusesNewFiles();
};

void TestPlotFileWriter::formats_data()
{
    QTest::addColumn<QString>("suffix");
    for (const char* suffix : {"png", "jpg", "bmp", "svg", "pdf"})
        QTest::newRow(suffix) << suffix;
}

void TestPlotFileWriter::formats()
{
    QFETCH(QString, suffix);
    QTemporaryDir dir;
    TrendPlot plot;
    plot.AddCurve({1e12, 1e12 + 1000, 1e12 + 2000}, {1.0, 3.0, 2.0}, "curve");
    const QString path = dir.filePath("plot." + suffix);
    QVERIFY(PlotFileWriter::Write(&plot, path));
    QVERIFY(PlotFileWriter::IsComplete(path, suffix));
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"plot." + suffix});

    // Regression: a document that stopped when the disk filled up was taken as written.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(whole.left(whole.size() * 2 / 3));
    file.close();
    QVERIFY(!PlotFileWriter::IsComplete(path, suffix));
}

void TestPlotFileWriter::failureKeepsEarlierFile()
{
    QTemporaryDir dir;
    TrendPlot plot;
    // PostScript is offered, but Qwt 6.1 with Qt 5 writes none: the renderer leaves the file empty.
    const QString path = dir.filePath("plot.ps");
    QVERIFY(WriteEarlierFile(path));
    QFile earlier(path);
    QVERIFY(!PlotFileWriter::Write(&plot, path));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"plot.ps"});
}

// Regression: every plot export failed in a folder that lets existing files be overwritten only.
void TestPlotFileWriter::folderThatRefusesNewFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("plot.png");
    QVERIFY(WriteEarlierFile(path));
    LockedFolder lock(dir.path());
    if (!lock.IsLocked())
        QSKIP("no way to make a folder that refuses new files here");
    TrendPlot plot;
    plot.AddCurve({1e12, 1e12 + 1000}, {1.0, 3.0}, "curve");
    QVERIFY(PlotFileWriter::Write(&plot, path));
    QVERIFY(PlotFileWriter::IsComplete(path, "png"));
    // A new file there is a real failure, and the temporary file made elsewhere is gone.
    QVERIFY(!PlotFileWriter::Write(&plot, dir.filePath("new.png")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"plot.png"});
    QCOMPARE(QDir(QDir::tempPath()).entryList({".curvescope-*"}, QDir::Files | QDir::Hidden),
        QStringList());
}

QTEST_MAIN(TestPlotFileWriter)
#include "tst_plotfilewriter.moc"
