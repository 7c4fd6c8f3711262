// The configuration reader: keys found anywhere, required keys and their conversions, cylinder
// names, groups, additions, the description text and the temperature unit.

#include "ConfigurationReader.h"
#include "TrendSetFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <ctime>

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
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7|%8|%9")
        .arg(int(r.IsValid()))
        .arg((r.GetStartTime() < 0 ? "-" : "") + QString::number(qAbs(r.GetStartTime()), 16))
        .arg(r.GetDeviceType())
        .arg(r.GetDeviceId())
        .arg(r.GetNumberOfCylinders())
        .arg(r.GetDataFormat())
        .arg(names.size() > 8 ? QString::number(names.size()) + " to " + names.last()
                              : names.join(','),
            r.GetGroups().join(','), r.GetAdditions());
}

} // namespace

class TestConfigurationReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void read_data();
    void read();
    void missingFile();
    void description_data();
    void description();

private:
    QTemporaryDir m_dir;
};

void TestConfigurationReader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("TZ", "Europe/Berlin");
    tzset();
    const ConfigurationReader fresh;
    QCOMPARE(Summary(fresh), QString("0 -1 9 -1 -1 2 ||"));
    QCOMPARE(fresh.ToString(), QString("ERROR: Configuration invalid!"));
}

void TestConfigurationReader::read_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    const QString usual = "1 16a2b3c4d5e 0 5 4 1 # 0,# 1,# 2,# 3||";
    QTest::newRow("usual") << Usual << usual;
    QList<QByteArray> lines = Usual.split('\n');
    std::reverse(lines.begin(), lines.end());
    QTest::newRow("any order") << lines.join('\n') << usual;
    QTest::newRow("CR LF") << UsualWith("\n", "\r\n") << usual;
    QTest::newRow("DeviceId=abc") << UsualWith("Id=5", "Id=abc")
                                  << "0 16a2b3c4d5e 0 0 4 1 # 0,# 1,# 2,# 3||";
    QTest::newRow("missing DataFormat")
        << UsualWith("DataFormat=1\n", "") << "0 16a2b3c4d5e 0 5 4 2 # 0,# 1,# 2,# 3||";
    QTest::newRow("empty value") << UsualWith("Type=0", "Type=")
                                 << "0 16a2b3c4d5e 0 5 4 1 # 0,# 1,# 2,# 3||";
    QTest::newRow("int overflow stores 0")
        << UsualWith("Id=5", "Id=2147483648") << "0 16a2b3c4d5e 0 0 4 1 # 0,# 1,# 2,# 3||";
    QTest::newRow("value runs to the LF") << UsualWith("Type=0\n", "Type=3 DeviceId=5\n")
                                          << "0 16a2b3c4d5e 0 5 4 1 # 0,# 1,# 2,# 3||";
    QTest::newRow("names with gaps, blank kept") << Usual + "CylinderNames=A1,, B1,\n"
                                                 << "1 16a2b3c4d5e 0 5 4 1 A1, B1,# 2,# 3||";
    QTest::newRow("surplus names kept") << Usual + "CylinderNames=a,b,c,d,e,f"
                                        << "1 16a2b3c4d5e 0 5 4 1 a,b,c,d,e,f||";
    QTest::newRow("UTF-8 names") << Usual
            + "CylinderNames=Zylinder \xc3\x84,\xc3\x98"
              "2\n" << QString::fromUtf8("1 16a2b3c4d5e 0 5 4 1 Zylinder Ä,Ø2,# 2,# 3||");
    QTest::newRow("groups and additions, no last LF")
        << Usual + "Groups=;G1;;G 2;\nAdditions= F "
        << "1 16a2b3c4d5e 0 5 4 1 # 0,# 1,# 2,# 3|G1,G 2| F ";
    QTest::newRow("key inside a line, first one counts") << QByteArray(
        "x DateTime=A\nDateTime=B\nfoo DeviceType=3\nDeviceId=7 \nDeviceId=8\n"
        "NumberCylinder=2\nDataFormat=1\n") << "1 a 3 7 2 1 # 0,# 1||";
    QTest::newRow("NUL ends the text") << QByteArray(
        "DateTime=1\nDeviceType=1\nDeviceId=1\n\0NumberCylinder=2\nDataFormat=1\n", 61)
                                       << "0 1 1 1 -1 2 ||";
    QTest::newRow("empty file") << QByteArray() << "0 -1 9 -1 -1 2 ||";
    QTest::newRow("blanks, sign and 0x as Qt reads them") << QByteArray(
        "DateTime= 0x1F \nDeviceType=+2\nDeviceId= 7\nNumberCylinder=03\nDataFormat=-1\n")
                                                          << "1 1f 2 7 3 -1 # 0,# 1,# 2||";
    QTest::newRow("zero cylinders")
        << UsualWith("Cylinder=4", "Cylinder=0") << "1 16a2b3c4d5e 0 5 0 1 ||";
    QTest::newRow("largest number of cylinders")
        << UsualWith("Cylinder=4", "Cylinder=1024") << "1 16a2b3c4d5e 0 5 1024 1 1024 to # 1023||";
    // Regression: a corrupt count of cylinders generated that many names and exhausted memory.
    QTest::newRow("absurd number of cylinders")
        << UsualWith("Cylinder=4", "Cylinder=1025") << "0 16a2b3c4d5e 0 5 1025 1 ||";
}

