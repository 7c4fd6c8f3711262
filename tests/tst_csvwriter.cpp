// The CSV writer: both layouts byte for byte under several regional settings and time zones,
// the fast cell formatting against the plain Qt calls, and files that are never half written.

#include "CCsvWriter.h"
#include "CsvCellFormatter.h"
#include "CsvOutputBuffer.h"
#include "LocalTimeOffsetCache.h"
#include "PlainCsvWriting.h"

#include <QtTest>
#include <QDateTime>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <ctime>
#include <limits>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

using SeriesSet = PlainCsvSeries;

qint64 Local(int y, int mo, int d, int h, int mi, int s, int ms)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::LocalTime).toMSecsSinceEpoch();
}

qint64 Utc(int y, int mo, int d, int h, int mi, int s, int ms)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC).toMSecsSinceEpoch();
}

// Named inputs that a child process with other regional settings rebuilds by name.
SeriesSet Scenario(const QString& name)
{
    SeriesSet set;
    if (name == QLatin1String("worked")) {
        set.timestamps = {{Local(2016, 3, 1, 10, 15, 0, 0), Local(2016, 3, 1, 10, 15, 1, 0),
                              Local(2016, 3, 1, 10, 15, 2, 0)},
            {Local(2016, 3, 1, 10, 15, 0, 500), Local(2016, 3, 1, 10, 15, 1, 500)}};
        set.values = {{12.5, 12.75, 12.8}, {13.0, 13.25}};
        set.names = QStringList {"A1", "A2"};
    } else if (name == QLatin1String("grouping")) {
        const qint64 t = Local(2016, 3, 1, 10, 15, 0, 250);
        set.timestamps = {{t, t + 1000, t + 2000, t + 3000, t + 4000, t + 5000}};
        set.values = {{1500.0, -1500.0, 1234567.891, -0.001, 0.125, -12.345}};
        set.names = QStringList {"Speed (RPM)"};
    } else if (name.startsWith(QLatin1String("random"))) {
        // Three series with shared, equal and out-of-order time stamps around both daylight
        // saving changes of 2016, values of every width and sign.
        QRandomGenerator random(name.mid(6).toUInt());
        const qint64 anchors[] = {Utc(2016, 3, 27, 1, 0, 0, 0), Utc(2016, 10, 30, 1, 0, 0, 0),
            Utc(1999, 12, 31, 23, 0, 0, 0)};
        for (int k = 0; k < 3; ++k) {
            QVector<qint64> ts;
            QVector<double> vs;
            const int count = 1500 + k * 400;
            qint64 t = anchors[k] - 3600 * 1000 * 3;
            for (int i = 0; i < count; ++i) {
                t += qint64(random.bounded(0, 20000));
                if (i % 97 == 0)
                    t -= 5000; // the device clock set back
                ts << t;
                const double magnitude = std::pow(10.0, random.bounded(-3, 9));
                vs << (random.generateDouble() - 0.4) * magnitude;
            }
            set.timestamps << ts;
            set.values << vs;
            set.names << QStringLiteral("C%1").arg(k);
        }
    }
    return set;
}

void AddAll(CCsvWriter& writer, const SeriesSet& set)
{
    for (int k = 0; k < set.names.size(); ++k)
        writer.AddSeries(set.timestamps[k], set.values[k], set.names[k]);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

qint64 Between(QRandomGenerator& random, qint64 lowest, qint64 highest)
{
    return lowest + qint64(random.generate64() % quint64(highest - lowest));
}

void SetTimeZone(const QByteArray& zone)
{
    qputenv("TZ", zone);
    tzset();
}

// Runs this test program again as a writer under other regional settings and time zone.
bool RunChild(const QStringList& arguments, const QString& locale, const QString& zone,
    QByteArray* output = nullptr)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", locale);
    environment.insert("TZ", zone);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(120000))
        return false;
    if (output)
        *output = child.readAll();
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

} // namespace

class TestCsvWriter : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addSeries_data();
    void addSeries();
    void setSeparator_data();
    void setSeparator();
    void nothingToWrite();
    void workedExample_data();
    void workedExample();
    void titleLine();
    void twoColumnKind();
    void shorterAndEmptySeries();
    void equalAndUnorderedTimestamps();
    void mergeMatchesStableSort_data();
    void mergeMatchesStableSort();
    void daylightSavingChange_data();
    void daylightSavingChange();
    void tabSeparator();
    void replacesExistingFile();
    void unwritableTargetKeepsNothing();
    void fullDiskKeepsEarlierFile_data();
    void fullDiskKeepsEarlierFile();
    void offsetCacheMatchesQt_data();
    void offsetCacheMatchesQt();
    void cellsMatchQt_data();
    void cellsMatchQt();
    void latin1Codec();
    void filesMatchStraightforwardWriter_data();
    void filesMatchStraightforwardWriter();

