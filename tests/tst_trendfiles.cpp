// The trend files: the configuration reader (keys found anywhere, required keys and their
// conversions, cylinder names, groups, additions, the description and the temperature unit),
// the fixed file names and device type names; the two data file readers, held bit for bit to
// the straightforward Qt reading on generated files full of unusual lines, and what they refuse;
// and the trend set generator (sets the readers take whole, the committed demo set as its
// reproducible output, its command line).

#include "ConfigurationReader.h"
#include "DatafileReaderThreeColumns.h"
#include "DatafileReaderTwoColumns.h"
#include "DeviceTypes.h"
#include "PlainReading.h"
#include "TrendFileNames.h"
#include "TrendGenCommandLine.h"
#include "TrendLineScanner.h"
#include "TrendNumberParser.h"
#include "TrendSetFiles.h"
#include "TrendSetGenerator.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <limits>
#include <memory>
#include <random>
#include <thread>

namespace {

const QByteArray Usual = "DateTime=16A2B3C4D5E\nDeviceType=0\nDeviceId=5\nNumberCylinder=4\n"
                         "DataFormat=1\n";

QByteArray UsualWith(const char* from, const char* to)
{
    return QByteArray(Usual).replace(from, to);
}

// Everything the reader holds, in one line: valid, start (hex), type, id, cylinders, format,
// names|groups|additions.
QString Summary(const ConfigurationReader& r)
{
    const QStringList names = r.GetCylinderNames();
    return QString::asprintf("%d %llx %d %d %d %d ", int(r.IsValid()), r.GetStartTime(),
               r.GetDeviceType(), r.GetDeviceId(), r.GetNumberOfCylinders(), r.GetDataFormat())
        + (names.size() > 8 ? QString::number(names.size()) + " to " + names.last()
                            : names.join(','))
        + '|' + r.GetGroups().join(',') + '|' + r.GetAdditions();
}

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

class TestTrendFiles : public QObject {
    Q_OBJECT

    // Writes the content as the configuration file and reads it.
    bool Read(const QByteArray& content, ConfigurationReader* reader)
    {
        return TrendSetFiles::write(m_dir.path(), "configuration.tlx", content)
            && reader->ReadFile(m_dir.filePath("configuration.tlx"));
    }

    QTemporaryDir m_dir;

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");