void TestConfigurationReader::read()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QVERIFY(TrendSetFiles::write(m_dir.path(), "configuration.tlx", content));
    ConfigurationReader reader;
    QVERIFY(reader.ReadFile(m_dir.filePath("configuration.tlx")));
    QCOMPARE(Summary(reader), expected);
    if (!reader.IsValid())
        QCOMPARE(reader.ToString(), QString("ERROR: Configuration invalid!"));
}

void TestConfigurationReader::missingFile()
{
    ConfigurationReader reader;
    QVERIFY(!reader.ReadFile(m_dir.filePath("missing.tlx")));
    QVERIFY(!reader.ReadFile(m_dir.path()));
    QVERIFY(!reader.IsValid());
    // A failed second read keeps what the first one read.
    QVERIFY(TrendSetFiles::write(m_dir.path(), "kept.tlx", Usual));
    QVERIFY(reader.ReadFile(m_dir.filePath("kept.tlx")));
    QVERIFY(!reader.ReadFile(m_dir.filePath("missing.tlx")));
    QCOMPARE(Summary(reader), QString("1 16a2b3c4d5e 0 5 4 1 # 0,# 1,# 2,# 3||"));
}

void TestConfigurationReader::description_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("unit");

    // 0x19CAD7434C0 ms is 2026-03-02 07:30:00.000 UTC, 08:30 in Berlin (winter time).
    QTest::newRow("winter")
        << QByteArray(
               "DateTime=19CAD7434C0\nDeviceType=2\nDeviceId=17\nNumberCylinder=6\nDataFormat=1\n")
        << "Start of trend data: 2026-03-02 08:30:00.000\nDevice type: KNK_A\nDevice CAN ID: 17\n"
           "Number of Cylinders: 6\n"
        << QString::fromUtf8("°C");
    QTest::newRow("summer, milliseconds, Fahrenheit")
        << QByteArray("DateTime=19D8CD11955\nDeviceType=8\nDeviceId=0\nNumberCylinder=1\n"
                      "DataFormat=1\nAdditions=FAHRENHEIT\r\n")
        << "Start of trend data: 2026-04-14 18:26:46.997\nDevice type: IGN_E\nDevice CAN ID: 0\n"
           "Number of Cylinders: 1\nAdditions: FAHRENHEIT\n"
        << QString::fromUtf8("°F");
    QTest::newRow("type outside the table, additions not exactly FAHRENHEIT")
        << QByteArray("DateTime=0\nDeviceType=42\nDeviceId=-3\nNumberCylinder=2\nDataFormat=1\n"
                      "Additions=fahrenheit\n")
        << "Start of trend data: 1970-01-01 01:00:00.000\nDevice type: INVALID\n"
           "Device CAN ID: -3\nNumber of Cylinders: 2\nAdditions: fahrenheit\n"
        << QString::fromUtf8("°C");
    QTest::newRow("FAHRENHEIT with a blank")
        << Usual + "Additions=FAHRENHEIT \n"
        << "Start of trend data: 2019-04-17 14:18:53.406\nDevice type: IGN_A\nDevice CAN ID: 5\n"
           "Number of Cylinders: 4\nAdditions: FAHRENHEIT \n"
        << QString::fromUtf8("°C");
}

void TestConfigurationReader::description()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QFETCH(QString, unit);
    QVERIFY(TrendSetFiles::write(m_dir.path(), "configuration.tlx", content));
    ConfigurationReader reader;
    QVERIFY(reader.ReadFile(m_dir.filePath("configuration.tlx")));
    QVERIFY(reader.IsValid());
    QCOMPARE(reader.ToString(), expected);
    QCOMPARE(reader.GetTemperatureUnitText(), unit);
}

QTEST_GUILESS_MAIN(TestConfigurationReader)
#include "tst_configurationreader.moc"