private:
    QTemporaryDir m_dir;
    QByteArray m_savedZone;
};

void TestCsvWriter::init()
{
    QVERIFY(m_dir.isValid());
    m_savedZone = qgetenv("TZ");
    CCsvWriter::SetSeparator(';');
}

void TestCsvWriter::cleanup() { SetTimeZone(m_savedZone); }

void TestCsvWriter::addSeries_data()
{
    QTest::addColumn<int>("timestampCount");
    QTest::addColumn<int>("valueCount");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("title");

    QTest::newRow("plain") << 3 << 3 << "A1" << true << "\"A1\"";
    QTest::newRow("quotes removed") << 1 << 1 << "Cyl \"7\" \"" << true << "\"Cyl 7 \"";
    QTest::newRow("semicolon kept") << 1 << 1 << "A;B" << true << "\"A;B\"";
    QTest::newRow("empty series") << 0 << 0 << "Empty" << true << "\"Empty\"";
    QTest::newRow("more values") << 2 << 3 << "X" << false << "";
    QTest::newRow("more stamps") << 3 << 0 << "X" << false << "";
}

void TestCsvWriter::addSeries()
{
    QFETCH(int, timestampCount);
    QFETCH(int, valueCount);
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QFETCH(QString, title);

    CCsvWriter writer;
    QVERIFY(writer.AddSeries({100, 200}, {1.0, 2.0}, "first"));
    QCOMPARE(writer.AddSeries(
                 QVector<qint64>(timestampCount, 7), QVector<double>(valueCount, 1.5), name),
        accepted);
    QCOMPARE(writer.SeriesCount(), accepted ? 2 : 1);
    QCOMPARE(writer.MaximumLength(), accepted ? qMax(2, timestampCount) : 2);
    QStringList expected {"Date Time", "\"first\""};
    if (accepted)
        expected << "Date Time" << title;
    QCOMPARE(writer.ColumnTitles(), expected);
}

void TestCsvWriter::setSeparator_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("tab") << QChar('\t') << true;
    QTest::newRow("semicolon") << QChar(';') << true;
    QTest::newRow("comma") << QChar(',') << false;
    QTest::newRow("blank") << QChar(' ') << false;
    QTest::newRow("nul") << QChar(0) << false;
}

void TestCsvWriter::setSeparator()
{
    QFETCH(QChar, separator);
    QFETCH(bool, accepted);
    QVERIFY(CCsvWriter::SetSeparator('\t'));
    QCOMPARE(CCsvWriter::SetSeparator(separator), accepted);
    QCOMPARE(CCsvWriter::Separator(), accepted ? separator : QChar('\t'));
}

