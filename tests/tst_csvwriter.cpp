// The CSV writer: both layouts byte for byte under several regional settings and time zones,
// the fast cell formatting against the plain Qt calls, and files that are never half written.

#include "CCsvWriter.h"
#include "CsvCellFormatter.h"
#include "FailingDevice.h"
#include "LocalTimeOffsetCache.h"
#include "LockedFolder.h"
#include "PlainCsvWriting.h"

#include <QtTest>
#include <QDateTime>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextCodec>
#include <cmath>
#include <ctime>
#include <limits>

namespace {

qint64 Utc(int y, int mo, int d, int h, int mi, int s, int ms)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC).toMSecsSinceEpoch();
}

// 2016-03-01 10:15:00.000 in Berlin, where the tests run.
const qint64 T = Utc(2016, 3, 1, 9, 15, 0, 0);

// Three series with equal and out-of-order time stamps around both daylight saving changes of
// 2016 and the turn of a century, values of every width and sign; a child process with other
// regional settings rebuilds them from the seed.
PlainCsvSeries Scenario(quint32 seed)
{
    PlainCsvSeries set;
    QRandomGenerator random(seed);
    for (const qint64 anchor : {Utc(2016, 3, 27, 1, 0, 0, 0), Utc(2016, 10, 30, 1, 0, 0, 0),
             Utc(1999, 12, 31, 23, 0, 0, 0)}) {
        QVector<qint64> ts;
        QVector<double> vs;
        qint64 t = anchor - 3600 * 1000 * 3;
        for (int i = 0; i < 2000; ++i) {
            t += qint64(random.bounded(0, 20000)) - (i % 97 == 0 ? 25000 : 0);
            ts << t;
            vs << (random.generateDouble() - 0.4) * std::pow(10.0, random.bounded(-3, 9));
        }
        set.timestamps << ts;
        set.values << vs;
        set.names << QStringLiteral("C%1").arg(set.names.size());
    }
    return set;
}

CCsvWriter WriterOf(const PlainCsvSeries& set)
{
    CCsvWriter writer;
    for (int k = 0; k < set.names.size(); ++k)
        writer.AddSeries(set.timestamps[k], set.values[k], set.names[k]);
    return writer;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

void SetTimeZone(const QByteArray& zone)
{
    qputenv("TZ", zone);
    tzset();
}

// Runs this test program again as a writer under other regional settings and time zone.
bool RunChild(
    const QStringList& arguments, const QString& locale, const QString& zone, QByteArray* output)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", locale);
    environment.insert("TZ", zone);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    const bool finished = child.waitForFinished(120000);
    *output = child.readAll();
    return finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

} // namespace

class TestCsvWriter : public QObject {
    Q_OBJECT

private slots:
    void init();
    void seriesAndSeparators();
    void layouts_data();
    void layouts();
    void mergeMatchesStableSort_data();
    void mergeMatchesStableSort();
    void filesMatchStraightforwardWriter_data();
    void filesMatchStraightforwardWriter();
    void replacesExistingFile();
    void failingDeviceFailsTheExport();
    void folderThatRefusesNewFiles();
    void cellsMatchQt_data();
    void cellsMatchQt();
    void everyLocaleMatchesQt()
    {
        // Whatever the formatter decides for a locale, fast or not, its cells are Qt's.
        QTextCodec* codec = QTextCodec::codecForName("UTF-8");
        int fast = 0;
        const auto locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyCountry);
        for (const QLocale& locale : locales) {
            CsvCellFormatter formatter(locale, codec);
            fast += formatter.FastValues();
            for (const double v : {-1234567.891, -0.005, 0.125, 999.995, 12345678.9, 1e13})
                QCOMPARE(formatter.ValueBytes(v),
                    codec->fromUnicode(CsvCellFormatter::ReferenceValue(locale, v)));
            for (const qint64 t : {T, T + 59999, qint64(-1), Q_INT64_C(253402300799999)})
                QCOMPARE(formatter.DateTimeBytes(t),
                    codec->fromUnicode(CsvCellFormatter::ReferenceDateTime(locale, t)));
        }
        QVERIFY(fast > locales.size() / 2);
        // A codec that does not encode piece by piece as it encodes the whole (UTF-16 starts
        // every piece with a byte order mark) fails the probes and leaves the cells to Qt.
        QTextCodec* utf16 = QTextCodec::codecForName("UTF-16");
        CsvCellFormatter pieces(QLocale(QLocale::German), utf16);
        QVERIFY(!pieces.FastDateTimes() && !pieces.FastValues());
        QCOMPARE(pieces.ValueBytes(-1234.5),
            utf16->fromUnicode(
                CsvCellFormatter::ReferenceValue(QLocale(QLocale::German), -1234.5)));
        QCOMPARE(pieces.DateTimeBytes(T),
            utf16->fromUnicode(CsvCellFormatter::ReferenceDateTime(QLocale(QLocale::German), T)));
    }

