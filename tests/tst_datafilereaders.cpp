// The two data file readers: the line formats, the skipped lines, and a bit-for-bit comparison
// with the straightforward Qt reading (QFile::readLine in text mode, QByteArray::split and Qt's
// number conversions) on generated files full of unusual lines.

#include "ConfigurationReader.h"
#include "DatafileReaderThreeColumns.h"
#include "DatafileReaderTwoColumns.h"
#include "PlainReading.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>

namespace {

constexpr qint64 Int64Max = std::numeric_limits<qint64>::max();
constexpr qint64 Int64Min = std::numeric_limits<qint64>::min();
const double Infinity = std::numeric_limits<double>::infinity();

// Index of the first element whose bits differ, for the failure message.
template <typename T> int FirstDifference(const QVector<T>& a, const QVector<T>& b)
{
    for (int i = 0; i < qMin(a.size(), b.size()); ++i) {
        if (std::memcmp(&a[i], &b[i], sizeof(T)) != 0)
            return i;
    }
    return qMin(a.size(), b.size());
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

// Pieces the device never writes but a damaged or hand-edited file may hold.
const QList<QByteArray>& OddOffsets()
{
    static const QList<QByteArray> s_offsets
        = {"", " ", "3E8", "3e8", " 3E8", "3E8 ", "+3E8", "-3E8", "0x3E8", "0X3e8", "0x",
            "7FFFFFFFFFFFFFFF", "8000000000000000", "-8000000000000000", "-8000000000000001",
            "FFFFFFFFFFFFFFFF", "00000000000000000001F", "g", "3E 8", QByteArray("3E8\0zz", 6),
            QByteArray("\0"
                       "1",
                2),
            "1\r2", "\v10\f", "1\n", "123456789ABCDEF", "0123456789abcdef", "+-1", "0x+1"};
    return s_offsets;
}

const QList<QByteArray>& OddValues()
{
    static const QList<QByteArray> s_values = {"", " ", "  \v", "\r", "1.5", "-0", "-0.0", "+1",
        "1.", ".5", "-.5", "+.5", ".", "-", "+", "1e5", "1E-3", "1e+05", "1e", "e5", "nan", "NaN",
        "-nan", "+nan", "inf", "-inf", "+inf", "Inf", "INF", "infinity", " inf", "inf ", "1,5",
        "0x10", "1e400", "-1e400", "1e-400", "4.9e-324", "2e-324", "1.7976931348623157e308",
        "1.7976931348623159e308", "123456789012345678901234567890", "0.1234567890123456789",
        "9007199254740993", "9007199254740992.5", "0.30000000000000004", " 1.5 ", "\v1\f",
        QByteArray("1.5\0", 4), QByteArray("\0", 1), "1.5\r", "1\r.5", "1_0", "1d", "00.000",
        "-00012.50", "1234567890123456789", "12345678901234567890", "0.0000000000000000000001",
        "0.00000000000000000000001",
        "\xa0"
        "1",
        "99999999999999999999.5"};
    return s_values;
}

const QList<QByteArray>& OddCylinders()
{
    static const QList<QByteArray> s_cylinders
        = {"", " ", "0", "1", "2", "3", "4", "-1", "+2", " 2", "2 ", "02", "0x2", "2147483648",
            "-2147483649", "1.0", "3\r", QByteArray("1\0x", 3), "1e0", "00000000000000000003"};
    return s_cylinders;
}

// A file of `lines` lines: mostly the device's own shape, with every kind of oddity mixed in.
// Some lines are long enough to cross Qt's 16 KiB buffer pieces and the readers' blocks.
QByteArray GenerateLines(int columns, int cylinders, int lines, quint32 seed)
{
    std::mt19937 random(seed);
    const auto pick = [&random](const QList<QByteArray>& list) {
        return list.at(int(random() % unsigned(list.size())));
    };
    const auto chance = [&random](int percent) { return int(random() % 100u) < percent; };
    QByteArray out;
    for (int i = 0; i < lines; ++i) {
        QByteArray offset = chance(85) ? QByteArray::number(qulonglong(random() % 5000000u), 16)
                                       : pick(OddOffsets());
        if (chance(30))
            offset = offset.toUpper();
        QByteArray value;
        if (chance(70)) {
            const double v = (double(random()) - 2147483648.0) / double(1 + random() % 100000u);
            value = QByteArray::number(v, chance(50) ? 'f' : 'g', int(random() % 18u));
        } else {
            value = pick(OddValues());
        }
        QByteArray cylinder = chance(85) ? QByteArray::number(int(random() % unsigned(cylinders)))
                                         : pick(OddCylinders());
        if (chance(2))
            offset = QByteArray(int(random() % 40000u), ' ') + offset;
        if (chance(1))
            value = value + QByteArray(int(random() % 40000u), '\r');
        QByteArray line = offset + '\t';
        if (columns == 3)
            line += cylinder + '\t';
        line += value;
        if (chance(3))
            line += '\t';
        if (chance(2))
            line.remove(int(random() % unsigned(line.size())), 1);
        if (chance(3))
            line.insert(int(random() % unsigned(line.size() + 1)), '\r');
        switch (random() % 12u) {
        case 0:
            line += "\r\n";
            break;
        case 1:
            line += "\r\r\n";
            break;
        case 2:
            line += '\r';
            break;
        case 3:
            line += "\n\n";
            break;
        case 4:
            line += "\r\n\r\n";
            break;
        default:
            line += '\n';
        }
        out += line;
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
    void init();

    void twoColumns_data();
    void twoColumns();
    void threeColumns_data();
    void threeColumns();
    void unreadableFiles();
    void cylinderIndexOutOfRange();
    void timestampsBeyondDoublePrecision();
    void longLines();
    void sameAsPlainQtReading_data();
    void sameAsPlainQtReading();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString FilePath(const QString& name) const { return m_dir->filePath(name); }
};

void TestDatafileReaders::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestDatafileReaders::twoColumns_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("startTime");
    QTest::addColumn<QVector<qint64>>("timestamps");
    QTest::addColumn<QVector<double>>("values");

    QTest::newRow("hex offset") << QByteArray("3E8\t1500.5\n") << qint64(1000000)
                                << QVector<qint64> {1001000} << QVector<double> {1500.5};
    QTest::newRow("lower-case hex, negative value")
        << QByteArray("a\t-2.25\nff\t0\n") << qint64(0) << QVector<qint64> {10, 255}
        << QVector<double> {-2.25, 0.0};
    QTest::newRow("CR LF like LF") << QByteArray("1\t2\r\n2\t3\r\n") << qint64(5)
                                   << QVector<qint64> {6, 7} << QVector<double> {2.0, 3.0};
    QTest::newRow("last line without LF") << QByteArray("1\t2\n2\t3.125") << qint64(0)
                                          << QVector<qint64> {1, 2} << QVector<double> {2.0, 3.125};
    QTest::newRow("three fields skipped") << QByteArray("1\t2\t3\n4\t5\n") << qint64(0)
                                          << QVector<qint64> {4} << QVector<double> {5.0};
    QTest::newRow("decimal comma skipped") << QByteArray("1\t2,5\n2\t2.5\n") << qint64(0)
                                           << QVector<qint64> {2} << QVector<double> {2.5};
    QTest::newRow("nan skipped, inf kept")
        << QByteArray("1\tnan\n2\tinf\n3\t-inf\n") << qint64(0) << QVector<qint64> {2, 3}
        << QVector<double> {Infinity, -Infinity};
    QTest::newRow("only blank and malformed lines")
        << QByteArray("\n   \n\t\nabc\n\r\n") << qint64(0) << QVector<qint64> {}
        << QVector<double> {};
    QTest::newRow("empty file") << QByteArray() << qint64(0) << QVector<qint64> {}
                                << QVector<double> {};
    QTest::newRow("blank-only value skipped (Qt reads it as 0)")
        << QByteArray("1\t \n2\t\r\n3\t7\n") << qint64(0) << QVector<qint64> {3}
        << QVector<double> {7.0};
    QTest::newRow("blanks around numbers accepted")
        << QByteArray(" 1 \t 2.5 \n+2\t+3\n") << qint64(0) << QVector<qint64> {1, 2}
        << QVector<double> {2.5, 3.0};
    QTest::newRow("negative and 0x offsets") << QByteArray("-10\t1\n0x10\t2\n") << qint64(100)
                                             << QVector<qint64> {84, 116} << QVector<double> {1, 2};
    QTest::newRow("offset past 64 bits skipped")
        << QByteArray("20\t1\n5\t2\n-1\t3\n") << qint64(Int64Max - 10)
        << QVector<qint64> {Int64Max - 5, Int64Max - 11} << QVector<double> {2, 3};
    QTest::newRow("negative offset below 64 bits skipped")
        << QByteArray("-20\t1\n5\t2\n") << qint64(Int64Min + 10) << QVector<qint64> {Int64Min + 15}
        << QVector<double> {2};
    QTest::newRow("16 hex digits overflow skipped")
        << QByteArray("8000000000000000\t1\n7fffffffffffffff\t2\n") << qint64(0)
        << QVector<qint64> {Int64Max} << QVector<double> {2};
    QTest::newRow("NUL ends an offset but breaks a value") << QByteArray("10\0zz\t1\n10\t1\0\n",
        15) << qint64(0) << QVector<qint64> {16} << QVector<double> {1};
    QTest::newRow("exponent and out-of-range doubles")
        << QByteArray("1\t1e3\n2\t1e400\n3\t1e-400\n4\t4.9e-324\n") << qint64(0)
        << QVector<qint64> {1, 4} << QVector<double> {1000.0, 4.9e-324};
    QTest::newRow("lone CR inside a buffered line breaks the value")
        << QByteArray("1\t2\n2\t3\r4\n") << qint64(0) << QVector<qint64> {1} << QVector<double> {2};
    QTest::newRow("lone CR in the first line is dropped by text mode")
        << QByteArray("1\t3\r4\n") << qint64(0) << QVector<qint64> {1} << QVector<double> {34};
    QTest::newRow("times need not increase")
        << QByteArray("5\t1\n1\t2\n5\t3\n") << qint64(0) << QVector<qint64> {5, 1, 5}
        << QVector<double> {1, 2, 3};
}

void TestDatafileReaders::twoColumns()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, startTime);
    QFETCH(QVector<qint64>, timestamps);
    QFETCH(QVector<double>, values);