void TestCsvWriter::nothingToWrite()
{
    const QString path = m_dir.filePath("nothing.csv");
    CCsvWriter none;
    QVERIFY(!none.WriteTimeDataPairs(path, true));
    QVERIFY(!none.WriteTimestampList(path));
    CCsvWriter empty;
    QVERIFY(empty.AddSeries({}, {}, "A1"));
    QVERIFY(!empty.AddSeries({1}, {}, "A2"));
    QVERIFY(!empty.WriteTimeDataPairs(path, true));
    QVERIFY(!empty.WriteTimestampList(path));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestCsvWriter::workedExample_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("expected");

    QTest::newRow("US pairs") << "en_US.UTF-8"
                              << "pairs"
                              << "worked"
                              << "Date Time;\"A1\";Date Time;\"A2\"\n"
                                 "2016-03-01 10:15:00.000;12.50;2016-03-01 10:15:00.500;13.00\n"
                                 "2016-03-01 10:15:01.000;12.75;2016-03-01 10:15:01.500;13.25\n"
                                 "2016-03-01 10:15:02.000;12.80; ;\n";
    QTest::newRow("US list") << "en_US.UTF-8"
                             << "list"
                             << "worked"
                             << "2016-03-01 10:15:00.000;0;12.50\n"
                                "2016-03-01 10:15:00.500;1;13.00\n"
                                "2016-03-01 10:15:01.000;0;12.75\n"
                                "2016-03-01 10:15:01.500;1;13.25\n"
                                "2016-03-01 10:15:02.000;0;12.80\n";
    QTest::newRow("German pairs") << "de_DE.UTF-8"
                                  << "pairs"
                                  << "worked"
                                  << "Date Time;\"A1\";Date Time;\"A2\"\n"
                                     "2016-03-01 10:15:00,000;12,50;2016-03-01 10:15:00,500;13,00\n"
                                     "2016-03-01 10:15:01,000;12,75;2016-03-01 10:15:01,500;13,25\n"
                                     "2016-03-01 10:15:02,000;12,80; ;\n";
    QTest::newRow("German list") << "de_DE.UTF-8"
                                 << "list"
                                 << "worked"
                                 << "2016-03-01 10:15:00,000;0;12,50\n"
                                    "2016-03-01 10:15:00,500;1;13,00\n"
                                    "2016-03-01 10:15:01,000;0;12,75\n"
                                    "2016-03-01 10:15:01,500;1;13,25\n"
                                    "2016-03-01 10:15:02,000;0;12,80\n";
    QTest::newRow("German grouping")
        << "de_DE.UTF-8"
        << "list"
        << "grouping"
        << "2016-03-01 10:15:00,250;0;1.500,00\n2016-03-01 10:15:01,250;0;-1.500,00\n"
           "2016-03-01 10:15:02,250;0;1.234.567,89\n2016-03-01 10:15:03,250;0;-0,00\n"
           "2016-03-01 10:15:04,250;0;0,13\n2016-03-01 10:15:05,250;0;-12,35\n";
    QTest::newRow("US grouping")
        << "en_US.UTF-8"
        << "list"
        << "grouping"
        << "2016-03-01 10:15:00.250;0;1,500.00\n2016-03-01 10:15:01.250;0;-1,500.00\n"
           "2016-03-01 10:15:02.250;0;1,234,567.89\n2016-03-01 10:15:03.250;0;-0.00\n"
           "2016-03-01 10:15:04.250;0;0.13\n2016-03-01 10:15:05.250;0;-12.35\n";
    // Swedish groups with a no-break space and writes the minus as U+2212.
    QTest::newRow("Swedish grouping")
        << "sv_SE.UTF-8"
        << "list"
        << "grouping"
        << QString::fromUtf8(
               "2016-03-01 10:15:00,250;0;1\u00a0500,00\n2016-03-01 10:15:01,250;0;\u2212"
               "1\u00a0500,00\n2016-03-01 10:15:02,250;0;1\u00a0234\u00a0567,89\n"
               "2016-03-01 10:15:03,250;0;\u22120,00\n2016-03-01 10:15:04,250;0;0,13\n"
               "2016-03-01 10:15:05,250;0;\u221212,35\n");
    // Qt's system locale for plain C settings still groups digits, unlike QLocale::c().
    QTest::newRow("C grouping")
        << "C.UTF-8"
        << "list"
        << "grouping"
        << "2016-03-01 10:15:00.250;0;1,500.00\n2016-03-01 10:15:01.250;0;-1,500.00\n"
           "2016-03-01 10:15:02.250;0;1,234,567.89\n2016-03-01 10:15:03.250;0;-0.00\n"
           "2016-03-01 10:15:04.250;0;0.13\n2016-03-01 10:15:05.250;0;-12.35\n";
}

void TestCsvWriter::workedExample()
{
    QFETCH(QString, locale);
    QFETCH(QString, layout);
    QFETCH(QString, scenario);
    QFETCH(QString, expected);

    const QString path = m_dir.filePath(QString("%1-%2.csv").arg(layout, scenario));
    QByteArray output;
    QVERIFY2(RunChild({"--write-csv", scenario, layout, path}, locale, "Europe/Berlin", &output),
        output.constData());
    QCOMPARE(QString::fromUtf8(ReadAll(path)), expected);
}

void TestCsvWriter::titleLine()
{
    CCsvWriter writer;
    writer.AddSeries({0}, {1.0}, "Cyl \"1\"");
    writer.AddSeries({0}, {2.0}, "A;B");
    writer.AddSeries({}, {}, "\"\"");
    const QString path = m_dir.filePath("titles.csv");
    QVERIFY(writer.WriteTimeDataPairs(path, true));
    const QList<QByteArray> lines = ReadAll(path).split('\n');
    QCOMPARE(lines.value(0), QByteArray("Date Time;\"Cyl 1\";Date Time;\"A;B\";Date Time;\"\""));

    QVERIFY(writer.WriteTimeDataPairs(path, false));
    QCOMPARE(ReadAll(path).count('\n'), 1);
    QVERIFY(!ReadAll(path).contains("Date Time"));
}