private:
    QTemporaryDir m_dir;
};

void TestCsvWriter::init()
{
    QVERIFY(m_dir.isValid());
    CCsvWriter::SetSeparator(';');
    SetTimeZone("Europe/Berlin");
}

void TestCsvWriter::seriesAndSeparators()
{
    CCsvWriter writer;
    QVERIFY(writer.AddSeries({T, T + 1}, {1.0, 2.0}, "Cyl \"7\" \""));
    QVERIFY(!writer.AddSeries({T}, {}, "more stamps"));
    QVERIFY(!writer.AddSeries({}, {1.0}, "more values"));
    QVERIFY(writer.AddSeries({}, {}, "A;B"));
    QCOMPARE(writer.SeriesCount(), 2);
    QCOMPARE(writer.MaximumLength(), 2);
    QCOMPARE(
        writer.ColumnTitles(), QStringList({"Date Time", "\"Cyl 7 \"", "Date Time", "\"A;B\""}));
    for (const QChar refused : {QChar(','), QChar(' '), QChar(0)}) {
        QVERIFY(!CCsvWriter::SetSeparator(refused));
        QCOMPARE(CCsvWriter::Separator(), QChar(';'));
    }
    QVERIFY(CCsvWriter::SetSeparator('\t'));
    QCOMPARE(CCsvWriter::Separator(), QChar('\t'));

    // Nothing to write: no file, not even a temporary one.
    CCsvWriter empty;
    QVERIFY(empty.AddSeries({}, {}, "A1"));
    QVERIFY(!empty.WriteTimeDataPairs(m_dir.filePath("nothing.csv"), true));
    QVERIFY(!empty.WriteTimestampList(m_dir.filePath("nothing.csv")));
    QVERIFY(!CCsvWriter().WriteTimestampList(m_dir.filePath("nothing.csv")));
    // A folder below a plain file cannot exist, not even for the super-user.
    QVERIFY(!writer.WriteTimeDataPairs(m_dir.filePath("nothing.csv/out.csv"), true));
    QCOMPARE(QDir(m_dir.path()).entryList({"nothing*"}, QDir::Files | QDir::Hidden), QStringList());
}

void TestCsvWriter::layouts_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QByteArray>("expected");
    // Under C.UTF-8: decimal point, comma grouping, UTF-8 degree sign.
    const QByteArray title = "Date Time;\"short\";Date Time;\"empty\";Date Time;\"Timing [\xc2\xb0]\"\n";
    const QByteArray rows = "2016-03-01 10:15:00.000;1.00; ;;2016-03-01 10:15:00.005;2.00\n"
                            " ;; ;;2016-03-01 10:15:00.001;1,000,000.00\n"
                            " ;; ;;2016-03-01 10:15:00.005;-3.00\n";
    QTest::newRow("pairs: shorter, empty and longer series") << ";" << "pairs" << title + rows;
    QTest::newRow("pairs without title line") << ";" << "untitled" << rows;
    QTest::newRow("tab separator") << "\t" << "pairs" << QByteArray(title + rows).replace(';', '\t');
    // The empty series keeps number 1; equal stamps go in series order, a stamp that goes back
    // moves before the later ones, as a stable sort puts it.
    QTest::newRow("list: merged in time order")
        << ";" << "list"
        << QByteArray("2016-03-01 10:15:00.000;0;1.00\n2016-03-01 10:15:00.001;2;1,000,000.00\n"
                      "2016-03-01 10:15:00.005;2;2.00\n2016-03-01 10:15:00.005;2;-3.00\n");
}