        const QString usual = "1 16a2b3c4d5e 0 5 4 1 # 0,# 1,# 2,# 3||";
        QTest::newRow("usual") << Usual << usual;
        QTest::newRow("failed conversions store 0")
            << UsualWith("Id=5", "Id=abc").replace("Type=0", "Type=2147483648").replace("t=1", "t=")
            << "0 16a2b3c4d5e 0 0 4 0 # 0,# 1,# 2,# 3||";
        QTest::newRow("missing key keeps the field")
            << UsualWith("DataFormat=1\n", "") << "0 16a2b3c4d5e 0 5 4 2 # 0,# 1,# 2,# 3||";
        QTest::newRow("names: gaps dropped, blank and UTF-8 kept") << Usual
                + "CylinderNames=\xc3\x84"
                  "1,, \xc3\x98"
                  "1,\n" << QString::fromUtf8("1 16a2b3c4d5e 0 5 4 1 Ä1, Ø1,# 2,# 3||");
        QTest::newRow("groups and additions") << Usual + "Groups=;G1;;G 2;\nAdditions= F \n"
                                              << "1 16a2b3c4d5e 0 5 4 1 # 0,# 1,# 2,# 3|G1,G 2| F ";
        QTest::newRow("key inside a line, first one counts, value runs to the LF") << QByteArray(
            "x DateTime=A\nDateTime=B\nfoo DeviceType=3\nDeviceId=7 \nDeviceId=8\n"
            "NumberCylinder=2\nDataFormat=1 DeviceType=4\n") << "0 a 3 7 2 0 # 0,# 1||";
        // Regression: the padding of a valid text made the file too large.
        QTest::newRow("text ends at the first NUL")
            << Usual + '\0' + "CylinderNames=a,b\n" + QByteArray(2 << 20, '\0') << usual;
        QTest::newRow("empty file") << QByteArray() << "0 ffffffffffffffff 9 -1 -1 2 ||";
        QTest::newRow("blanks, sign and 0x as Qt reads them") << QByteArray(
            "DateTime= 0x1F \nDeviceType=+2\nDeviceId= 7\nNumberCylinder=03\nDataFormat=-1\n")
                                                              << "1 1f 2 7 3 -1 # 0,# 1,# 2||";
        QTest::newRow("zero cylinders, surplus names kept")
            << UsualWith("Cylinder=4", "Cylinder=0") + "CylinderNames=a,b"
            << "1 16a2b3c4d5e 0 5 0 1 a,b||";
        QTest::newRow("largest number of cylinders") << UsualWith("Cylinder=4", "Cylinder=1024")
                                                     << "1 16a2b3c4d5e 0 5 1024 1 1024 to # 1023||";
        // Regression: a corrupt count of cylinders generated that many names and exhausted memory.
        QTest::newRow("absurd number of cylinders")
            << UsualWith("Cylinder=4", "Cylinder=1025") << "0 16a2b3c4d5e 0 5 1025 1 ||";
    }

    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        ConfigurationReader reader;
        QVERIFY(Read(content, &reader));
        // A file that cannot be read changes nothing.
        QVERIFY(!reader.ReadFile(m_dir.filePath("missing.tlx")));
        QVERIFY(!reader.ReadFile(m_dir.path()));
        QCOMPARE(Summary(reader), expected);
        if (!reader.IsValid())
            QCOMPARE(reader.ToString(), QString("ERROR: Configuration invalid!"));
    }

    void descriptionAndTemperatureUnit()
    {
        ConfigurationReader reader;
        // 0x19D8CD11955 ms is 2026-04-14 16:26:46.997 UTC, 18:26 in Berlin (summer time).
        QVERIFY(Read("DateTime=19D8CD11955\nDeviceType=8\nDeviceId=0\nNumberCylinder=1\n"
                     "DataFormat=1\nAdditions=FAHRENHEIT\r\n",
            &reader));
        QCOMPARE(reader.ToString(),
            QString("Start of trend data: 2026-04-14 18:26:46.997\nDevice type: IGN_E\n"
                    "Device CAN ID: 0\nNumber of Cylinders: 1\nAdditions: FAHRENHEIT\n"));
        QCOMPARE(reader.GetTemperatureUnitText(), QString("°F"));
        // Only the whole word in capitals means Fahrenheit.
        for (const char* nearMiss : {"FAHRENHEIT ", "fahrenheit", ""}) {
            QVERIFY(Read(Usual + "Additions=" + nearMiss, &reader));
            QCOMPARE(reader.GetTemperatureUnitText(), QString("°C"));
        }
    }

    void fileAndDeviceTypeNames()
    {
        // The data file names themselves are checked by opening every kind in the main window.
        QCOMPARE(ClassifyFileName("/a/configuration.tlx").type, FileClass::ConfigurationFile);
        // Only the exact name counts: no case folding, no trimming, no base-name match.
        for (const char* path : {"/a/Speed.tlx", "/a/speed.TLX", "/a/speed.tlx.bak", "/a/speed",
                 "/a/ speed.tlx", "/a/Configuration.tlx", "/a/speed.tlx/", ""})
            QVERIFY2(ClassifyFileName(path).type == FileClass::Unrecognised, path);
        // Codes the device type table does not know must not read outside it.
        for (const int code : {9, 10, -1, std::numeric_limits<int>::min()})
            QCOMPARE(DeviceTypeName(code), QString("INVALID"));
    }

    void refusals()
    {
        QVERIFY(TrendSetFiles::write(m_dir.path(), "firing_angles.tlx", "1\t0\t1\n"));
        for (const QString& path : {m_dir.filePath("missing.tlx"), m_dir.path()}) {
            for (int columns : {2, 3})
                QVERIFY(!MakeReader(columns)->ReadFile(path, 0, 1));
        }
        QVERIFY(!TrendLineScanner(2).NextBlock()); // no file opened: nothing to read
        // Fields longer than Qt's strings can hold are refused unread (a single line of a GiB).
        double value = 1;
        qint64 offset = 1;
        int cylinder = 1;
        const qsizetype huge = qsizetype(1) << 30;
        QVERIFY(!TrendNumberParser::ToValue("1", huge, &value));
        QVERIFY(!TrendNumberParser::ToOffset("1", huge, &offset));
        QVERIFY(!TrendNumberParser::ToCylinder("1", huge, &cylinder));
        QCOMPARE(value + offset + cylinder, 3.0);
        // Fewer than one cylinder, or more than a configuration may name.
        for (int cylinders : {0, -1, ConfigurationReader::MaxNumberOfCylinders + 1})
            QVERIFY(!DatafileReaderThreeColumns().ReadFile(
                m_dir.filePath("firing_angles.tlx"), 0, cylinders));
    }

    // The device's common shapes are converted inline up to their limits
    // (15 hexadecimal digits, 9 decimal ones, 19 digits and a mantissa of 2^53 in a value);
    // anything longer, finer or larger goes to Qt whole (the values are compared with Qt's on
    // whole files). Inline scans stop at the first byte outside the shape. Columns: inline as a
    // time offset, as a cylinder, as a value.
    void inlineShapes()
    {
        const std::tuple<const char*, bool, bool, bool> cases[] = {{"0", 1, 1, 1}, {"9", 1, 1, 1},
            {"9aF", 1, 0, 0}, {"fffffffffffffff", 1, 0, 0}, {"1e5", 1, 0, 0},
            {"999999999", 1, 1, 1}, {"1000000000", 1, 0, 1}, {"1000000000000000", 0, 0, 1},
            {"-99.99", 0, 0, 1}, {"-0", 0, 0, 1}, {".5", 0, 0, 1}, {"5.", 0, 0, 1},
            {"9007199254740992", 0, 0, 1}, {"900719925474099.2", 0, 0, 1},
            {"9007199254740993", 0, 0, 0}, {"0.000000000000000009", 0, 0, 1},
            {"0.0000000000000000009", 0, 0, 0}, {"", 0, 0, 0}, {"-", 0, 0, 0}, {".", 0, 0, 0},
            {"+1", 0, 0, 0}, {"1,5", 0, 0, 0}, {"9:", 0, 0, 0}};
        for (const auto& [text, hex, decimal, number] : cases) {
            const auto scan = [text = text](auto scanner, auto value) {
                const char* cursor = text;
                return scanner(&cursor, &value) && *cursor == '\0';
            };
            QVERIFY2(scan(TrendNumberParser::ScanPlainHex, quint64()) == hex, text);
            QVERIFY2(scan(TrendNumberParser::ScanPlainDecimal, int()) == decimal, text);
            QVERIFY2(scan(TrendNumberParser::ScanPlainDecimalNumber, double()) == number, text);
        }
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
        QTest::addColumn<bool>("halves"); // read in two halves at once, given two threads

        const qint64 max = std::numeric_limits<qint64>::max();
        const qint64 start = 1772436600000;
        const auto row = [](const char* name, int columns, int cylinders, qint64 start,
                             const QByteArray& content, bool halves = false) {
            QTest::newRow(name) << columns << cylinders << start << content << halves;
        };
        row("two columns", 2, 1, start, GenerateLines(2, 1, 60000, 1));
        // Near both ends of 64 bits: the last lines land on the end and one step beyond it.
        row("two columns, near 64-bit end", 2, 1, max - 3000000,
            GenerateLines(2, 1, 30000, 2) + "\n2DC6C0\t1\n2DC6C1\t2\n");
        row("three columns, negative start", 3, 3, -max + 1000,
            GenerateLines(3, 3, 30000, 5) + "\n-3E9\t0\t1\n-3EA\t0\t2\n");
        row("two columns, near 2^53", 2, 1, (qint64(1) << 53) - 2000000,
            GenerateLines(2, 1, 30000, 3));
        row("three columns", 3, 4, start, GenerateLines(3, 4, 60000, 4));
        // The most cylinders a configuration may name.
        const int most = ConfigurationReader::MaxNumberOfCylinders;
        row("three columns, most cylinders", 3, most, start, GenerateLines(3, most, 30000, 6));
        // Long enough to be read in halves; the times of the rows above leave them to one thread.
        row("three columns as two", 2, 1, 0, GenerateLines(3, 2, 20000, 7), true);
        row("two columns as three", 3, 2, 0, GenerateLines(2, 1, 20000, 8), true);
        // Lines longer than the readers' blocks: blanks before a number, a row of TABs, a last line
        // without LF.
        const QByteArray blanks(3 << 20, ' ');
        row("lines of megabytes", 2, 1, 0,
            blanks + "3E8\t1.5\n" + QByteArray(2 << 20, '\t') + "\n1\t2\n2\t" + blanks + "4.5",
            true);
        // Few TABs and LFs but many digits: lines that nearly parse.
        std::mt19937 random(9);
        QByteArray noise;
        const char alphabet[] = "0123456789abcdef\t\t\n\r .-+ex\0\xff";
        for (int i = 0; i < (1 << 20); ++i)
            noise += alphabet[random() % (sizeof alphabet - 1)];
        row("noise, two", 2, 1, 0, noise);
        row("noise, three", 3, 10, 0, noise);
        // Large files are read in two halves at once: device lines with unusual ones among them
        // and a line of megabytes at the middle, in both layouts; and a file whose starts of
        // halves hold no samples, which the halves cannot plan for and leave to one thread.
        // (Times beyond what a double holds are left out here: they, too, leave the file to one
        // thread.)
        QList<QByteArray> unusual;
        for (const QByteArray& line : GenerateLines(3, 4, 3000, 10).split('\n'))
            if (!line.contains("-80000"))
                unusual << line;
        for (const int columns : {2, 3}) {
            QByteArray lines;
            for (int i = 0; lines.size() < (9 << 20); ++i) {
                if (i == 150000)
                    lines += blanks + '\n';
                lines += i % 40 == 0 ? unusual.at(i / 40 % unusual.size()) + '\n'
                                     : QByteArray::number(i * 10, 16)
                        + (columns == 3 ? "\t" + QByteArray::number(i % 5) : "") + '\t'
                        + QByteArray::number((i % 9000) * 0.25) + '\n';
            }
            row(columns == 2 ? "halves, two" : "halves, three", columns, 4, start, lines, true);
        }
        const QByteArray junk = QByteArray("x\t\t\n").repeated(1 << 20);
        row("halves given up", 2, 1, start, junk + QByteArray("1\t2\n").repeated(1 << 20) + junk);
    }

    void sameAsPlainQtReading()
    {
        QFETCH(int, columns);
        QFETCH(int, cylinders);
        QFETCH(qint64, startTime);
        QFETCH(QByteArray, content);
        QFETCH(bool, halves);
        const QString path = m_dir.filePath("data.tlx");
        QVERIFY(TrendSetFiles::write(m_dir.path(), "data.tlx", content));
        QVector<PlainSeries> expected;
        QVERIFY(ReadPlainly(path, startTime, columns, cylinders, &expected));
        const std::unique_ptr<DatafileReaderInterface> reader = MakeReader(columns);
        QVERIFY(reader->ReadFile(path, startTime, cylinders));
        const QString disagreement = ReaderDisagreement(*reader, columns, expected);
        QVERIFY2(disagreement.isEmpty(), qPrintable(disagreement));
        QCOMPARE(static_cast<const DatafileReaderBase&>(*reader).ReadInHalves(),
            halves && std::thread::hardware_concurrency() >= 2);
    }

    void generatedSetsAreReadWhole()
    {
        TrendSetGenerator::Options options;
        options.durationSeconds = 600.0;
        options.fahrenheit = true;
        options.outputFolder = m_dir.filePath("a");
        QVERIFY(TrendSetGenerator::WriteSet(options));
        const QDir a(m_dir.filePath("a"));
        ConfigurationReader configuration;
        QVERIFY(configuration.ReadFile(a.filePath(ConfigurationFileName)));
        QVERIFY(configuration.IsValid());
        QCOMPARE(configuration.GetStartTime(), options.startTime);
        QCOMPARE(configuration.GetCylinderNames(), TrendSetGenerator::DefaultCylinderNames(6));
        QCOMPARE(configuration.GetTemperatureUnitText(), QString("°F"));
        for (const RecordingKind kind : TrendSetGenerator::AllKinds()) {
            const QString name = FileNameOf(kind);
            const bool twoColumns = LayoutOf(kind) == ColumnLayout::TwoColumns;
            const std::unique_ptr<DatafileReaderInterface> reader = MakeReader(twoColumns ? 2 : 3);
            QVERIFY(reader->ReadFile(a.filePath(name), options.startTime, 6));
            for (int c = 0; c < (twoColumns ? 1 : 6); ++c) {
                QCOMPARE(reader->GetTimestamps(c).size(), 600);
                QVERIFY(reader->GetTimestamps(c).last() < options.startTime + 600 * 1000);
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
            const QByteArray committed = TrendSetFiles::read(demo.filePath(name));
            QVERIFY2(committed == TrendSetFiles::read(QDir(options.outputFolder).filePath(name)),
                qPrintable(name));
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

QTEST_GUILESS_MAIN(TestTrendFiles)
#include "tst_trendfiles.moc"