void TestCsvWriter::twoColumnKind()
{
    CCsvWriter writer;
    const qint64 t = Local(2020, 7, 4, 23, 59, 59, 999);
    writer.AddSeries({t, t + 1}, {-7.0, 1e6}, QString::fromUtf8("Global Timing [\u00b0]"));
    const QString path = m_dir.filePath("two.csv");
    QVERIFY(writer.WriteTimeDataPairs(path, true));
    // The test runs under C.UTF-8: decimal point, comma grouping, UTF-8 degree sign.
    QCOMPARE(ReadAll(path),
        QByteArray("Date Time;\"Global Timing [\xc2\xb0]\"\n"
                   "2020-07-04 23:59:59.999;-7.00\n"
                   "2020-07-05 00:00:00.000;1,000,000.00\n"));
}

void TestCsvWriter::shorterAndEmptySeries()
{
    const qint64 t = Local(2016, 3, 1, 10, 15, 0, 0);
    CCsvWriter writer;
    writer.AddSeries({t}, {1.0}, "short");
    writer.AddSeries({}, {}, "empty");
    writer.AddSeries({t + 1, t + 2}, {2.0, 3.0}, "long");
    const QString pairs = m_dir.filePath("pairs.csv");
    const QString list = m_dir.filePath("list.csv");
    QVERIFY(writer.WriteTimeDataPairs(pairs, true));
    QVERIFY(writer.WriteTimestampList(list));
    QCOMPARE(ReadAll(pairs),
        QByteArray("Date Time;\"short\";Date Time;\"empty\";Date Time;\"long\"\n"
                   "2016-03-01 10:15:00.000;1.00; ;;2016-03-01 10:15:00.001;2.00\n"
                   " ;; ;;2016-03-01 10:15:00.002;3.00\n"));
    // The empty cylinder keeps number 1, so the last series stays number 2.
    QCOMPARE(ReadAll(list),
        QByteArray("2016-03-01 10:15:00.000;0;1.00\n"
                   "2016-03-01 10:15:00.001;2;2.00\n"
                   "2016-03-01 10:15:00.002;2;3.00\n"));
}

void TestCsvWriter::equalAndUnorderedTimestamps()
{
    const qint64 t = Local(2016, 3, 1, 10, 15, 0, 0);
    CCsvWriter writer;
    writer.AddSeries({t + 5, t + 5, t + 1}, {1.0, 2.0, 3.0}, "a");
    writer.AddSeries({t, t + 5}, {4.0, 5.0}, "b");
    writer.AddSeries({t + 5, t + 9, t + 5}, {6.0, 7.0, 8.0}, "c");
    const QString path = m_dir.filePath("order.csv");
    QVERIFY(writer.WriteTimestampList(path));
    // Equal stamps: lower series first, stored order within a series; a stamp that goes back
    // in time moves before the later ones, as a stable sort puts it.
    QCOMPARE(ReadAll(path),
        QByteArray("2016-03-01 10:15:00.000;1;4.00\n"
                   "2016-03-01 10:15:00.001;0;3.00\n"
                   "2016-03-01 10:15:00.005;0;1.00\n"
                   "2016-03-01 10:15:00.005;0;2.00\n"
                   "2016-03-01 10:15:00.005;1;5.00\n"
                   "2016-03-01 10:15:00.005;2;6.00\n"
                   "2016-03-01 10:15:00.005;2;8.00\n"
                   "2016-03-01 10:15:00.009;2;7.00\n"));
}

void TestCsvWriter::mergeMatchesStableSort_data()
{
    QTest::addColumn<int>("seriesCount");
    // Both merge strategies: the scan over few series and the heap over many.
    for (const int count : {1, 2, 16, 32, 33, 40, 100})
        QTest::newRow(qPrintable(QString("%1 series").arg(count))) << count;
}

