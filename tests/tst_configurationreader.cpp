// The configuration reader: keys found anywhere, required keys and their conversions, cylinder
// names, groups, additions, the description text and the temperature unit.

#include "ConfigurationReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>
#include <memory>

namespace {

const QByteArray UsualContent = "DateTime=16A2B3C4D5E\nDeviceType=0\nDeviceId=5\nNumberCylinder=4\n"
                                "DataFormat=1\n";

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

QByteArray ReversedLines(const QByteArray& content)
{
    QList<QByteArray> lines = content.split('\n');
    std::reverse(lines.begin(), lines.end());
    return lines.join('\n');
}

} // namespace

class TestConfigurationReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void newReader();
    void read_data();
    void read();
    void missingFile();
    void description_data();
    void description();
    void temperatureUnit_data();
    void temperatureUnit();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestConfigurationReader::initTestCase()
{
    // Local times below are those of Berlin, whatever zone the machine is in.
    qputenv("TZ", "Europe/Berlin");
    tzset();
}

void TestConfigurationReader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("configuration.tlx"));
}

void TestConfigurationReader::newReader()
{
    const ConfigurationReader reader;
    QVERIFY(!reader.IsValid());
    QCOMPARE(reader.GetNumberOfCylinders(), -1);
    QCOMPARE(reader.GetDeviceId(), -1);
    QCOMPARE(reader.GetStartTime(), qint64(-1));
    QCOMPARE(reader.GetDeviceType(), 9);
    QCOMPARE(reader.GetDataFormat(), 2);
    QVERIFY(reader.GetCylinderNames().isEmpty());
    QVERIFY(reader.GetGroups().isEmpty());
    QVERIFY(reader.GetAdditions().isEmpty());
    QCOMPARE(reader.ToString(), QStringLiteral("ERROR: Configuration invalid!"));
}

