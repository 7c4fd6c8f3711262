// File name classification, device type names and the temperature unit of a trend set.

#include "DeviceTypes.h"
#include "TrendFileNames.h"

#include <QtTest>

Q_DECLARE_METATYPE(FileClass::Type)
Q_DECLARE_METATYPE(RecordingKind)
Q_DECLARE_METATYPE(ColumnLayout)

class TestTrendFileNames : public QObject {
    Q_OBJECT

private slots:
    void fixedNames();
    void classify_data();
    void classify();
    void deviceTypeNames_data();
    void deviceTypeNames();
    void temperatureUnit_data();
    void temperatureUnit();
};

void TestTrendFileNames::fixedNames()
{
    // The device writes exactly these names; a typo here would refuse every real recording.
    QCOMPARE(TrendFileExtension, QStringLiteral(".tlx"));
    const QStringList names = {ConfigurationFileName, FiringAnglesFileName, GlobalTimingFileName,
        SecondaryVoltagesFileName, SpeedFileName, KnockingIntensityFileName, AnalogOutputFileName,
        TemperaturesFileName};
    const QStringList expected
        = {"configuration.tlx", "firing_angles.tlx", "global_timing.tlx", "secondary_voltages.tlx",
            "speed.tlx", "knocking_intensity.tlx", "analog_output.tlx", "temperatures.tlx"};
    QCOMPARE(names, expected);
}

void TestTrendFileNames::classify_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<FileClass::Type>("type");
    QTest::addColumn<RecordingKind>("kind");
    QTest::addColumn<ColumnLayout>("layout");

    const auto two = ColumnLayout::TwoColumns;
    const auto three = ColumnLayout::ThreeColumns;
    QTest::newRow("speed") << "/data/set/speed.tlx" << FileClass::DataFile << RecordingKind::Speed
                           << two;
    QTest::newRow("global timing")
        << "global_timing.tlx" << FileClass::DataFile << RecordingKind::GlobalTiming << two;
    QTest::newRow("analog output")
        << "C:/x/analog_output.tlx" << FileClass::DataFile << RecordingKind::AnalogOutput << two;
    QTest::newRow("firing angles")
        << "/a/firing_angles.tlx" << FileClass::DataFile << RecordingKind::FiringAngles << three;
    QTest::newRow("secondary voltages") << "/a/secondary_voltages.tlx" << FileClass::DataFile
                                        << RecordingKind::SecondaryVoltages << three;
    QTest::newRow("knocking intensity") << "/a/knocking_intensity.tlx" << FileClass::DataFile
                                        << RecordingKind::KnockingIntensity << three;
    QTest::newRow("temperatures") << "/a/temperatures.tlx" << FileClass::DataFile
                                  << RecordingKind::Temperatures << three;
    QTest::newRow("configuration")
        << "/a/configuration.tlx" << FileClass::ConfigurationFile << RecordingKind::Speed << two;

    // Only the exact name counts: no case folding, no trimming, no base-name match.
    const QStringList refused = {"/a/Speed.tlx", "/a/speed.TLX", "/a/SPEED.TLX", "/a/speed.tlx.bak",
        "/a/speed", "/a/ speed.tlx", "/a/speed.tlx ", "/a/Configuration.tlx", "/a/speed.tlx/",
        "/a/", "", "/a/xspeed.tlx"};
    for (const QString& path : refused)
        QTest::newRow(qPrintable("refused " + path))
            << path << FileClass::Unrecognised << RecordingKind::Speed << two;
}

void TestTrendFileNames::classify()
{
    QFETCH(QString, path);
    QFETCH(FileClass::Type, type);
    QFETCH(RecordingKind, kind);
    QFETCH(ColumnLayout, layout);

    const FileClass result = ClassifyFileName(path);
    QCOMPARE(result.type, type);
    if (type == FileClass::DataFile) {
        QCOMPARE(result.kind, kind);
        QCOMPARE(result.layout, layout);
        QCOMPARE(FileNameOf(kind), QFileInfo(path).fileName());
        QCOMPARE(LayoutOf(kind), layout);
    }
}

void TestTrendFileNames::deviceTypeNames_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    const char* names[] = {
        "IGN_A", "IGN_B", "KNK_A", "KNK_B", "IGN_C", "THR_A", "THR_B", "IGN_D", "IGN_E", "INVALID"};
    for (int code = 0; code < 10; ++code)
        QTest::newRow(names[code]) << code << QString::fromLatin1(names[code]);
    // Codes the table does not know must not read outside it.
    QTest::newRow("10") << 10 << "INVALID";
    QTest::newRow("-1") << -1 << "INVALID";
    QTest::newRow("INT_MAX") << std::numeric_limits<int>::max() << "INVALID";
    QTest::newRow("INT_MIN") << std::numeric_limits<int>::min() << "INVALID";
}

void TestTrendFileNames::deviceTypeNames()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(DeviceTypeNames.size(), 10);
    QCOMPARE(DeviceTypeName(code), name);
}

void TestTrendFileNames::temperatureUnit_data()
{
    QTest::addColumn<QString>("additions");
    QTest::addColumn<QString>("text");
    QTest::newRow("fahrenheit") << "FAHRENHEIT" << QString::fromUtf8("°F");
    QTest::newRow("lower case") << "fahrenheit" << QString::fromUtf8("°C");
    QTest::newRow("trailing blank") << "FAHRENHEIT " << QString::fromUtf8("°C");
    QTest::newRow("trailing CR") << "FAHRENHEIT\r" << QString::fromUtf8("°C");
    QTest::newRow("none") << QString() << QString::fromUtf8("°C");
    QTest::newRow("other") << "CELSIUS" << QString::fromUtf8("°C");
}

void TestTrendFileNames::temperatureUnit()
{
    QFETCH(QString, additions);
    QFETCH(QString, text);
    QCOMPARE(TemperatureUnitText(TemperatureUnitFromAdditions(additions)), text);
    // The degree sign is U+00B0, not a look-alike.
    QCOMPARE(text.at(0).unicode(), ushort(0x00B0));
}

QTEST_GUILESS_MAIN(TestTrendFileNames)
#include "tst_trendfilenames.moc"