void TestCsvWriter::mergeMatchesStableSort()
{
    QFETCH(int, seriesCount);
    QRandomGenerator random {quint32(seriesCount)};
    SeriesSet set;
    const qint64 start = Utc(2016, 3, 1, 9, 0, 0, 0);
    for (int k = 0; k < seriesCount; ++k) {
        QVector<qint64> ts;
        QVector<double> vs;
        qint64 t = start + random.bounded(0, 50);
        const int count = random.bounded(0, 300);
        for (int i = 0; i < count; ++i) {
            // Coarse steps give many equal stamps across and within series; now and then the
            // clock goes back.
            t += random.bounded(0, 3) * 10 - (random.bounded(0, 40) == 0 ? 60 : 0);
            ts << t;
            vs << double(random.bounded(-100000, 100000)) / 8.0;
        }
        set.timestamps << ts;
        set.values << vs;
        set.names << QString::number(k);
    }
    CCsvWriter writer;
    AddAll(writer, set);
    const QString fast = m_dir.filePath("merge.csv");
    const QString reference = m_dir.filePath("merge.ref");
    QVERIFY(writer.WriteTimestampList(fast));
    QVERIFY(WritePlainCsv(set, true, reference));
    QCOMPARE(ReadAll(fast), ReadAll(reference));
}

void TestCsvWriter::daylightSavingChange_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<qint64>("utc");
    QTest::addColumn<QByteArray>("expected");

    // Spring: 01:00 UTC is 02:00 CET, which the clocks skip to 03:00 CEST.
    const qint64 spring = Utc(2016, 3, 27, 1, 0, 0, 0);
    QTest::newRow("Berlin spring")
        << QByteArray("Europe/Berlin") << spring
        << QByteArray("2016-03-27 01:59:59.999;0;1.00\n2016-03-27 03:00:00.000;0;2.00\n"
                      "2016-03-27 03:00:00.001;0;3.00\n");
    // Autumn: the hour from 02:00 to 03:00 comes twice.
    const qint64 autumn = Utc(2016, 10, 30, 1, 0, 0, 0);
    QTest::newRow("Berlin autumn")
        << QByteArray("Europe/Berlin") << autumn
        << QByteArray("2016-10-30 02:59:59.999;0;1.00\n2016-10-30 02:00:00.000;0;2.00\n"
                      "2016-10-30 02:00:00.001;0;3.00\n");
    // Lord Howe Island moves its clocks by half an hour.
    const qint64 lordHowe = Utc(2016, 10, 1, 15, 30, 0, 0);
    QTest::newRow("Lord Howe spring")
        << QByteArray("Australia/Lord_Howe") << lordHowe
        << QByteArray("2016-10-02 01:59:59.999;0;1.00\n2016-10-02 02:30:00.000;0;2.00\n"
                      "2016-10-02 02:30:00.001;0;3.00\n");
    QTest::newRow("New York spring")
        << QByteArray("America/New_York") << Utc(2016, 3, 13, 7, 0, 0, 0)
        << QByteArray("2016-03-13 01:59:59.999;0;1.00\n2016-03-13 03:00:00.000;0;2.00\n"
                      "2016-03-13 03:00:00.001;0;3.00\n");
}

void TestCsvWriter::daylightSavingChange()
{
    QFETCH(QByteArray, zone);
    QFETCH(qint64, utc);
    QFETCH(QByteArray, expected);

    SetTimeZone(zone);
    CCsvWriter writer;
    writer.AddSeries({utc - 1, utc, utc + 1}, {1.0, 2.0, 3.0}, "s");
    const QString path = m_dir.filePath("dst.csv");
    QVERIFY(writer.WriteTimestampList(path));
    QCOMPARE(ReadAll(path), expected);
}

void TestCsvWriter::tabSeparator()
{
    QVERIFY(CCsvWriter::SetSeparator('\t'));
    CCsvWriter writer;
    const qint64 t = Local(2016, 3, 1, 10, 15, 0, 0);
    writer.AddSeries({t}, {1.0}, "a");
    writer.AddSeries({}, {}, "b");
    const QString pairs = m_dir.filePath("tab.csv");
    const QString list = m_dir.filePath("tablist.csv");
    QVERIFY(writer.WriteTimeDataPairs(pairs, true));
    QVERIFY(writer.WriteTimestampList(list));
    QCOMPARE(ReadAll(pairs),
        QByteArray("Date Time\t\"a\"\tDate Time\t\"b\"\n2016-03-01 10:15:00.000\t1.00\t \t\n"));
    QCOMPARE(ReadAll(list), QByteArray("2016-03-01 10:15:00.000\t0\t1.00\n"));
}