    const QString path = FilePath(QStringLiteral("speed.tlx"));
    QVERIFY(WriteFile(path, content));
    DatafileReaderTwoColumns reader;
    QVERIFY(reader.ReadFile(path, startTime, 4));
    QCOMPARE(reader.GetTimestamps(-1), timestamps);
    QCOMPARE(reader.GetValues(-1), values);
    QVector<double> times;
    for (qint64 t : timestamps)
        times << double(t);
    QCOMPARE(reader.GetTimes(-1), times);
    QCOMPARE(reader.IsEmpty(), timestamps.isEmpty());
    // One series whatever the index.
    QCOMPARE(reader.GetValues(7), values);
    QCOMPARE(reader.GetTimestamps(0), timestamps);
}

void TestDatafileReaders::threeColumns_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("cylinders");
    // Per cylinder: "offset:value" pairs, start time 1000.
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("cylinder 2 of 4")
        << QByteArray("0\t2\t4.25\n") << 4 << QStringList {"", "", "1000:4.25", ""};
    QTest::newRow("index 4 of 4 and -1 skipped")
        << QByteArray("0\t4\t1\n0\t-1\t2\n1\t3\t3\n") << 4 << QStringList {"", "", "", "1001:3"};
    QTest::newRow("only cylinder 3")
        << QByteArray("1\t3\t1\n2\t3\t2\n") << 4 << QStringList {"", "", "", "1001:1 1002:2"};
    QTest::newRow("two fields skipped")
        << QByteArray("1\t1\n2\t1\t5\n") << 2 << QStringList {"", "1002:5"};
    QTest::newRow("empty cylinder field skipped")
        << QByteArray("10\t\t5\n11\t0\t6\n") << 2 << QStringList {"1017:6", ""};
    QTest::newRow("interleaved, file order kept")
        << QByteArray("1\t1\t10\n1\t0\t20\n2\t1\t11\n2\t0\t21\n") << 2
        << QStringList {"1001:20 1002:21", "1001:10 1002:11"};
    QTest::newRow("cylinder with blanks, sign and leading zero")
        << QByteArray("1\t 1\t1\n2\t+1\t2\n3\t01\t3\n4\t0x1\t4\n5\t1.0\t5\n") << 2
        << QStringList {"", "1001:1 1002:2 1003:3"};
    QTest::newRow("CR LF and last line without LF")
        << QByteArray("1\t0\t1.5\r\n2\t0\t2.5") << 1 << QStringList {"1001:1.5 1002:2.5"};
    QTest::newRow("nan skipped, inf kept")
        << QByteArray("1\t0\tnan\n2\t0\tinf\n") << 1 << QStringList {"1002:inf"};
    QTest::newRow("decimal comma skipped") << QByteArray("1\t0\t1,5\n") << 1 << QStringList {""};
    QTest::newRow("blank-only value skipped") << QByteArray("1\t0\t  \n") << 1 << QStringList {""};
}

