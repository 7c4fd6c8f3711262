// The two data file readers, held bit for bit to the straightforward Qt reading (QFile::readLine
// in text mode, QByteArray::split and Qt's number conversions) on generated files full of unusual
// lines, and the files and cylinder counts they refuse.

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

// A file of `lines` lines: mostly the device's own shape, with numbers at the edges of what the
// conversions take and fields damaged by stray bytes, signs, blanks and CRs. Some lines are long
// enough to cross Qt's 16 KiB buffer pieces and the readers' blocks. Lines that start just before
// a piece boundary are made of CRs and short fields: text mode treats a CR differently depending
// on where the line starts.
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
            if (below(3) == 0 && at < plain.size())
                plain.remove(at, 1);
            else
                plain.insert(at, strays.at(below(strays.size())));
        }
        return plain;
    };
    QByteArray out;
    for (int i = 0; i < lines; ++i) {
        // Around a piece boundary: short lines of CRs, TABs and digits.
        if (out.size() % 16384 > 16370) {
            for (int n = below(8); n >= 0; --n)
                out += "\r\r\r\t\t0123456789\n"[below(16)];
            continue;
        }
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
    // The last line without LF, with CRs in it.
    return out + "\r1\t2\r";
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

    QTemporaryDir m_dir;

private slots:
    void refusals()
    {
        QVERIFY(TrendSetFiles::write(m_dir.path(), "firing_angles.tlx", "1\t0\t1\n"));
        for (const QString& path : {m_dir.filePath("missing.tlx"), m_dir.path()}) {
            for (int columns : {2, 3})
                QVERIFY(!MakeReader(columns)->ReadFile(path, 0, 1));
        }
        // Fewer than one cylinder, or more than a configuration may name.
        for (int cylinders : {0, -1, ConfigurationReader::MaxNumberOfCylinders + 1})
            QVERIFY(!DatafileReaderThreeColumns().ReadFile(
                m_dir.filePath("firing_angles.tlx"), 0, cylinders));
    }

    // Regression: a recording still being written was read on for as long as it grew.
    void growingFileReadToItsSizeAtOpening()
    {
        const QByteArray lines = QByteArray("3E8\t1\n").repeated(100000);
        QVERIFY(TrendSetFiles::write(m_dir.path(), "growing.tlx", lines));
        TrendLineScanner scanner(2);
        QVERIFY(scanner.Open(m_dir.filePath("growing.tlx")));
        QFile device(m_dir.filePath("growing.tlx"));
        QVERIFY(device.open(QIODevice::Append) && device.write(lines) == lines.size());
        QVERIFY(device.flush());
        qint64 read = 0;
        while (scanner.NextBlock())
            read += scanner.End() - scanner.Begin();
        QCOMPARE(read, qint64(lines.size()));
    }

    void sameAsPlainQtReading_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("cylinders");
        QTest::addColumn<qint64>("startTime");
        QTest::addColumn<QByteArray>("content");

        const qint64 max = std::numeric_limits<qint64>::max();
        const qint64 start = 1772436600000;
        const auto row = [](const char* name, int columns, int cylinders, qint64 start,
                             const QByteArray& content) {
            QTest::newRow(name) << columns << cylinders << start << content;
        };
        row("two columns", 2, 1, start, GenerateLines(2, 1, 60000, 1));
        row("two columns, near 64-bit end", 2, 1, max - 3000000, GenerateLines(2, 1, 30000, 2));
        row("two columns, near 2^53", 2, 1, (qint64(1) << 53) - 2000000,
            GenerateLines(2, 1, 30000, 3));
        row("three columns", 3, 4, start, GenerateLines(3, 4, 60000, 4));
        row("three columns, negative start", 3, 3, -max + 1000, GenerateLines(3, 3, 30000, 5));
        // The most cylinders a configuration may name.
        const int most = ConfigurationReader::MaxNumberOfCylinders;
        row("three columns, most cylinders", 3, most, start, GenerateLines(3, most, 30000, 6));
        row("three columns as two", 2, 1, 0, GenerateLines(3, 2, 20000, 7));
        row("two columns as three", 3, 2, 0, GenerateLines(2, 1, 20000, 8));
        // Lines longer than the readers' blocks: blanks before a number, a row of TABs, a last line
        // without LF.
        const QByteArray blanks(3 << 20, ' ');
        row("lines of megabytes", 2, 1, 0,
            blanks + "3E8\t1.5\n" + QByteArray(2 << 20, '\t') + "\n1\t2\n2\t" + blanks + "4.5");
        // Few TABs and LFs but many digits: lines that nearly parse.
        std::mt19937 random(9);
        QByteArray noise;
        const char alphabet[] = "0123456789abcdef\t\t\n\r .-+ex\0\xff";
        for (int i = 0; i < (1 << 20); ++i)
            noise += alphabet[random() % (sizeof alphabet - 1)];
        row("noise, two", 2, 1, 0, noise);
        row("noise, three", 3, 10, 0, noise);
    }

    void sameAsPlainQtReading()
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
    }
};

QTEST_GUILESS_MAIN(TestDatafileReaders)
#include "tst_datafilereaders.moc"