void TestCsvWriter::replacesExistingFile()
{
    const QString path = m_dir.filePath("existing.csv");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();
    QVERIFY(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    CCsvWriter writer;
    writer.AddSeries({Local(2016, 3, 1, 0, 0, 0, 0)}, {2.5}, "a");
    QVERIFY(writer.WriteTimestampList(path));
    QCOMPARE(ReadAll(path), QByteArray("2016-03-01 00:00:00.000;0;2.50\n"));
    // Replacing keeps the earlier file's permissions and leaves no temporary file behind.
    const QFileDevice::Permissions relevant = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
        | QFileDevice::WriteOther;
    QCOMPARE(QFile::permissions(path) & relevant, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(QDir(m_dir.path()).entryList({"existing*"}, QDir::Files | QDir::Hidden),
        QStringList {"existing.csv"});
}

void TestCsvWriter::unwritableTargetKeepsNothing()
{
    // A folder that is a plain file cannot hold anything, not even for the super-user.
    const QString blocker = m_dir.filePath("blocker");
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    CCsvWriter writer;
    writer.AddSeries({1}, {2.0}, "a");
    QVERIFY(!writer.WriteTimeDataPairs(blocker + "/out.csv", true));
    QVERIFY(!writer.WriteTimestampList(m_dir.filePath("missing/out.csv")));
    QVERIFY(!QFileInfo::exists(m_dir.filePath("missing")));
}

void TestCsvWriter::fullDiskKeepsEarlierFile_data()
{
    QTest::addColumn<QString>("layout");
    QTest::newRow("pairs") << "pairs";
    QTest::newRow("list") << "list";
}

void TestCsvWriter::fullDiskKeepsEarlierFile()
{
#ifdef Q_OS_UNIX
    // Regression: a disk that fills up while writing left a truncated CSV and reported success.
    QFETCH(QString, layout);
    const QString path = m_dir.filePath("full-" + layout + ".csv");
    const QByteArray earlier("earlier export\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(earlier);
    file.close();

    QByteArray output;
    QVERIFY(!RunChild({"--write-csv", "random7", layout, path, "--file-size-limit", "65536"},
        "C.UTF-8", "Europe/Berlin", &output));
    QVERIFY2(output.contains("write failed"), output.constData());
    QCOMPARE(ReadAll(path), earlier);
    QCOMPARE(QDir(m_dir.path()).entryList({"full-" + layout + "*"}, QDir::Files | QDir::Hidden),
        QStringList {"full-" + layout + ".csv"});

    // The same export without the limit succeeds, so the limit was what failed it.
    QVERIFY2(
        RunChild({"--write-csv", "random7", layout, path}, "C.UTF-8", "Europe/Berlin", &output),
        output.constData());
    QVERIFY(ReadAll(path).size() > 65536);
#else
    QSKIP("File size limits are a POSIX feature");
#endif
}

void TestCsvWriter::offsetCacheMatchesQt_data()
{
    QTest::addColumn<QByteArray>("zone");
    for (const char* zone : {"UTC", "Europe/Berlin", "America/New_York", "Australia/Lord_Howe",
             "Asia/Kolkata", "Pacific/Chatham", "America/St_Johns", "Africa/Casablanca",
             "Europe/Amsterdam", "CET-1CEST,M3.5.0,M10.5.0/3"})
        QTest::newRow(zone) << QByteArray(zone);
}

void TestCsvWriter::offsetCacheMatchesQt()
{
    QFETCH(QByteArray, zone);
    SetTimeZone(zone);
    LocalTimeOffsetCache cache;
    QRandomGenerator random(42);
    // Every hour of three years in order, then random times from 1900 to 2100 and back again,
    // then the milliseconds right around each transition found on the way.
    QVector<qint64> times;
    for (qint64 t = Utc(2015, 1, 1, 0, 0, 0, 0); t < Utc(2018, 1, 1, 0, 0, 0, 0); t += 3599999)
        times << t;
    for (int i = 0; i < 3000; ++i)
        times << Between(random, Utc(1900, 1, 1, 0, 0, 0, 0), Utc(2100, 1, 1, 0, 0, 0, 0));
    const int scanned = times.size();
    for (int i = 1; i < scanned; ++i) {
        if (LocalTimeOffsetCache::ReferenceOffset(times[i - 1])
                != LocalTimeOffsetCache::ReferenceOffset(times[i])
            && times[i] > times[i - 1]) {
            qint64 low = times[i - 1];
            qint64 high = times[i];
            while (high - low > 1) {
                const qint64 middle = low + (high - low) / 2;
                (LocalTimeOffsetCache::ReferenceOffset(middle)
                            == LocalTimeOffsetCache::ReferenceOffset(low)
                        ? low
                        : high)
                    = middle;
            }
            times << high - 2 << high - 1 << high << high + 1;
        }
    }
    QVERIFY(times.size() > scanned || zone == "UTC" || zone == "Asia/Kolkata");
    for (const qint64 t : times)
        QCOMPARE(cache.OffsetAt(t), LocalTimeOffsetCache::ReferenceOffset(t));
}

void TestCsvWriter::cellsMatchQt_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<bool>("fastDigits");

    QTest::newRow("en_US Berlin") << "en_US" << QByteArray("Europe/Berlin") << true;
    QTest::newRow("de_DE New York") << "de_DE" << QByteArray("America/New_York") << true;
    QTest::newRow("fr_FR Lord Howe") << "fr_FR" << QByteArray("Australia/Lord_Howe") << true;
    QTest::newRow("sv_SE Chatham") << "sv_SE" << QByteArray("Pacific/Chatham") << true;
    QTest::newRow("de_CH Kolkata") << "de_CH" << QByteArray("Asia/Kolkata") << true;
    QTest::newRow("hi_IN St Johns") << "hi_IN" << QByteArray("America/St_Johns") << true;
    QTest::newRow("C UTC") << "C" << QByteArray("UTC") << true;
    QTest::newRow("ru_RU Casablanca") << "ru_RU" << QByteArray("Africa/Casablanca") << true;
    QTest::newRow("es_ES POSIX rule")
        << "es_ES" << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3") << true;
    // Arabic-Indic and Persian digits: every cell goes through Qt.
    QTest::newRow("ar_EG Cairo") << "ar_EG" << QByteArray("Africa/Cairo") << false;
    QTest::newRow("fa_IR Tehran") << "fa_IR" << QByteArray("Asia/Tehran") << false;
}

void TestCsvWriter::cellsMatchQt()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, zone);
    QFETCH(bool, fastDigits);

    SetTimeZone(zone);
    const QLocale qlocale(locale);
    QTextCodec* codec = QTextCodec::codecForName("UTF-8");
    CsvCellFormatter formatter(qlocale, codec);
    QCOMPARE(formatter.FastDateTimes(), fastDigits);
    QCOMPARE(formatter.FastValues(), fastDigits);

    QRandomGenerator random(1234);
    // Time stamps: sorted runs through 2016, random ones over 1000 years, and both ends of
    // the four-digit years where Qt's own text takes over.
    QVector<qint64> times;
    for (qint64 t = Utc(2016, 3, 25, 0, 0, 0, 0); t < Utc(2016, 4, 5, 0, 0, 0, 0); t += 7777777)
        times << t;
    for (int i = 0; i < 4000; ++i)
        times << Between(random, Utc(1500, 1, 1, 0, 0, 0, 0), Utc(2500, 1, 1, 0, 0, 0, 0));
    // Dense runs that reuse the cached minute, across the European changes of 2016.
    for (const qint64 change : {Utc(2016, 3, 27, 1, 0, 0, 0), Utc(2016, 10, 30, 1, 0, 0, 0)})
        for (qint64 t = change - 150000; t < change + 150000; t += 333)
            times << t;
    times << Utc(999, 12, 31, 23, 0, 0, 0) << Utc(1000, 1, 2, 0, 0, 0, 1)
          << Utc(9999, 12, 31, 0, 0, 0, 0) << Utc(10000, 1, 2, 0, 0, 0, 0) << -1 << 0
          << -Q_INT64_C(62135596800000) << std::numeric_limits<qint64>::max()
          << std::numeric_limits<qint64>::min();
    for (const qint64 t : times)
        QCOMPARE(formatter.DateTimeBytes(t),
            codec->fromUnicode(CsvCellFormatter::ReferenceDateTime(qlocale, t)));

    // Values: halves and near-halves at two decimals, every magnitude and sign, the values
    // a reader gets from "%.3f"-like text, zeros, tiny, huge and non-finite ones.
    QVector<double> values {0.0, -0.0, 0.005, -0.005, 0.015, 0.125, -0.125, 0.375, 2.675, 1.005,
        999.995, 9999.995, -0.001, -0.004999, -0.005000001, 1e-320, -1e-320, 4.5e15, 1e13,
        9.99999999999e12, -1e13, 1e300, -1e300, std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(), 1500.0,
        -1500.0, 123456789.125, 0.995, 0.994999999999};
    for (int i = 0; i < 5000; ++i) {
        const double magnitude = std::pow(10.0, random.bounded(-4, 14));
        values << (random.generateDouble() * 2.0 - 1.0) * magnitude;
        values << double(random.bounded(-2000000, 2000000)) / 1000.0;
        values << (double(random.bounded(0, 10000000)) + 0.5) / 100.0;
        values << std::nextafter(values.last(), 0.0);
    }
    for (const double v : values)
        QCOMPARE(formatter.ValueBytes(v),
            codec->fromUnicode(CsvCellFormatter::ReferenceValue(qlocale, v)));
}

