// The configuration reader: keys found anywhere, required keys and their conversions, cylinder
// names, groups, additions, the description text and the temperature unit. Also the fixed file
// names of a trend set and the device type names.

#include "ConfigurationReader.h"
#include "DeviceTypes.h"
#include "TrendFileNames.h"
#include "TrendSetFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <limits>

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

} // namespace

class TestConfigurationReader : public QObject {
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
        QList<QByteArray> lines = Usual.split('\n');
        std::reverse(lines.begin(), lines.end());
        QTest::newRow("any order, no last LF") << lines.join('\n') << usual;
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
        QTest::newRow("NUL ends the text") << QByteArray(
            "DateTime=1\nDeviceType=1\nDeviceId=1\n\0NumberCylinder=2\nDataFormat=1\n", 61)
                                           << "0 1 1 1 -1 2 ||";
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
        // The device writes exactly these names; a typo here would refuse every real recording.
        const QStringList names = {"speed", "global_timing", "analog_output", "firing_angles",
            "secondary_voltages", "knocking_intensity", "temperatures"};
        for (int i = 0; i < names.size(); ++i) {
            const FileClass result = ClassifyFileName("C:/a b/" + names[i] + ".tlx");
            QVERIFY(result.isDataFile());
            QCOMPARE(FileNameOf(result.kind), names[i] + ".tlx");
            QCOMPARE(result.layout, i < 3 ? ColumnLayout::TwoColumns : ColumnLayout::ThreeColumns);
            QCOMPARE(LayoutOf(result.kind), result.layout);
        }
        QCOMPARE(ClassifyFileName("/a/configuration.tlx").type, FileClass::ConfigurationFile);
        // Only the exact name counts: no case folding, no trimming, no base-name match.
        for (const char* path : {"/a/Speed.tlx", "/a/speed.TLX", "/a/speed.tlx.bak", "/a/speed",
                 "/a/ speed.tlx", "/a/Configuration.tlx", "/a/speed.tlx/", ""})
            QVERIFY2(ClassifyFileName(path).type == FileClass::Unrecognised, path);
        // Codes the device type table does not know must not read outside it.
        for (const int code : {9, 10, -1, std::numeric_limits<int>::min()})
            QCOMPARE(DeviceTypeName(code), QString("INVALID"));
    }
};

QTEST_GUILESS_MAIN(TestConfigurationReader)
#include "tst_configurationreader.moc"
