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

    QTemporaryDir m_dir;

private slots:
    void sameSeedSameBytesThatTheReadersTakeWhole()
    {
        TrendSetGenerator::Options options;
        options.durationSeconds = 600.0;
        options.fahrenheit = true;
        for (const char* folder : {"a", "b", "c"}) {
            options.outputFolder = m_dir.filePath(folder);
            options.seed = folder[0] == 'c' ? 99 : 1;
            QVERIFY(TrendSetGenerator::WriteSet(options));
        }
        const QDir a(m_dir.filePath("a"));
        ConfigurationReader configuration;
        QVERIFY(configuration.ReadFile(a.filePath(ConfigurationFileName)));
        QVERIFY(configuration.IsValid());
        QCOMPARE(configuration.GetStartTime(), options.startTime);
        QCOMPARE(configuration.GetCylinderNames(), TrendSetGenerator::DefaultCylinderNames(6));
        QCOMPARE(configuration.GetTemperatureUnitText(), QString("°F"));
        for (const RecordingKind kind : TrendSetGenerator::AllKinds()) {
            const QString name = FileNameOf(kind);
            const QByteArray bytes = ReadAll(a.filePath(name));
            QVERIFY2(bytes == ReadAll(m_dir.filePath("b/" + name)), qPrintable(name));
            QVERIFY2(bytes != ReadAll(m_dir.filePath("c/" + name)), qPrintable(name));
            const bool twoColumns = LayoutOf(kind) == ColumnLayout::TwoColumns;
            DatafileReaderTwoColumns two;
            DatafileReaderThreeColumns three;
            DatafileReaderInterface& reader
                = twoColumns ? static_cast<DatafileReaderInterface&>(two) : three;
            QVERIFY(reader.ReadFile(a.filePath(name), options.startTime, 6));
            for (int c = 0; c < (twoColumns ? 1 : 6); ++c) {
                QCOMPARE(reader.GetTimestamps(c).size(), 600);
                QVERIFY(reader.GetTimestamps(c).last() < options.startTime + 600 * 1000);
            }
        }
    }

    void demoSetIsTheGeneratorsOutput()
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
            QVERIFY2(
                committed == ReadAll(QDir(options.outputFolder).filePath(name)), qPrintable(name));
            QVERIFY2(committed.count('\n') <= 5000, qPrintable(name));
        }
    }

    void commandLine()
    {
        TrendGenCommandLine line;
        QCOMPARE(line.Parse({"curvescope-trendgen", "--start", "2026-07-01T12:00:00+02:00",
                     "--files", "speed,temperatures.tlx", "out"}),
            TrendGenCommandLine::Run);
        QCOMPARE(line.GetOptions().startTime,
            QDateTime(QDate(2026, 7, 1), QTime(10, 0), Qt::UTC).toMSecsSinceEpoch());
        QCOMPARE(line.GetOptions().kinds,
            (QVector<RecordingKind> {RecordingKind::Speed, RecordingKind::Temperatures}));
        QCOMPARE(line.GetOptions().outputFolder, QString("out"));
        QCOMPARE(TrendGenCommandLine().Parse({"curvescope-trendgen", "--cylinders", "six", "out"}),
            TrendGenCommandLine::Failed);
    }
};

QTEST_GUILESS_MAIN(TestTrendGen)
#include "tst_trendgen.moc"