void TestConfigurationReader::read_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("startTime");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<int>("deviceId");
    QTest::addColumn<int>("cylinders");
    QTest::addColumn<int>("dataFormat");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QString>("additions");

    const QStringList numbered = {"# 0", "# 1", "# 2", "# 3"};
    QTest::newRow("usual") << UsualContent << true << qint64(0x16A2B3C4D5E) << 0 << 5 << 4 << 1
                           << numbered << QStringList() << QString();
    QTest::newRow("hex digits only")
        << QByteArray(UsualContent).replace("16A2B3C4D5E", "1234") << true << qint64(4660) << 0 << 5
        << 4 << 1 << numbered << QStringList() << QString();
    QTest::newRow("reverse order") << ReversedLines(UsualContent) << true << qint64(0x16A2B3C4D5E)
                                   << 0 << 5 << 4 << 1 << numbered << QStringList() << QString();
    QTest::newRow("CR LF") << QByteArray(UsualContent).replace("\n", "\r\n") << true
                           << qint64(0x16A2B3C4D5E) << 0 << 5 << 4 << 1 << numbered << QStringList()
                           << QString();
    QTest::newRow("DeviceId=abc") << QByteArray(UsualContent).replace("DeviceId=5", "DeviceId=abc")
                                  << false << qint64(0x16A2B3C4D5E) << 0 << 0 << 4 << 1 << numbered
                                  << QStringList() << QString();
    QTest::newRow("missing DataFormat")
        << QByteArray(UsualContent).replace("DataFormat=1\n", "") << false << qint64(0x16A2B3C4D5E)
        << 0 << 5 << 4 << 2 << numbered << QStringList() << QString();
    QTest::newRow("names with gaps")
        << UsualContent + "CylinderNames=A1,,B1,\n"
        << true << qint64(0x16A2B3C4D5E) << 0 << 5 << 4 << 1
        << QStringList {"A1", "B1", "# 2", "# 3"} << QStringList() << QString();
    QTest::newRow("blank after comma stays")
        << UsualContent + "CylinderNames=A1, B1\n"
        << true << qint64(0x16A2B3C4D5E) << 0 << 5 << 4 << 1
        << QStringList {"A1", " B1", "# 2", "# 3"} << QStringList() << QString();
    QTest::newRow("surplus names kept")
        << UsualContent + "CylinderNames=a,b,c,d,e,f" << true << qint64(0x16A2B3C4D5E) << 0 << 5
        << 4 << 1 << QStringList {"a", "b", "c", "d", "e", "f"} << QStringList() << QString();
    QTest::newRow("groups and additions, last line without LF")
        << UsualContent + "Groups=;G1;;G 2;\nAdditions= FAHRENHEIT " << true
        << qint64(0x16A2B3C4D5E) << 0 << 5 << 4 << 1 << numbered << QStringList {"G1", "G 2"}
        << QStringLiteral(" FAHRENHEIT ");
    QTest::newRow("key in the middle of a line, first occurrence counts")
        << QByteArray("x DateTime=A\nDateTime=B\nfoo DeviceType=3\nDeviceId=7 \nDeviceId=8\n"
                      "NumberCylinder=2\nDataFormat=1\n")
        << true << qint64(10) << 3 << 7 << 2 << 1 << QStringList {"# 0", "# 1"} << QStringList()
        << QString();
    QTest::newRow("value runs to the LF")
        << QByteArray(UsualContent).replace("DeviceType=0\n", "DeviceType=3 DeviceId=5\n") << false
        << qint64(0x16A2B3C4D5E) << 0 << 5 << 4 << 1 << QStringList {"# 0", "# 1", "# 2", "# 3"}
        << QStringList() << QString();
    QTest::newRow("NUL byte ends the text")
        << QByteArray(
               "DateTime=1\nDeviceType=1\nDeviceId=1\n\0NumberCylinder=2\nDataFormat=1\n", 61)
        << false << qint64(1) << 1 << 1 << -1 << 2 << QStringList() << QStringList() << QString();
    QTest::newRow("empty file") << QByteArray() << false << qint64(-1) << 9 << -1 << -1 << 2
                                << QStringList() << QStringList() << QString();
    QTest::newRow("blanks, sign and 0x accepted as Qt does")
        << QByteArray("DateTime= 0x1F \nDeviceType=+2\nDeviceId= 7\nNumberCylinder=03\n"
                      "DataFormat=-1\n")
        << true << qint64(31) << 2 << 7 << 3 << -1 << QStringList {"# 0", "# 1", "# 2"}
        << QStringList() << QString();
    QTest::newRow("empty value") << QByteArray(UsualContent).replace("DeviceType=0", "DeviceType=")
                                 << false << qint64(0x16A2B3C4D5E) << 0 << 5 << 4 << 1 << numbered
                                 << QStringList() << QString();
    QTest::newRow("int overflow stores 0")
        << QByteArray(UsualContent).replace("DeviceId=5", "DeviceId=2147483648") << false
        << qint64(0x16A2B3C4D5E) << 0 << 0 << 4 << 1 << numbered << QStringList() << QString();
    QTest::newRow("zero cylinders is valid here")
        << QByteArray(UsualContent).replace("NumberCylinder=4", "NumberCylinder=0") << true
        << qint64(0x16A2B3C4D5E) << 0 << 5 << 0 << 1 << QStringList() << QStringList() << QString();
    QTest::newRow("largest number of cylinders")
        << QByteArray(UsualContent).replace("NumberCylinder=4", "NumberCylinder=1024") << true
        << qint64(0x16A2B3C4D5E) << 0 << 5 << 1024 << 1 << QStringList() << QStringList()
        << QString();
    // Regression: a corrupt count of cylinders generated that many names and exhausted memory.
    QTest::newRow("absurd number of cylinders")
        << QByteArray(UsualContent).replace("NumberCylinder=4", "NumberCylinder=2147483647")
        << false << qint64(0x16A2B3C4D5E) << 0 << 5 << 2147483647 << 1 << QStringList()
        << QStringList() << QString();
    QTest::newRow("UTF-8 names") << UsualContent + "CylinderNames=Zylinder Ä,Ø2\n"
                                 << true << qint64(0x16A2B3C4D5E) << 0 << 5 << 4 << 1
                                 << QStringList {QStringLiteral("Zylinder Ä"), QStringLiteral("Ø2"),
                                        "# 2", "# 3"}
                                 << QStringList() << QString();
}

void TestConfigurationReader::read()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, valid);
    QFETCH(qint64, startTime);
    QFETCH(int, deviceType);
    QFETCH(int, deviceId);
    QFETCH(int, cylinders);
    QFETCH(int, dataFormat);
    QFETCH(QStringList, names);
    QFETCH(QStringList, groups);
    QFETCH(QString, additions);

    QVERIFY(WriteFile(m_path, content));
    ConfigurationReader reader;
    QVERIFY(reader.ReadFile(m_path));
    QCOMPARE(reader.IsValid(), valid);
    QCOMPARE(reader.GetStartTime(), startTime);
    QCOMPARE(reader.GetDeviceType(), deviceType);
    QCOMPARE(reader.GetDeviceId(), deviceId);
    QCOMPARE(reader.GetNumberOfCylinders(), cylinders);
    QCOMPARE(reader.GetDataFormat(), dataFormat);
    if (QByteArray(QTest::currentDataTag()) == "largest number of cylinders") {
        QCOMPARE(reader.GetCylinderNames().size(), 1024);
        QCOMPARE(reader.GetCylinderNames().last(), QStringLiteral("# 1023"));
    } else {
        QCOMPARE(reader.GetCylinderNames(), names);
    }
    QCOMPARE(reader.GetGroups(), groups);
    QCOMPARE(reader.GetAdditions(), additions);
    if (!valid)
        QCOMPARE(reader.ToString(), QStringLiteral("ERROR: Configuration invalid!"));
}

