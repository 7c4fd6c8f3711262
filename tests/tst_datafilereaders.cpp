// The two data file readers: the line formats, the skipped lines, and a bit-for-bit comparison
// with the straightforward Qt reading (QFile::readLine in text mode, QByteArray::split and Qt's
// number conversions) on generated files full of unusual lines.

#include "ConfigurationReader.h"
#include "DatafileReaderThreeColumns.h"
#include "DatafileReaderTwoColumns.h"
#include "PlainReading.h"
#include "TrendLineScanner.h"
#include "TrendSetFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <limits>
#include <memory>
#include <random>

namespace {

constexpr qint64 Int64Max = std::numeric_limits<qint64>::max();
constexpr qint64 Int64Min = std::numeric_limits<qint64>::min();

// A file of `lines` lines: mostly the device's own shape, with numbers at the edges of what the
// conversions take and fields damaged by stray bytes, signs, blanks and CRs. Some lines are long
// enough to cross Qt's 16 KiB buffer pieces and the readers' blocks.
QByteArray GenerateLines(int columns, int cylinders, int lines, quint32 seed)
{
    static const QList<QByteArray> specials = QByteArray(
        "7FFFFFFFFFFFFFFF|8000000000000000|"
        "-8000000000000000|-8000000000000001|FFFFFFFFFFFFFFFF|00000000000000000001F|0x3E8|-3e8|"
        "1e400|-1e400|1e-400|4.9e-324|2e-324|1.7976931348623157e308|1.7976931348623159e308|"
        "123456789012345678901234567890|9007199254740993|0.00000000000000000000001|nan|-nan|"
        "inf|-inf|+inf|Inf|infinity|2147483648|-2147483649|00000000000000000003|.5|1.|-|\xa0"
        "1|")
                                                  .split('|');
    static const QByteArray strays("  \t\r\r\v\f+-.,0123456789aAfFxXeEn\0", 31);
    std::mt19937 random(seed);
    const auto below = [&random](int n) { return int(random() % unsigned(n)); };
    const auto field = [&](QByteArray plain) {
        const int roll = below(100);
        if (roll < 5)
            return specials.at(below(specials.size()));
        for (int edits = roll < 12 ? 1 + below(3) : 0; edits > 0; --edits) {
            const int at = below(plain.size() + 1);
            const char stray = strays.at(below(strays.size()));
            if (below(3) == 0 && at < plain.size())
                plain.remove(at, 1);
            else
                plain.insert(at, stray);
        }
        return plain;
    };
    QByteArray out;
    for (int i = 0; i < lines; ++i) {
        QByteArray line = field(QByteArray::number(qulonglong(random() % 5000000u), 16));
        if (below(3) == 0)
            line = line.toUpper();
        if (below(50) == 0)
            line.prepend(QByteArray(below(40000), ' '));
        if (columns == 3)
            line += '\t' + field(QByteArray::number(below(cylinders)));
        const double v = (double(random()) - 2147483648.0) / double(1 + below(100000));
        line += '\t' + field(QByteArray::number(v, below(2) ? 'f' : 'g', below(18)));
        if (below(100) == 0)
            line += QByteArray(below(40000), '\r');
        static const char* const ends[] = {"\r\n", "\r\r\n", "\r", "\n\n", "\r\n\r\n", "\t\n"};
        out += line + (below(2) ? "\n" : ends[below(6)]);
    }
    return out;
}

// Lines with CRs placed just before, on and after Qt's 16 KiB buffer boundaries, where text mode
// treats a CR differently depending on where the line starts.
QByteArray GenerateBoundaryLines(int columns, quint32 seed)
{
    static const QList<QByteArray> s_lines
        = {"1\t3\r4\n", "\r2\t5\n", "3\r\t6\n", "4\t7\r\r\n", "\r\r\n", "5\tinf\r\n", "6\t\r\n",
            "7\t8\r", "\r", "8\t9\r\n", "9\t1\r0\r\n", "A\t-inf\r\r\n", "B\tnan\r\n", "C\r\r\t1\n"};
    std::mt19937 random(seed);
    QByteArray out;
    for (int boundary = 1; boundary <= 300; ++boundary) {
        const int target = boundary * 16384 - 6 + int(random() % 13u);
        const int filler = target - out.size() - 1;
        if (filler > 8)
            out += (columns == 3 ? "F\t0\t" : "F\t")
                + QByteArray(filler - (columns == 3 ? 4 : 2), '1') + '\n';
        for (int i = 0; i < 3; ++i) {
            QByteArray line = s_lines.at(int(random() % unsigned(s_lines.size())));
            if (columns == 3)
                line.replace('\t', "\t0\t");
            out += line;
        }
    }
    return out;
}

std::unique_ptr<DatafileReaderInterface> MakeReader(int columns)
{
    if (columns == 2)
        return std::make_unique<DatafileReaderTwoColumns>();
    return std::make_unique<DatafileReaderThreeColumns>();
}

} // namespace