void TestDatafileReaders::threeColumns()
{
    QFETCH(QByteArray, content);
    QFETCH(int, cylinders);
    QFETCH(QStringList, expected);

    const QString path = FilePath(QStringLiteral("temperatures.tlx"));
    QVERIFY(WriteFile(path, content));
    DatafileReaderThreeColumns reader;
    QVERIFY(reader.ReadFile(path, 1000, cylinders));
    bool empty = true;
    for (int c = 0; c < cylinders; ++c) {
        QStringList samples;
        const QVector<qint64>& stamps = reader.GetTimestamps(c);
        const QVector<double>& values = reader.GetValues(c);
        QCOMPARE(reader.GetTimes(c).size(), stamps.size());
        QCOMPARE(values.size(), stamps.size());
        for (int i = 0; i < stamps.size(); ++i) {
            QCOMPARE(reader.GetTimes(c).at(i), double(stamps.at(i)));
            samples << QStringLiteral("%1:%2").arg(stamps.at(i)).arg(values.at(i));
        }
        QCOMPARE(samples.join(QLatin1Char(' ')), expected.at(c));
        empty = empty && stamps.isEmpty();
    }
    QCOMPARE(reader.IsEmpty(), empty);
}

void TestDatafileReaders::unreadableFiles()
{
    const QString missing = FilePath(QStringLiteral("missing.tlx"));
    DatafileReaderTwoColumns two;
    QVERIFY(!two.ReadFile(missing, 0, 1));
    QVERIFY(two.IsEmpty());
    DatafileReaderThreeColumns three;
    QVERIFY(!three.ReadFile(missing, 0, 4));
    QVERIFY(three.IsEmpty());

    const QString path = FilePath(QStringLiteral("firing_angles.tlx"));
    QVERIFY(WriteFile(path, "1\t0\t1\n"));
    for (int cylinders :
        {0, -1, ConfigurationReader::MaxNumberOfCylinders + 1, std::numeric_limits<int>::max()}) {
        DatafileReaderThreeColumns reader;
        QVERIFY2(!reader.ReadFile(path, 0, cylinders), qPrintable(QString::number(cylinders)));
        QVERIFY(reader.IsEmpty());
    }
    DatafileReaderThreeColumns largest;
    QVERIFY(largest.ReadFile(path, 0, ConfigurationReader::MaxNumberOfCylinders));
    QCOMPARE(largest.GetValues(0), QVector<double> {1.0});

    // A folder cannot be read as a file.
    DatafileReaderTwoColumns folder;
    QVERIFY(!folder.ReadFile(m_dir->path(), 0, 1));
}

