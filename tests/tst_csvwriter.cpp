// The CSV writer: both layouts byte for byte under several regional settings and time zones,
// the fast cell formatting against the plain Qt calls, and files that are never half written.

#include "CCsvWriter.h"
#include "CsvCellFormatter.h"
#include "CsvOutputBuffer.h"
#include "FileFailures.h"
#include "LocalTimeOffsetCache.h"
#include "PlainCsvWriting.h"
#include "TrendSetFiles.h"

#include <QtTest>
#include <cmath>
#include <ctime>
#include <limits>

namespace {

qint64 Utc(int y, int mo, int d, int h = 0, int mi = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC).toMSecsSinceEpoch();
}

// 2016-03-01 10:15:00.000 in Berlin, where the tests run.
const qint64 T = Utc(2016, 3, 1, 9, 15);

// Series around both daylight saving changes of 2016 and the turn of a century, values of every
// width and sign. The stamps lie on a coarse grid, so they repeat within and across series, and
// now and then the clock goes back. A child process rebuilds them from the count. About `rows`
// samples in all.
PlainCsvSeries Scenario(int count, int rows = 3000)
{
    PlainCsvSeries set;
    QRandomGenerator random {quint32(count)};
    const qint64 anchors[] = {Utc(2016, 3, 27, 1), Utc(2016, 10, 30, 1), Utc(1999, 12, 31, 23)};
    for (int k = 0; k < count; ++k) {
        const int length = rows / count + random.bounded(rows / count);
        qint64 t = anchors[k % 3] - length * 2503 / 2;
        set.timestamps.append(QVector<qint64>());
        set.values.append(QVector<double>());
        for (int i = 0; i < length; ++i) {
            t += random.bounded(3) * 2503 - (random.bounded(40) == 0 ? 60 * 2503 : 0);
            set.timestamps[k] << t;
            set.values[k] << (random.generateDouble() - 0.4)
                    * std::pow(10.0, random.bounded(-3, 9));
        }
        set.names << QStringLiteral("C%1").arg(k);
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

} // namespace

class TestCsvWriter : public QObject {
    Q_OBJECT

private slots:
    void layouts()
    {
        const QString path = m_dir.filePath("layout.csv");
        CCsvWriter writer;
        QVERIFY(!writer.AddSeries({T}, {}, "more stamps"));
        writer.AddSeries({T}, {1.0}, "\"sh\"ort");
        writer.AddSeries({}, {}, "e,mpty\"");
        writer.AddSeries({T + 5, T + 1, T + 5}, {2.0, 1e6, -3.0}, QString::fromUtf8("T [°]"));
        // Under C.UTF-8: decimal point, comma grouping, UTF-8 degree sign; quotes leave names.
        const QByteArray title
            = "Date Time;\"short\";Date Time;\"e,mpty\";Date Time;\"T [\xc2\xb0]\"\n";
        const QByteArray rows = "2016-03-01 10:15:00.000;1.00; ;;2016-03-01 10:15:00.005;2.00\n"
                                " ;; ;;2016-03-01 10:15:00.001;1,000,000.00\n"
                                " ;; ;;2016-03-01 10:15:00.005;-3.00\n";
        QVERIFY(writer.WriteTimeDataPairs(path, true));
        QCOMPARE(TrendSetFiles::read(path), title + rows);
        for (const QChar refused : {QChar(','), QChar(' '), QChar(0)})
            QVERIFY(!CCsvWriter::SetSeparator(refused));
        QCOMPARE(CCsvWriter::Separator(), QChar(';'));
        QVERIFY(CCsvWriter::SetSeparator('\t'));
        QVERIFY(writer.WriteTimeDataPairs(path, true));
        QCOMPARE(TrendSetFiles::read(path), QByteArray(title + rows).replace(';', '\t'));
        QVERIFY(CCsvWriter::SetSeparator(';'));

        // Nothing to write: false, on a device too, and no file, not even a temporary one.
        CCsvWriter empty;
        empty.AddSeries({}, {}, "A1");
        QVERIFY(!empty.WriteTimeDataPairs(m_dir.filePath("nothing.csv"), true));
        QVERIFY(!empty.WriteTimestampList(m_dir.filePath("nothing.csv")));
        QBuffer none;
        QVERIFY(!empty.WriteTimeDataPairs(none, true) && !empty.WriteTimestampList(none));
        QCOMPARE(
            QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"layout.csv"});
        // Pieces that fill the output buffer to the byte, or exceed it, arrive whole and in order;
        // with a writing thread, all of them by the time Flush returns, however slow the device.
        struct SlowDevice : QBuffer {
            qint64 writeData(const char* data, qint64 n) override
            {
                QThread::msleep(20);
                return QBuffer::writeData(data, n);
            }
        };
        for (const auto writing :
            {CsvOutputBuffer::Writing::Inline, CsvOutputBuffer::Writing::Overlapped}) {
            SlowDevice device;
            QVERIFY(device.open(QIODevice::WriteOnly));
            CsvOutputBuffer out(&device, 0, writing);
            const QByteArray full(int(out.Capacity()), 'f'),
                large(int(out.Capacity()) * 2 + 5, 'L');
            for (const QByteArray& piece : {full, QByteArray("abc"), large, QByteArray("x")})
                out.Append(piece.constData(), piece.size());
            QVERIFY(out.Flush() && device.data() == full + "abc" + large + "x");
        }
    }

    void filesMatchPlainWriter_data()
    {
        // Regional settings and zones, each in both layouts; then the merge over few series (a
        // scan) and over many (a heap).
        QTest::addColumn<QStringList>("settings");
        for (const char* row : {"en_US Europe/Berlin", "de_CH America/New_York",
                 "sv_SE Australia/Lord_Howe", "ar_EG UTC"})
            for (const char* layout : {"pairs", "list"})
                QTest::addRow("%s %s", row, layout) << (QString(row).split(' ') << layout << "3");
        for (const char* count : {"1", "2", "32", "33", "100"})
            QTest::addRow("%s series", count) << QStringList {"C", "Europe/Berlin", "list", count};
        // Files of many blocks, which a second thread writes while the next ones are formatted;
        // with memory too short for that thread's stack, written in turn.
        for (const char* layout : {"pairs", "list"})
            QTest::addRow("many blocks %s", layout)
                << QStringList {"en_US", "Europe/Berlin", layout, "3", "200000"};
#if defined(Q_OS_LINUX) && !defined(__SANITIZE_ADDRESS__)
        // (AddressSanitizer maps terabytes of shadow memory: it cannot run in a limited address
        // space.)
        for (const char* layout : {"pairs", "list"})
            QTest::addRow("many blocks %s, memory short", layout)
                << QStringList {"en_US", "Europe/Berlin", layout, "3", "200000", "short"};
#endif
    }

    void filesMatchPlainWriter()
    {
        // The writer under the system's own regional settings and zone, in a child process,
        // against the plain QTextStream writer in that same process.
        QFETCH(QStringList, settings);
        const QString path = m_dir.filePath("fast.csv");
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", settings[0] + ".UTF-8");
        environment.insert("TZ", settings[1]);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
            {"--write-csv", settings[3], settings[2], path, settings.value(4, "3000"),
                settings.value(5)});
        QVERIFY(child.waitForFinished(120000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(TrendSetFiles::read(path + ".ref").count('\n') > 1000);
        QCOMPARE(TrendSetFiles::read(path), TrendSetFiles::read(path + ".ref"));
    }

    void diskFullKeepsEarlierFile_data()
    {
        // Where the target goes, and the room on the disk counted from the size of the whole
        // file: one byte short, half of it, or just enough.
        QTest::addColumn<QString>("target");
        QTest::addColumn<double>("room");
        QTest::addColumn<bool>("list");
        QTest::addColumn<int>("rows");
        for (const char* target : {"new", "replaced", "in place"})
            for (const double room : {-1.0, 0.5, 1.0})
                for (const bool list : {false, true})
                    QTest::addRow("%s %g %s", target, room, list ? "list" : "pairs")
                        << target << room << list << 3000;
        // The target itself on a full disk: the copy of the earlier file is put back.
        QTest::newRow("in place on a small disk")
            << "in place on a small disk" << 1.0 << false << 3000;
        // The disk full while the writing thread has blocks in hand and the next are formatted.
        for (const bool list : {false, true})
            QTest::addRow("replaced 0.5 %s, many blocks", list ? "list" : "pairs")
                << "replaced" << 0.5 << list << 200000;
    }

    void diskFullKeepsEarlierFile()
    {
        // Regression: with the folder refusing new files, a full disk cut the earlier file to a
        // fragment; and a failed write must never be reported as written.
        QFETCH(QString, target);
        QFETCH(double, room);
        QFETCH(bool, list);
        QFETCH(int, rows);
        CCsvWriter writer = WriterOf(Scenario(3, rows));
        auto write = [&](const QString& path) {
            return list ? writer.WriteTimestampList(path) : writer.WriteTimeDataPairs(path, true);
        };
        QVERIFY(write(m_dir.filePath("whole.csv")));
        const QByteArray whole = TrendSetFiles::read(m_dir.filePath("whole.csv"));
        const qint64 limit = room < 0 ? whole.size() - 1 : qint64(whole.size() * room);

        QTemporaryDir folder;
        const bool smallDisk = target.endsWith("small disk");
        if (smallDisk
            && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder.path()})
                != 0)
            QSKIP("no way to mount a small disk here");
        const auto unmount = qScopeGuard([&] {
            if (smallDisk)
                QProcess::execute("umount", {folder.path()});
        });
        const QByteArray earlier = target == "new" ? "<missing>" : "earlier\nfile\n";
        if (target != "new")
            QVERIFY(TrendSetFiles::write(folder.path(), "out.csv", earlier));
        const FolderRefusingNewFiles locked(folder.path(), target.startsWith("in place"));
        if (target.startsWith("in place") && !locked.Active())
            QSKIP("no way to make a folder that refuses new files here");
        PrivateTempFolder temp;
        bool written = false;
        {
            const FileSizeLimit disk(limit);
            if (!disk.Active())
                QSKIP("no file size limit on this system");
            written = write(folder.filePath("out.csv"));
        }
        QCOMPARE(written, room == 1.0 && !smallDisk);
        QCOMPARE(TrendSetFiles::read(folder.filePath("out.csv")), written ? whole : earlier);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
            target == "new" && !written ? QStringList() : QStringList {"out.csv"});
        QCOMPARE(temp.Files(), QStringList());
    }

    void cellsMatchQt_data()
    {
        QTest::addColumn<QStringList>("settings");
        for (const char* row : {"en_US Europe/Berlin", "de_DE America/New_York",
                 "fr_FR Australia/Lord_Howe", "sv_SE Pacific/Chatham", "hi_IN America/St_Johns",
                 "ru_RU Africa/Casablanca", "C UTC", "es_ES CET-1CEST,M3.5.0,M10.5.0/3",
                 "ar_EG Africa/Cairo", "fa_IR Asia/Tehran"})
            QTest::newRow(row) << QString(row).split(' ');
    }

    void cellsMatchQt()
    {
        QFETCH(QStringList, settings);
        qputenv("TZ", settings[1].toLatin1());
        tzset();
        const QLocale locale(settings[0]);
        // A millisecond either side of each daylight saving change and turn of minute, hour, day
        // and year, both ways, so a kept minute reaching one millisecond too far shows; then
        // times over 1000 years and the ends of four-digit years.
        const auto offset = LocalTimeOffsetCache::ReferenceOffset;
        QVector<qint64> turns;
        for (qint64 t = Utc(2016, 1, 1); t < Utc(2017, 1, 1); t += 900000)
            if (offset(t) != offset(t - 1))
                turns << t;
        for (const qint64 local :
            {Utc(2016, 3, 1, 10, 15), Utc(2016, 3, 1, 11), Utc(2016, 3, 2), Utc(2017, 1, 1)})
            turns << local - offset(local);
        QVector<qint64> times;
        for (const qint64 turn : turns)
            times << turn - 1 << turn << turn + 1 << turn << turn - 1 << turn - 60000;
        QRandomGenerator random(1234);
        for (int i = 0; i < 4000; ++i)
            times << Utc(1500, 1, 1) + qint64(random.generate64() % 31556952000000ULL);
        for (qint64 t = Utc(2016, 3, 27, 0, 58); t < Utc(2016, 3, 27, 1, 2); t += 333)
            times << t;
        const qint64 max = std::numeric_limits<qint64>::max();
        const qint64 min = std::numeric_limits<qint64>::min();
        times << Utc(999, 12, 31, 23) << Utc(1000, 1, 2) + 1 << Utc(9999, 12, 31)
              << Utc(10000, 1, 2) << -1 << 0 << max << min;
        // The offset cache agrees with Qt up to the ends of the time range.
        LocalTimeOffsetCache cache;
        for (const qint64 t : {min, min + 1, min + 7200000, max - 7200000, max - 1, max})
            QCOMPARE(cache.OffsetAt(t), offset(t));

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

        // A fast path that silently falls back to Qt would only cost speed: it must be in use,
        // except with Arabic-Indic and Persian digits, and with a codec that does not encode
        // piece by piece as it encodes the whole (UTF-16 starts every piece with a byte order
        // mark).
        const bool asciiDigits = !settings[0].startsWith("ar") && !settings[0].startsWith("fa");
        for (const char* codecName : {"UTF-8", "ISO-8859-1", "UTF-16"}) {
            QTextCodec* codec = QTextCodec::codecForName(codecName);
            CsvCellFormatter formatter(locale, codec);
            const bool fast = asciiDigits && codec->name() != "UTF-16";
            QCOMPARE(formatter.FastDateTimes(), fast);
            QCOMPARE(formatter.FastValues(), fast);
            for (const qint64 t : times)
                QCOMPARE(formatter.DateTimeBytes(t),
                    codec->fromUnicode(CsvCellFormatter::ReferenceDateTime(locale, t)));
            for (const double v : values)
                QCOMPARE(formatter.ValueBytes(v),
                    codec->fromUnicode(CsvCellFormatter::ReferenceValue(locale, v)));
        }
    }

private:
    QTemporaryDir m_dir;
};

// Child mode: --write-csv <series count> <pairs|list> <file> <rows> [short], writes <file> and
// <file>.ref; with "short" the address space ends 6 MiB above what the process uses by then.
static int WriteCsvChild(const QStringList& arguments)
{
    const PlainCsvSeries set = Scenario(arguments.value(2).toInt(), arguments.value(5).toInt());
    const bool list = arguments.value(3) == QLatin1String("list");
    const QString path = arguments.value(4);
    if (!WritePlainCsv(set, list, path + ".ref"))
        return 1;
#ifdef Q_OS_LINUX
    if (arguments.value(6) == QLatin1String("short") && !LimitAddressSpace(6 << 20))
        return 6;
#endif
    // The writer itself uses the fast formatting under these settings, unless the digits are
    // not ASCII.
    const CsvCellFormatter cells(QLocale::system(), QTextCodec::codecForLocale());
    if (cells.FastDateTimes() == QLocale::system().name().startsWith("ar"))
        return 5;
    CCsvWriter writer = WriterOf(set);
    const bool written
        = list ? writer.WriteTimestampList(path) : writer.WriteTimeDataPairs(path, true);
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