class TestDatafileReaders : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void lines_data();
    void lines();
    void unreadableFiles();
    void timestampsBeyondDoublePrecision();
    void growingFileReadToItsSizeAtOpening();
    void sameAsPlainQtReading_data();
    void sameAsPlainQtReading();

private:
    QTemporaryDir m_dir;
};

void TestDatafileReaders::lines_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("cylinders");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected"); // per cylinder "time:value ..." joined by '|'

    QTest::newRow("hex offsets, both cases")
        << 2 << 1 << qint64(1000) << QByteArray("3E8\t1500.5\nff\t-2\n") << "2000:1500.5 1255:-2";
    QTest::newRow("CR LF, last line without LF")
        << 2 << 1 << qint64(0) << QByteArray("1\t2\r\n2\t3.125") << "1:2 2:3.125";
    QTest::newRow("wrong field count, decimal comma")
        << 2 << 1 << qint64(0) << QByteArray("1\t2\t3\n4\t5\n1\t2,5\n") << "4:5";
    QTest::newRow("nan and blank value skipped, inf kept")
        << 2 << 1 << qint64(0) << QByteArray("1\tnan\n2\tinf\n3\t \n4\t-inf\n") << "2:inf 4:-inf";
    QTest::newRow("offset past 64 bits skipped")
        << 2 << 1 << Int64Max - 10 << QByteArray("20\t1\n5\t2\n") << "9223372036854775802:2";
    QTest::newRow("offset below 64 bits skipped")
        << 2 << 1 << Int64Min + 10 << QByteArray("-20\t1\n5\t2\n") << "-9223372036854775793:2";
    QTest::newRow("times need not increase")
        << 2 << 1 << qint64(0) << QByteArray("5\t1\n1\t2\n") << "5:1 1:2";
    QTest::newRow("cylinders 4 and -1 of 4 skipped")
        << 3 << 4 << qint64(1000) << QByteArray("0\t4\t1\n0\t-1\t2\n1\t3\t3\n0\t2\t4.25\n")
        << "||1000:4.25|1001:3";
    QTest::newRow("interleaved, file order kept")
        << 3 << 2 << qint64(0) << QByteArray("1\t1\t10\n1\t0\t20\n2\t1\t11\n2\t0\t21\n1\t\t5\n")
        << "1:20 2:21|1:10 2:11";
}

void TestDatafileReaders::lines()
{
    QFETCH(int, columns);
    QFETCH(int, cylinders);
    QFETCH(qint64, start);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QVERIFY(TrendSetFiles::write(m_dir.path(), "data.tlx", content));
    const std::unique_ptr<DatafileReaderInterface> reader = MakeReader(columns);
    QVERIFY(reader->ReadFile(m_dir.filePath("data.tlx"), start, cylinders));
    QStringList series;
    for (int c = 0; c < cylinders; ++c) {
        QStringList samples;
        for (int i = 0; i < reader->GetTimestamps(c).size(); ++i) {
            QCOMPARE(reader->GetTimes(c).at(i), double(reader->GetTimestamps(c).at(i)));
            samples << QString("%1:%2")
                           .arg(reader->GetTimestamps(c).at(i))
                           .arg(reader->GetValues(c).at(i));
        }
        series << samples.join(' ');
    }
    QCOMPARE(series.join('|'), expected);
    QCOMPARE(reader->IsEmpty(), false);
}

void TestDatafileReaders::unreadableFiles()
{
    for (int columns : {2, 3}) {
        const std::unique_ptr<DatafileReaderInterface> reader = MakeReader(columns);
        QVERIFY(!reader->ReadFile(m_dir.filePath("missing.tlx"), 0, 1));
        QVERIFY(!MakeReader(columns)->ReadFile(m_dir.path(), 0, 1));
        QVERIFY(reader->IsEmpty());
    }
    QVERIFY(TrendSetFiles::write(m_dir.path(), "firing_angles.tlx", "1\t0\t1\n"));
    const QString path = m_dir.filePath("firing_angles.tlx");
    for (int cylinders : {0, -1, ConfigurationReader::MaxNumberOfCylinders + 1})
        QVERIFY2(!DatafileReaderThreeColumns().ReadFile(path, 0, cylinders),
            qPrintable(QString::number(cylinders)));
    DatafileReaderThreeColumns largest;
    QVERIFY(largest.ReadFile(path, 0, ConfigurationReader::MaxNumberOfCylinders));
    QCOMPARE(largest.GetValues(0), QVector<double> {1.0});
}

void TestDatafileReaders::timestampsBeyondDoublePrecision()
{
    // Regression: time stamps derived from the double times lose the last bits beyond 2^53.
    const qint64 start = (qint64(1) << 60) + 1;
    QVERIFY(TrendSetFiles::write(m_dir.path(), "speed.tlx", "0\t1\n1\t2\n"));
    DatafileReaderTwoColumns two;
    QVERIFY(two.ReadFile(m_dir.filePath("speed.tlx"), start, 1));
    QCOMPARE(two.GetTimestamps(0), (QVector<qint64> {start, start + 1}));
    // Below the limit first, beyond it later: the early stamps must survive the switch.
    const qint64 edge = (qint64(1) << 53) - 1;
    QVERIFY(
        TrendSetFiles::write(m_dir.path(), "speed.tlx", "0\t0\t1\n0\t1\t1\n3\t0\t2\n4\t1\t2\n"));
    DatafileReaderThreeColumns three;
    QVERIFY(three.ReadFile(m_dir.filePath("speed.tlx"), edge, 2));
    QCOMPARE(three.GetTimestamps(0), (QVector<qint64> {edge, edge + 3}));
    QCOMPARE(three.GetTimestamps(1), (QVector<qint64> {edge, edge + 4}));
}