void TestDatafileReaders::cylinderIndexOutOfRange()
{
    const QString path = FilePath(QStringLiteral("knocking_intensity.tlx"));
    QVERIFY(WriteFile(path, "1\t0\t1\n2\t3\t2\n"));
    DatafileReaderThreeColumns reader;
    QVERIFY(reader.ReadFile(path, 0, 4));
    for (int cylinder : {-1, 4, 7, std::numeric_limits<int>::min()}) {
        QVERIFY(reader.GetTimes(cylinder).isEmpty());
        QVERIFY(reader.GetValues(cylinder).isEmpty());
        QVERIFY(reader.GetTimestamps(cylinder).isEmpty());
    }
    QCOMPARE(reader.GetValues(3), QVector<double> {2.0});
}

void TestDatafileReaders::timestampsBeyondDoublePrecision()
{
    // Regression: time stamps derived from the double times lose the last bits beyond 2^53.
    const qint64 start = (qint64(1) << 60) + 1;
    const QString path = FilePath(QStringLiteral("speed.tlx"));
    QVERIFY(WriteFile(path, "0\t1\n1\t2\n2\t3\n"));
    DatafileReaderTwoColumns two;
    QVERIFY(two.ReadFile(path, start, 1));
    QCOMPARE(two.GetTimestamps(0), (QVector<qint64> {start, start + 1, start + 2}));
    QCOMPARE(two.GetTimes(0).at(1), double(start + 1));

    // Below the limit first, beyond it later: the early stamps must survive the switch.
    const qint64 edge = (qint64(1) << 53) - 1;
    QVERIFY(WriteFile(path, "0\t0\t1\n0\t1\t1\n3\t0\t2\n4\t1\t2\n"));
    DatafileReaderThreeColumns three;
    QVERIFY(three.ReadFile(path, edge, 2));
    QCOMPARE(three.GetTimestamps(0), (QVector<qint64> {edge, edge + 3}));
    QCOMPARE(three.GetTimestamps(1), (QVector<qint64> {edge, edge + 4}));
}

