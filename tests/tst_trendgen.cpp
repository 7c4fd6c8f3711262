// The trend set generator: reproducible bytes, files the real readers take line by line, the
// committed demo set, and its command line.

#include "ConfigurationReader.h"
#include "DatafileReaderThreeColumns.h"
#include "DatafileReaderTwoColumns.h"
#include "TrendGenCommandLine.h"
#include "TrendSetGenerator.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTrendGen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void sameSeedSameBytes();
    void readersAcceptEveryLine_data();
    void readersAcceptEveryLine();
    void demoSetIsTheGeneratorsOutput();
    void commandLine();

private:
    QTemporaryDir m_dir;
};

void TestTrendGen::sameSeedSameBytes()
{
    TrendSetGenerator::Options options;
    options.durationSeconds = 300.0;
    for (const char* folder : {"a", "b", "c"}) {
        options.outputFolder = m_dir.filePath(folder);
        options.seed = folder[0] == 'c' ? 99 : 1;
        QVERIFY(TrendSetGenerator::WriteSet(options));
    }
    for (const RecordingKind kind : TrendSetGenerator::AllKinds()) {
        const QString name = FileNameOf(kind);
        const QByteArray a = ReadAll(m_dir.filePath("a/" + name));
        QVERIFY2(!a.isEmpty() && a == ReadAll(m_dir.filePath("b/" + name))
                && a != ReadAll(m_dir.filePath("c/" + name)),
            qPrintable(name));
    }
}

void TestTrendGen::readersAcceptEveryLine_data()
{
    QTest::addColumn<int>("cylinders");
    QTest::addColumn<double>("rate");
    QTest::addColumn<bool>("fahrenheit");
    QTest::newRow("one cylinder, 20 Hz, Fahrenheit") << 1 << 20.0 << true;
    QTest::newRow("V12, 1 Hz") << 12 << 1.0 << false;
}

void TestTrendGen::readersAcceptEveryLine()
{
    QFETCH(int, cylinders);
    QFETCH(double, rate);
    QFETCH(bool, fahrenheit);
    TrendSetGenerator::Options options;
    options.outputFolder = m_dir.filePath(QTest::currentDataTag());
    options.numberOfCylinders = cylinders;
    options.sampleRateHz = rate;
    options.durationSeconds = 600.0;
    options.fahrenheit = fahrenheit;
    QVERIFY(TrendSetGenerator::WriteSet(options));

    ConfigurationReader configuration;
    QVERIFY(configuration.ReadFile(QDir(options.outputFolder).filePath(ConfigurationFileName)));
    QVERIFY(configuration.IsValid());
    QCOMPARE(configuration.GetStartTime(), options.startTime);
    QCOMPARE(configuration.GetNumberOfCylinders(), cylinders);
    QCOMPARE(configuration.GetCylinderNames(), TrendSetGenerator::DefaultCylinderNames(cylinders));
    QCOMPARE(configuration.GetTemperatureUnitText() == QString::fromUtf8("°F"), fahrenheit);
    for (const RecordingKind kind : TrendSetGenerator::AllKinds()) {
        DatafileReaderTwoColumns two;
        DatafileReaderThreeColumns three;
        DatafileReaderInterface& reader = LayoutOf(kind) == ColumnLayout::TwoColumns
            ? static_cast<DatafileReaderInterface&>(two)
            : three;
        QVERIFY(reader.ReadFile(
            QDir(options.outputFolder).filePath(FileNameOf(kind)), options.startTime, cylinders));
        qint64 samples = 0;
        for (int c = 0; c < (&reader == &two ? 1 : cylinders); ++c) {
            samples += reader.GetTimestamps(c).size();
            QVERIFY(reader.GetTimestamps(c).last() < options.startTime + 600 * 1000);
        }
        QCOMPARE(samples, TrendSetGenerator::LineCount(kind, options));
        QCOMPARE(samples, qint64(600 * rate) * (&reader == &two ? 1 : cylinders));
    }
}

void TestTrendGen::demoSetIsTheGeneratorsOutput()
{
    // The committed demo is exactly what samples/make-demo.sh makes, and stays small.
    const QDir demo(QStringLiteral(CURVESCOPE_SOURCE_DIR "/samples/demo"));
    TrendSetGenerator::Options options = TrendSetGenerator::DemoOptions();
    options.outputFolder = m_dir.filePath("demo");
    QVERIFY(TrendSetGenerator::WriteSet(options));
    QCOMPARE(demo.entryList(QDir::Files), QDir(options.outputFolder).entryList(QDir::Files));
    QCOMPARE(demo.entryList(QDir::Files).size(), 8);
    for (const QString& name : demo.entryList(QDir::Files)) {
        const QByteArray committed = ReadAll(demo.filePath(name));
        QVERIFY2(committed == ReadAll(QDir(options.outputFolder).filePath(name)), qPrintable(name));
        QVERIFY2(committed.count('\n') <= 5000, qPrintable(name));
    }
}

void TestTrendGen::commandLine()
{
    TrendGenCommandLine line;
    QCOMPARE(
        line.Parse({"curvescope-trendgen", "--start", "2026-07-01T12:00:00+02:00", "--duration",
            "90.5", "--rate", "20", "--cylinders", "3", "--names", "X,Y", "--fahrenheit", "--files",
            "speed,temperatures.tlx", "--lines", "1000", "--seed", "42", "out"}),
        TrendGenCommandLine::Run);
    const TrendSetGenerator::Options& o = line.GetOptions();
    QCOMPARE(o.startTime, QDateTime(QDate(2026, 7, 1), QTime(10, 0), Qt::UTC).toMSecsSinceEpoch());
    QCOMPARE(QString("%1 %2 %3 %4 %5 %6 %7 %8").arg(o.outputFolder).arg(o.durationSeconds)
                 .arg(o.sampleRateHz).arg(o.numberOfCylinders).arg(o.cylinderNames.join(','))
                 .arg(o.fahrenheit).arg(o.linesPerFile).arg(o.seed),
        QString("out 90.5 20 3 X,Y 1 1000 42"));
    QCOMPARE(o.kinds, (QVector<RecordingKind> {RecordingKind::Speed, RecordingKind::Temperatures}));
    QCOMPARE(TrendGenCommandLine().Parse({"curvescope-trendgen", "--cylinders", "six", "out"}),
        TrendGenCommandLine::Failed);
}

QTEST_GUILESS_MAIN(TestTrendGen)
#include "tst_trendgen.moc"
