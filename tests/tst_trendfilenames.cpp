// File names of a trend set and the device type names.

#include "DeviceTypes.h"
#include "TrendFileNames.h"

#include <QtTest>

class TestTrendFileNames : public QObject {
    Q_OBJECT

private slots:
    void classify()
    {
        // The device writes exactly these names; a typo here would refuse every real recording.
        const QList<QPair<QString, RecordingKind>> kinds = {{"speed.tlx", RecordingKind::Speed},
            {"global_timing.tlx", RecordingKind::GlobalTiming},
            {"analog_output.tlx", RecordingKind::AnalogOutput},
            {"firing_angles.tlx", RecordingKind::FiringAngles},
            {"secondary_voltages.tlx", RecordingKind::SecondaryVoltages},
            {"knocking_intensity.tlx", RecordingKind::KnockingIntensity},
            {"temperatures.tlx", RecordingKind::Temperatures}};
        for (int i = 0; i < kinds.size(); ++i) {
            const FileClass result = ClassifyFileName("C:/a b/" + kinds[i].first);
            QCOMPARE(int(result.type), int(FileClass::DataFile));
            QCOMPARE(int(result.kind), int(kinds[i].second));
            QCOMPARE(result.layout, i < 3 ? ColumnLayout::TwoColumns : ColumnLayout::ThreeColumns);
            QCOMPARE(LayoutOf(kinds[i].second), result.layout);
            QCOMPARE(FileNameOf(kinds[i].second), kinds[i].first);
        }
        QCOMPARE(
            int(ClassifyFileName("/a/configuration.tlx").type), int(FileClass::ConfigurationFile));
        // Only the exact name counts: no case folding, no trimming, no base-name match.
        for (const char* path :
            {"/a/Speed.tlx", "/a/speed.TLX", "/a/speed.tlx.bak", "/a/speed", "/a/ speed.tlx",
                "/a/speed.tlx ", "/a/Configuration.tlx", "/a/speed.tlx/", "", "/a/xspeed.tlx"})
            QVERIFY2(ClassifyFileName(path).type == FileClass::Unrecognised, path);
    }

    void deviceTypeNames()
    {
        const QStringList names = {"IGN_A", "IGN_B", "KNK_A", "KNK_B", "IGN_C", "THR_A", "THR_B",
            "IGN_D", "IGN_E", "INVALID"};
        QCOMPARE(DeviceTypeNames, names);
        for (int code = 0; code < names.size(); ++code)
            QCOMPARE(DeviceTypeName(code), names[code]);
        // Codes the table does not know must not read outside it.
        for (const int code :
            {10, -1, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()})
            QCOMPARE(DeviceTypeName(code), QString("INVALID"));
    }
};

QTEST_GUILESS_MAIN(TestTrendFileNames)
#include "tst_trendfilenames.moc"