void TestDatafileReaders::longLines()
{
    // A number behind megabytes of blanks is still a number to Qt; a line of many fields is not a
    // sample however long it is; a final line of megabytes without LF is read to its end.
    const QByteArray blanks(3 << 20, ' ');
    QByteArray content = blanks + "3E8\t1.5\n";
    content += QByteArray(2 << 20, '\t') + "\n";
    content += "1\t2\n";
    content += "2\t" + blanks + "4.5";
    const QString path = FilePath(QStringLiteral("speed.tlx"));
    QVERIFY(WriteFile(path, content));
    DatafileReaderTwoColumns reader;
    QVERIFY(reader.ReadFile(path, 0, 1));
    QCOMPARE(reader.GetTimestamps(0), (QVector<qint64> {1000, 1, 2}));
    QCOMPARE(reader.GetValues(0), (QVector<double> {1.5, 2.0, 4.5}));
}

void TestDatafileReaders::sameAsPlainQtReading_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("cylinders");
    QTest::addColumn<qint64>("startTime");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("two columns, odd lines")
        << 2 << 1 << qint64(1772436600000) << GenerateLines(2, 1, 60000, 1);
    QTest::newRow("two columns, start near 64-bit end")
        << 2 << 1 << qint64(Int64Max - 3000000) << GenerateLines(2, 1, 30000, 2);
    QTest::newRow("two columns, start near 2^53")
        << 2 << 1 << (qint64(1) << 53) - 2000000 << GenerateLines(2, 1, 30000, 3);
    QTest::newRow("three columns, odd lines")
        << 3 << 4 << qint64(1772436600000) << GenerateLines(3, 4, 60000, 4);
    QTest::newRow("three columns, negative start")
        << 3 << 3 << qint64(Int64Min + 1000) << GenerateLines(3, 3, 30000, 5);
    QTest::newRow("three columns as two") << 2 << 1 << qint64(0) << GenerateLines(3, 2, 20000, 6);
    QTest::newRow("two columns as three") << 3 << 2 << qint64(0) << GenerateLines(2, 1, 20000, 7);

    QTest::newRow("CRs at buffer boundaries, two")
        << 2 << 1 << qint64(0) << GenerateBoundaryLines(2, 9);
    QTest::newRow("CRs at buffer boundaries, three")
        << 3 << 1 << qint64(0) << GenerateBoundaryLines(3, 10);

    std::mt19937 random(8);
    QByteArray binary;
    for (int i = 0; i < (3 << 20); ++i)
        binary += char(random() % 256u);
    QTest::newRow("random bytes, two") << 2 << 1 << qint64(0) << binary;
    QTest::newRow("random bytes, three") << 3 << 4 << qint64(0) << binary;
    // Few TABs and LFs but many digits: lines that nearly parse.
    QByteArray digits;
    const char alphabet[] = "0123456789abcdef\t\t\n\r .-+ex";
    for (int i = 0; i < (1 << 20); ++i)
        digits += alphabet[random() % (sizeof alphabet - 1)];
    QTest::newRow("random digits, two") << 2 << 1 << qint64(0) << digits;
    QTest::newRow("random digits, three") << 3 << 10 << qint64(0) << digits;
    QTest::newRow("NUL bytes") << 2 << 1 << qint64(0) << QByteArray(100000, '\0');
}