void TestCsvWriter::latin1Codec()
{
    // Separators that Latin-1 cannot hold (U+2212, U+202F) must come out as Qt's codec puts them.
    QTextCodec* codec = QTextCodec::codecForName("ISO-8859-1");
    QVERIFY(codec);
    for (const char* name : {"sv_SE", "fr_FR", "de_DE", "de_CH"}) {
        const QLocale locale(name);
        CsvCellFormatter formatter(locale, codec);
        for (const double v : {-1234567.891, -0.5, 1500.0, 12.345})
            QCOMPARE(formatter.ValueBytes(v),
                codec->fromUnicode(CsvCellFormatter::ReferenceValue(locale, v)));
        const qint64 t = Utc(2016, 3, 1, 9, 15, 0, 250);
        QCOMPARE(formatter.DateTimeBytes(t),
            codec->fromUnicode(CsvCellFormatter::ReferenceDateTime(locale, t)));
    }
}

void TestCsvWriter::filesMatchStraightforwardWriter_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("layout");

    const QStringList locales {"en_US.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "sv_SE.UTF-8",
        "de_CH.UTF-8", "ar_EG.UTF-8", "C.UTF-8"};
    const QStringList zones {"Europe/Berlin", "America/New_York", "Australia/Lord_Howe", "UTC"};
    for (int i = 0; i < locales.size(); ++i) {
        for (const char* layout : {"pairs", "list"}) {
            const QString zone = zones[i % zones.size()];
            QTest::newRow(qPrintable(QString("%1 %2 %3").arg(locales[i], zone, layout)))
                << locales[i] << zone << QString(layout);
        }
    }
}