void TestCsvWriter::layouts()
{
    QFETCH(QString, separator);
    QFETCH(QString, layout);
    QFETCH(QByteArray, expected);
    QVERIFY(CCsvWriter::SetSeparator(separator.at(0)));
    CCsvWriter writer;
    writer.AddSeries({T}, {1.0}, "short");
    writer.AddSeries({}, {}, "empty");
    writer.AddSeries({T + 5, T + 1, T + 5}, {2.0, 1e6, -3.0}, QString::fromUtf8("Timing [\u00b0]"));
    const QString path = m_dir.filePath("layout.csv");
    QVERIFY(layout == "list" ? writer.WriteTimestampList(path)
                             : writer.WriteTimeDataPairs(path, layout == "pairs"));
    QCOMPARE(ReadAll(path), expected);
}

void TestCsvWriter::mergeMatchesStableSort_data()
{
    QTest::addColumn<int>("seriesCount");
    // Both merge strategies: the scan over few series and the heap over many.
    for (const int count : {1, 2, 32, 33, 100})
        QTest::addRow("%d series", count) << count;
}

void TestCsvWriter::mergeMatchesStableSort()
{
    QFETCH(int, seriesCount);
    QRandomGenerator random {quint32(seriesCount)};
    PlainCsvSeries set;
    for (int k = 0; k < seriesCount; ++k) {
        QVector<qint64> ts;
        QVector<double> vs;
        qint64 t = T + random.bounded(0, 50);
        for (int i = random.bounded(0, 300); i > 0; --i) {
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
    QVERIFY(WriterOf(set).WriteTimestampList(m_dir.filePath("merge.csv")));
    QVERIFY(WritePlainCsv(set, true, m_dir.filePath("merge.ref")));
    QCOMPARE(ReadAll(m_dir.filePath("merge.csv")), ReadAll(m_dir.filePath("merge.ref")));
}

void TestCsvWriter::filesMatchStraightforwardWriter_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("zone");
    for (const char* layout : {"pairs", "list"}) {
        for (const char* row : {"en_US Europe/Berlin", "de_CH America/New_York",
                 "sv_SE Australia/Lord_Howe", "ar_EG UTC"}) {
            const QStringList parts = QString(row).split(' ');
            QTest::addRow("%s %s", row, layout) << parts[0] + ".UTF-8" << parts[1];
        }
    }
}

void TestCsvWriter::filesMatchStraightforwardWriter()
{
    // The writer under the system's own regional settings and zone, in a child process, against
    // the plain QTextStream writer in that same process.
    QFETCH(QString, locale);
    QFETCH(QString, zone);
    const QString layout = QString(QTest::currentDataTag()).section(' ', -1);
    const QString fast = m_dir.filePath("fast.csv");
    QByteArray output;
    QVERIFY2(RunChild({"--write-csv", "3", layout, fast, "--reference"}, locale, zone, &output),
        output.constData());
    QVERIFY(ReadAll(fast + ".ref").count('\n') > 2000);
    QCOMPARE(ReadAll(fast), ReadAll(fast + ".ref"));
}

void TestCsvWriter::replacesExistingFile()
{
    const QString path = m_dir.filePath("existing.csv");
    QVERIFY(WriteFile(path, QByteArray(100000, 'x')));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    CCsvWriter writer;
    writer.AddSeries({T}, {2.5}, "a");
    QVERIFY(writer.WriteTimestampList(path));
    QCOMPARE(ReadAll(path), QByteArray("2016-03-01 10:15:00.000;0;2.50\n"));
    // Replacing keeps the earlier file's permissions and leaves no temporary file behind.
    QCOMPARE(QFile::permissions(path) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(QDir(m_dir.path()).entryList({"existing*"}, QDir::Files | QDir::Hidden),
        QStringList {"existing.csv"});
    QVERIFY(QFile::remove(path));
}

// Regression: every export failed in a folder that lets existing files be overwritten only.
void TestCsvWriter::folderThatRefusesNewFiles()
{
    const QString folder = m_dir.filePath("locked");
    QVERIFY(QDir(m_dir.path()).mkdir("locked"));
    const QString pairs = folder + "/pairs.csv";
    const QString list = folder + "/list.csv";
    QVERIFY(WriteFile(pairs, "x") && WriteFile(list, "x"));
    LockedFolder lock(folder);
    if (!lock.IsLocked())
        QSKIP("no way to make a folder that refuses new files here");

    CCsvWriter writer;
    writer.AddSeries({T}, {2.5}, "a");
    QVERIFY(writer.WriteTimeDataPairs(pairs, true));
    QCOMPARE(ReadAll(pairs), QByteArray("Date Time;\"a\"\n2016-03-01 10:15:00.000;2.50\n"));
    QVERIFY(writer.WriteTimestampList(list));
    QCOMPARE(ReadAll(list), QByteArray("2016-03-01 10:15:00.000;0;2.50\n"));
    // A new file there is a real failure.
    QVERIFY(!writer.WriteTimestampList(folder + "/new.csv"));
    QCOMPARE(
        QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"list.csv", "pairs.csv"}));
}