void TestConfigurationReader::missingFile()
{
    ConfigurationReader reader;
    QVERIFY(!reader.ReadFile(m_path));
    QVERIFY(!reader.IsValid());
    QCOMPARE(reader.GetStartTime(), qint64(-1));

    // A failed second read keeps what the first one read.
    QVERIFY(WriteFile(m_path, UsualContent));
    QVERIFY(reader.ReadFile(m_path));
    QVERIFY(!reader.ReadFile(m_dir->filePath(QStringLiteral("other.tlx"))));
    QVERIFY(reader.IsValid());
    QCOMPARE(reader.GetNumberOfCylinders(), 4);

    // A folder is not a readable file.
    ConfigurationReader folder;
    QVERIFY(!folder.ReadFile(m_dir->path()));
    QVERIFY(!folder.IsValid());
}

void TestConfigurationReader::description_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    // 0x19CAD7434C0 ms is 2026-03-02 07:30:00.000 UTC, 08:30 in Berlin (winter time);
    // 0x19D8CD11955 falls in summer time.
    QTest::newRow("winter") << QByteArray("DateTime=19CAD7434C0\nDeviceType=2\nDeviceId=17\n"
                                          "NumberCylinder=6\nDataFormat=1\n")
                            << QStringLiteral("Start of trend data: 2026-03-02 08:30:00.000\n"
                                              "Device type: KNK_A\nDevice CAN ID: 17\n"
                                              "Number of Cylinders: 6\n");
    QTest::newRow("summer, milliseconds, additions")
        << QByteArray("DateTime=19D8CD11955\nDeviceType=8\nDeviceId=0\nNumberCylinder=1\n"
                      "DataFormat=1\nAdditions=FAHRENHEIT\n")
        << QStringLiteral("Start of trend data: 2026-04-14 18:26:46.997\nDevice type: IGN_E\n"
                          "Device CAN ID: 0\nNumber of Cylinders: 1\nAdditions: FAHRENHEIT\n");
    QTest::newRow("device type outside the table")
        << QByteArray("DateTime=0\nDeviceType=42\nDeviceId=-3\nNumberCylinder=2\nDataFormat=1\n")
        << QStringLiteral("Start of trend data: 1970-01-01 01:00:00.000\nDevice type: INVALID\n"
                          "Device CAN ID: -3\nNumber of Cylinders: 2\n");
}

void TestConfigurationReader::description()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);

    QVERIFY(WriteFile(m_path, content));
    ConfigurationReader reader;
    QVERIFY(reader.ReadFile(m_path));
    QVERIFY(reader.IsValid());
    QCOMPARE(reader.ToString(), expected);
}

void TestConfigurationReader::temperatureUnit_data()
{
    QTest::addColumn<QByteArray>("additions");
    QTest::addColumn<QString>("unit");

    QTest::newRow("none") << QByteArray() << QStringLiteral("°C");
    QTest::newRow("FAHRENHEIT") << QByteArray("Additions=FAHRENHEIT\n") << QStringLiteral("°F");
    QTest::newRow("lower case") << QByteArray("Additions=fahrenheit\n") << QStringLiteral("°C");
    QTest::newRow("with blank") << QByteArray("Additions=FAHRENHEIT \n") << QStringLiteral("°C");
    QTest::newRow("CR LF") << QByteArray("Additions=FAHRENHEIT\r\n") << QStringLiteral("°F");
}

void TestConfigurationReader::temperatureUnit()
{
    QFETCH(QByteArray, additions);
    QFETCH(QString, unit);

    QVERIFY(WriteFile(m_path, UsualContent + additions));
    ConfigurationReader reader;
    QVERIFY(reader.ReadFile(m_path));
    QCOMPARE(reader.GetTemperatureUnitText(), unit);
}

QTEST_GUILESS_MAIN(TestConfigurationReader)
#include "tst_configurationreader.moc"