void TestCsvWriter::filesMatchStraightforwardWriter()
{
    // The writer under the system's own regional settings and zone, in a child process, against
    // the plain QTextStream writer in that same process.
    QFETCH(QString, locale);
    QFETCH(QString, zone);
    QFETCH(QString, layout);
    const QString fast = m_dir.filePath("fast.csv");
    QByteArray output;
    QVERIFY2(RunChild({"--write-csv", "random3", layout, fast, "--reference", fast + ".ref"},
                 locale, zone, &output),
        output.constData());
    const QByteArray expected = ReadAll(fast + ".ref");
    QVERIFY(expected.count('\n') > 2000);
    QCOMPARE(ReadAll(fast), expected);
}

// Child mode: --write-csv <scenario> <pairs|list> <file> [--reference <file>]
// [--file-size-limit <bytes>]
static int WriteCsvChild(const QStringList& arguments)
{
    const SeriesSet set = Scenario(arguments.value(2));
    const bool list = arguments.value(3) == QLatin1String("list");
    const QString path = arguments.value(4);
    const int referenceAt = arguments.indexOf("--reference");
    if (referenceAt > 0 && !WritePlainCsv(set, list, arguments.value(referenceAt + 1)))
        return 3;
    const int limitAt = arguments.indexOf("--file-size-limit");
    if (limitAt > 0) {
#ifdef Q_OS_UNIX
        // Writes past the limit fail with EFBIG instead of killing the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t bytes = arguments.value(limitAt + 1).toULongLong();
        const struct rlimit limit = {bytes, bytes};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 4;
#endif
    }
    CCsvWriter writer;
    AddAll(writer, set);
    const bool written
        = list ? writer.WriteTimestampList(path) : writer.WriteTimeDataPairs(path, true);
    QTextStream(stdout) << (written ? "written" : "write failed") << '\n';
    return written ? 0 : 1;
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.value(1) == QLatin1String("--write-csv"))
        return WriteCsvChild(arguments);
    TestCsvWriter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_csvwriter.moc"