void TestCsvWriter::failingDeviceFailsTheExport()
{
    // Regression: a disk that fills up while writing left a truncated CSV and reported success.
    CCsvWriter writer = WriterOf(Scenario(5));
    for (const bool list : {false, true}) {
        FailingDevice whole(std::numeric_limits<qint64>::max());
        QVERIFY(list ? writer.WriteTimestampList(whole) : writer.WriteTimeDataPairs(whole, true));
        const qint64 size = whole.taken.size();
        QVERIFY(size > 131072);
        for (const qint64 capacity : {qint64(0), qint64(65536), size - 1}) {
            FailingDevice device(capacity);
            QVERIFY(!(list ? writer.WriteTimestampList(device)
                           : writer.WriteTimeDataPairs(device, true)));
            QCOMPARE(device.taken, whole.taken.left(int(capacity)));
        }
        FailingDevice exact(size);
        QVERIFY(list ? writer.WriteTimestampList(exact) : writer.WriteTimeDataPairs(exact, true));
    }
}

void TestCsvWriter::cellsMatchQt_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<bool>("fastDigits");

    // Arabic-Indic and Persian digits: every cell goes through Qt.
    for (const char* row : {"en_US Europe/Berlin", "de_DE America/New_York", "fr_FR Australia/Lord_Howe",
             "sv_SE Pacific/Chatham", "hi_IN America/St_Johns", "ru_RU Africa/Casablanca", "C UTC",
             "es_ES CET-1CEST,M3.5.0,M10.5.0/3", "ar_EG Africa/Cairo", "fa_IR Asia/Tehran"}) {
        const QStringList parts = QString(row).split(' ');
        QTest::newRow(row) << parts[0] << parts[1].toLatin1()
                           << !(parts[0].startsWith("ar") || parts[0].startsWith("fa"));
    }
}