void TestDatafileReaders::sameAsPlainQtReading()
{
    QFETCH(int, columns);
    QFETCH(int, cylinders);
    QFETCH(qint64, startTime);
    QFETCH(QByteArray, content);

    const QString path = FilePath(QStringLiteral("data.tlx"));
    QVERIFY(WriteFile(path, content));
    QVector<PlainSeries> expected;
    QVERIFY(ReadPlainly(path, startTime, columns, cylinders, &expected));
    const std::unique_ptr<DatafileReaderInterface> reader = MakeReader(columns);
    QVERIFY(reader->ReadFile(path, startTime, cylinders));

    int samples = 0;
    for (int c = 0; c < expected.size(); ++c) {
        const PlainSeries& e = expected.at(c);
        samples += e.values.size();
        QVERIFY2(SameBits(reader->GetValues(c), e.values),
            qPrintable(QStringLiteral("cylinder %1: values differ at %2 of %3/%4")
                           .arg(c)
                           .arg(FirstDifference(reader->GetValues(c), e.values))
                           .arg(reader->GetValues(c).size())
                           .arg(e.values.size())));
        QVERIFY2(SameBits(reader->GetTimes(c), e.times),
            qPrintable(QStringLiteral("cylinder %1: times differ at %2")
                           .arg(c)
                           .arg(FirstDifference(reader->GetTimes(c), e.times))));
        QVERIFY2(SameBits(reader->GetTimestamps(c), e.timestamps),
            qPrintable(QStringLiteral("cylinder %1: time stamps differ at %2")
                           .arg(c)
                           .arg(FirstDifference(reader->GetTimestamps(c), e.timestamps))));
    }
    QCOMPARE(reader->IsEmpty(), samples == 0);
    // The generated files must exercise the readers, not only their skipping.
    if (QByteArray(QTest::currentDataTag()).contains("odd lines"))
        QVERIFY2(samples > content.count('\n') / 2, qPrintable(QString::number(samples)));
}

QTEST_GUILESS_MAIN(TestDatafileReaders)
#include "tst_datafilereaders.moc"