// Regression: a recording still being written was read on for as long as it grew.
void TestDatafileReaders::growingFileReadToItsSizeAtOpening()
{
    const QByteArray lines = QByteArray("3E8\t1\n").repeated(100000);
    QVERIFY(TrendSetFiles::write(m_dir.path(), "growing.tlx", lines));
    TrendLineScanner scanner(2);
    QVERIFY(scanner.Open(m_dir.filePath("growing.tlx")));
    QFile device(m_dir.filePath("growing.tlx"));
    QVERIFY(device.open(QIODevice::Append));
    QCOMPARE(device.write(lines), qint64(lines.size()));
    QVERIFY(device.flush());
    QByteArray read;
    while (scanner.NextBlock())
        read.append(scanner.Begin(), int(scanner.End() - scanner.Begin()));
    QVERIFY(!scanner.Failed());
    QCOMPARE(read.size(), lines.size());
}

void TestDatafileReaders::sameAsPlainQtReading_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("cylinders");
    QTest::addColumn<qint64>("startTime");
    QTest::addColumn<QByteArray>("content");

    const auto row = [](const char* name, int columns, int cylinders, qint64 start,
                         const QByteArray& content) {
        QTest::newRow(name) << columns << cylinders << start << content;
    };
    row("two columns, odd lines", 2, 1, 1772436600000, GenerateLines(2, 1, 60000, 1));
    row("two columns, start near 64-bit end", 2, 1, Int64Max - 3000000, GenerateLines(2, 1, 30000, 2));
    row("two columns, start near 2^53", 2, 1, (qint64(1) << 53) - 2000000, GenerateLines(2, 1, 30000, 3));
    row("three columns, odd lines", 3, 4, 1772436600000, GenerateLines(3, 4, 60000, 4));
    row("three columns, negative start", 3, 3, Int64Min + 1000, GenerateLines(3, 3, 30000, 5));
    row("three columns as two", 2, 1, 0, GenerateLines(3, 2, 20000, 6));
    row("two columns as three", 3, 2, 0, GenerateLines(2, 1, 20000, 7));
    row("CRs at buffer boundaries, two", 2, 1, 0, GenerateBoundaryLines(2, 9));
    row("CRs at buffer boundaries, three", 3, 1, 0, GenerateBoundaryLines(3, 10));
    // Lines longer than the readers' blocks: blanks before a number, a row of TABs, a last line
    // without LF.
    const QByteArray blanks(3 << 20, ' ');
    row("lines of megabytes", 2, 1, 0,
        blanks + "3E8\t1.5\n" + QByteArray(2 << 20, '\t') + "\n1\t2\n2\t" + blanks + "4.5");
    std::mt19937 random(8);
    QByteArray binary;
    for (int i = 0; i < (3 << 20); ++i)
        binary += char(random() % 256u);
    row("random bytes, two", 2, 1, 0, binary);
    row("random bytes, three", 3, 4, 0, binary);
    // Few TABs and LFs but many digits: lines that nearly parse.
    QByteArray digits;
    const char alphabet[] = "0123456789abcdef\t\t\n\r .-+ex";
    for (int i = 0; i < (1 << 20); ++i)
        digits += alphabet[random() % (sizeof alphabet - 1)];
    row("random digits, two", 2, 1, 0, digits);
    row("random digits, three", 3, 10, 0, digits);
}

void TestDatafileReaders::sameAsPlainQtReading()
{
    QFETCH(int, columns);
    QFETCH(int, cylinders);
    QFETCH(qint64, startTime);
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath("data.tlx");
    QVERIFY(TrendSetFiles::write(m_dir.path(), "data.tlx", content));
    QVector<PlainSeries> expected;
    QVERIFY(ReadPlainly(path, startTime, columns, cylinders, &expected));
    const std::unique_ptr<DatafileReaderInterface> reader = MakeReader(columns);
    QVERIFY(reader->ReadFile(path, startTime, cylinders));
    const QString disagreement = ReaderDisagreement(*reader, columns, expected);
    QVERIFY2(disagreement.isEmpty(), qPrintable(disagreement));
    // The generated files must exercise the readers, not only their skipping.
    int samples = 0;
    for (const PlainSeries& series : expected)
        samples += series.values.size();
    if (QByteArray(QTest::currentDataTag()).contains("odd"))
        QVERIFY2(samples > content.count('\n') / 2, qPrintable(QString::number(samples)));
}

QTEST_GUILESS_MAIN(TestDatafileReaders)
#include "tst_datafilereaders.moc"