void TestCsvWriter::cellsMatchQt()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, zone);
    QFETCH(bool, fastDigits);
    SetTimeZone(zone);
    const QLocale qlocale(locale);
    for (const char* codecName : {"UTF-8", "ISO-8859-1"}) {
        QTextCodec* codec = QTextCodec::codecForName(codecName);
        CsvCellFormatter formatter(qlocale, codec);
        // A fast path that silently falls back to Qt would only cost speed: it must be in use.
        if (codec->name() == "UTF-8") {
            QCOMPARE(formatter.FastDateTimes(), fastDigits);
            QCOMPARE(formatter.FastValues(), fastDigits);
        }

        // A millisecond either side of each daylight saving change and turn of minute, hour, day
        // and year, both ways, so a kept minute reaching one millisecond too far shows; then
        // times over 1000 years and the ends of four-digit years.
        QRandomGenerator random(1234);
        QVector<qint64> times;
        for (qint64 t = Utc(2016, 1, 1, 0, 0, 0, 0); t < Utc(2017, 1, 1, 0, 0, 0, 0);
             t += 3600000) {
            const qint64 before = LocalTimeOffsetCache::ReferenceOffset(t);
            qint64 low = t;
            qint64 high = t + 3600000;
            if (LocalTimeOffsetCache::ReferenceOffset(high) == before)
                continue;
            while (high - low > 1) {
                const qint64 middle = low + (high - low) / 2;
                (LocalTimeOffsetCache::ReferenceOffset(middle) == before ? low : high) = middle;
            }
            times << high - 1 << high << high + 1 << high << high - 1;
        }
        for (const qint64 local : {Utc(2016, 3, 1, 10, 15, 0, 0), Utc(2016, 3, 1, 11, 0, 0, 0),
                 Utc(2016, 3, 2, 0, 0, 0, 0), Utc(2017, 1, 1, 0, 0, 0, 0)}) {
            const qint64 turn = local - LocalTimeOffsetCache::ReferenceOffset(local);
            times << turn - 1 << turn << turn + 1 << turn << turn - 1 << turn - 60000;
        }
        for (int i = 0; i < 4000; ++i)
            times << Utc(1500, 1, 1, 0, 0, 0, 0) + qint64(random.generate64() % 31556952000000ULL);
        for (qint64 t = Utc(2016, 3, 27, 0, 58, 0, 0); t < Utc(2016, 3, 27, 1, 2, 0, 0); t += 333)
            times << t;
        times << Utc(999, 12, 31, 23, 0, 0, 0) << Utc(1000, 1, 2, 0, 0, 0, 1)
              << Utc(9999, 12, 31, 0, 0, 0, 0) << Utc(10000, 1, 2, 0, 0, 0, 0) << -1 << 0
              << std::numeric_limits<qint64>::max() << std::numeric_limits<qint64>::min();
        for (const qint64 t : times)
            QCOMPARE(formatter.DateTimeBytes(t),
                codec->fromUnicode(CsvCellFormatter::ReferenceDateTime(qlocale, t)));

        // Halves and near-halves at two decimals, every magnitude and sign, tiny, huge and
        // non-finite values.
        QVector<double> values {0.0, -0.0, 0.005, -0.005, 0.015, 0.125, -0.125, 2.675, 1.005,
            999.995, 9999.995, -0.004999, -0.005000001, 1e-320, 4.5e15, 1e13, 9.99999999999e12,
            -1e13, 1e300, std::numeric_limits<double>::infinity(),
            -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
            std::numeric_limits<double>::max(), 123456789.125, 0.995, 0.994999999999};
        for (int i = 0; i < 4000; ++i) {
            values << (random.generateDouble() * 2.0 - 1.0)
                    * std::pow(10.0, random.bounded(-4, 14));
            values << double(random.bounded(-2000000, 2000000)) / 1000.0;
            values << (double(random.bounded(0, 10000000)) + 0.5) / 100.0;
            values << std::nextafter(values.last(), 0.0);
        }
        for (const double v : values)
            QCOMPARE(formatter.ValueBytes(v),
                codec->fromUnicode(CsvCellFormatter::ReferenceValue(qlocale, v)));
    }
}

// Child mode: --write-csv <scenario> <pairs|list> <file> [--reference]
static int WriteCsvChild(const QStringList& arguments)
{
    const PlainCsvSeries set = Scenario(arguments.value(2).toUInt());
    const bool list = arguments.value(3) == QLatin1String("list");
    const QString path = arguments.value(4);
    if (arguments.contains("--reference") && !WritePlainCsv(set, list, path + ".ref"))
        return 3;
    // The writer itself uses the fast formatting under these settings, unless the digits are
    // not ASCII.
    const CsvCellFormatter cells(QLocale::system(), QTextCodec::codecForLocale());
    if (cells.FastDateTimes() != !QLocale::system().name().startsWith("ar"))
        return 5;
    CCsvWriter writer = WriterOf(set);
    const bool written
        = list ? writer.WriteTimestampList(path) : writer.WriteTimeDataPairs(path, true);
    QTextStream(stdout) << (written ? "written" : "write failed") << '\n';
    return written ? 0 : 1;
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) == QLatin1String("--write-csv"))
        return WriteCsvChild(app.arguments());
    TestCsvWriter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_csvwriter.moc"
