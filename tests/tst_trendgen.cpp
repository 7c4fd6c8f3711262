#include "TrendGenCommandLine.h"
#include "TrendSetGenerator.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(RecordingKind)

namespace {

const QRegularExpression HexPattern(QStringLiteral("^[0-9A-F]+$"));
const QRegularExpression DecimalPattern(QStringLiteral("^[0-9]+$"));
const QRegularExpression ValuePattern(QStringLiteral("^-?[0-9]+\\.[0-9]+$"));

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// One parsed line of a data file, read with the plain Qt conversions the viewer relies on.
struct Sample {
    qint64 offset = -1;
    int cylinder = -1;
    double value = 0.0;
};

// Parses a whole data file and checks every byte of the device format on the way; the first
// fault is reported through `fault` with its line number.
QVector<Sample> parseDataFile(const QByteArray& bytes, int fields, int cylinders, QString& fault)
{
    QVector<Sample> samples;
    if (bytes.isEmpty())
        return samples;
    if (!bytes.endsWith('\n')) {
        fault = QStringLiteral("last line has no LF");
        return samples;
    }
    if (bytes.contains('\r') || bytes.contains('\0')) {
        fault = QStringLiteral("CR or NUL byte in file");
        return samples;
    }
    const QList<QByteArray> lines = bytes.left(bytes.size() - 1).split('\n');
    samples.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QList<QByteArray> parts = lines.at(i).split('\t');
        auto fail = [&](const QString& what) {
            fault = QStringLiteral("line %1 \"%2\": %3")
                        .arg(i + 1)
                        .arg(QString::fromLatin1(lines.at(i)), what);
            return samples;
        };
        if (parts.size() != fields)
            return fail(QStringLiteral("%1 fields").arg(parts.size()));
        Sample sample;
        bool ok = false;
        if (!HexPattern.match(QString::fromLatin1(parts.first())).hasMatch())
            return fail(QStringLiteral("offset not upper-case hex"));
        sample.offset = parts.first().toLongLong(&ok, 16);
        if (!ok)
            return fail(QStringLiteral("offset does not convert"));
        if (fields == 3) {
            if (!DecimalPattern.match(QString::fromLatin1(parts.at(1))).hasMatch())
                return fail(QStringLiteral("cylinder not decimal"));
            sample.cylinder = parts.at(1).toInt(&ok, 10);
            if (!ok || sample.cylinder < 0 || sample.cylinder >= cylinders)
                return fail(QStringLiteral("cylinder out of range"));
        }
        if (!ValuePattern.match(QString::fromLatin1(parts.last())).hasMatch())
            return fail(QStringLiteral("value not written with a decimal point"));
        sample.value = parts.last().toDouble(&ok);
        if (!ok || !std::isfinite(sample.value))
            return fail(QStringLiteral("value does not convert"));
        samples << sample;
    }
    return samples;
}

QMap<QByteArray, QByteArray> parseConfiguration(const QByteArray& bytes, QString& fault)
{
    QMap<QByteArray, QByteArray> keys;
    if (!bytes.endsWith('\n') || bytes.contains('\r')) {
        fault = QStringLiteral("configuration lines must end with LF only");
        return keys;
    }
    for (const QByteArray& line : bytes.left(bytes.size() - 1).split('\n')) {
        const int equals = line.indexOf('=');
        if (equals <= 0 || keys.contains(line.left(equals))) {
            fault = QStringLiteral("malformed or repeated line: ") + QString::fromUtf8(line);
            return keys;
        }
        keys.insert(line.left(equals), line.mid(equals + 1));
    }
    return keys;
}

QVector<double> valuesOf(const QVector<Sample>& samples, int cylinder = -1)
{
    QVector<double> values;
    for (const Sample& sample : samples) {
        if (cylinder < 0 || sample.cylinder == cylinder)
            values << sample.value;
    }
    return values;
}

double mean(const QVector<double>& values, int from, int to)
{
    double sum = 0.0;
    for (int i = from; i < to; ++i)
        sum += values.at(i);
    return to > from ? sum / (to - from) : 0.0;
}

int fieldsOf(RecordingKind kind) { return LayoutOf(kind) == ColumnLayout::ThreeColumns ? 3 : 2; }

} // namespace

// Checks that generated trend sets follow the device's file formats byte for byte and that the
// recorded engine run looks like one, so tests and benchmarks built on them feed realistic input.
class tst_TrendGen : public QObject {
    Q_OBJECT

private slots:
    void dataFileFormat_data();
    void dataFileFormat();
    void timingFollowsDurationAndRate_data();
    void timingFollowsDurationAndRate();
    void configuration_data();
    void configuration();
    void writeSetWritesRequestedFiles();
    void sameSeedSameBytes();
    void realisticEngineRun();
    void fahrenheitConvertsTemperatures();
    void invalidOptionsWriteNothing_data();
    void invalidOptionsWriteNothing();
    void unwritableFolderFails();
    void commandLine_data();
    void commandLine();
    void commandLineErrors_data();
    void commandLineErrors();
    void demoSetIsTheGeneratorsOutput();
    void largeFileIsComplete();
};

void tst_TrendGen::dataFileFormat_data()
{
    QTest::addColumn<RecordingKind>("kind");
    QTest::addColumn<int>("cylinders");
    QTest::addColumn<qint64>("lines");

    const struct {
        const char* name;
        RecordingKind kind;
    } kinds[] = {{"speed", RecordingKind::Speed}, {"global_timing", RecordingKind::GlobalTiming},
        {"analog_output", RecordingKind::AnalogOutput},
        {"firing_angles", RecordingKind::FiringAngles},
        {"secondary_voltages", RecordingKind::SecondaryVoltages},
        {"knocking_intensity", RecordingKind::KnockingIntensity},
        {"temperatures", RecordingKind::Temperatures}};
    for (const auto& k : kinds) {
        QTest::addRow("%s, no lines", k.name) << k.kind << 4 << qint64(0);
        QTest::addRow("%s, one line", k.name) << k.kind << 4 << qint64(1);
        QTest::addRow("%s, one cylinder", k.name) << k.kind << 1 << qint64(500);
        // A count that is not a multiple of the cylinders ends in the middle of a round.
        QTest::addRow("%s, partial last round", k.name) << k.kind << 6 << qint64(10007);
        QTest::addRow("%s, 20 cylinders", k.name) << k.kind << 20 << qint64(40000);
    }
}

void tst_TrendGen::dataFileFormat()
{
    QFETCH(RecordingKind, kind);
    QFETCH(int, cylinders);
    QFETCH(qint64, lines);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(FileNameOf(kind));
    QString error;
    QVERIFY2(TrendSetGenerator::WriteDataFile(kind, path, lines, cylinders, 7, &error),
        qPrintable(error));

    QString fault;
    const QVector<Sample> samples = parseDataFile(readAll(path), fieldsOf(kind), cylinders, fault);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(qint64(samples.size()), lines);

    // Offsets rise through the default one-hour recording; the cylinders of one instant come in
    // order 0..n-1 with the same offset, as the device writes them.
    const int perRound = fieldsOf(kind) == 3 ? cylinders : 1;
    for (int i = 0; i < samples.size(); ++i) {
        const Sample& sample = samples.at(i);
        QVERIFY2(sample.offset >= 0 && sample.offset < 3600 * 1000, qPrintable(QString::number(i)));
        if (perRound > 1)
            QCOMPARE(sample.cylinder, i % perRound);
        if (i == 0)
            continue;
        if (i % perRound == 0)
            QVERIFY2(sample.offset > samples.at(i - 1).offset, qPrintable(QString::number(i)));
        else
            QCOMPARE(sample.offset, samples.at(i - 1).offset);
    }
}

void tst_TrendGen::timingFollowsDurationAndRate_data()
{
    QTest::addColumn<double>("duration");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("cylinders");
    QTest::addColumn<int>("rounds");

    QTest::newRow("10 s at 1 Hz") << 10.0 << 1.0 << 4 << 10;
    QTest::newRow("2.5 s at 4 Hz") << 2.5 << 4.0 << 3 << 10;
    QTest::newRow("3 s at 3 Hz, periodic ms") << 3.0 << 3.0 << 2 << 9;
    QTest::newRow("1 s at 1000 Hz") << 1.0 << 1000.0 << 1 << 1000;
    QTest::newRow("one minute at 0.1 Hz") << 60.0 << 0.1 << 8 << 6;
    QTest::newRow("shorter than one sample") << 0.5 << 1.0 << 6 << 0;
    QTest::newRow("no duration") << 0.0 << 10.0 << 6 << 0;
}

void tst_TrendGen::timingFollowsDurationAndRate()
{
    QFETCH(double, duration);
    QFETCH(double, rate);
    QFETCH(int, cylinders);
    QFETCH(int, rounds);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TrendSetGenerator::Options options;
    options.outputFolder = dir.path();
    options.durationSeconds = duration;
    options.sampleRateHz = rate;
    options.numberOfCylinders = cylinders;
    options.kinds = {RecordingKind::Speed, RecordingKind::Temperatures};
    QString error;
    QVERIFY2(TrendSetGenerator::WriteSet(options, &error), qPrintable(error));

    QString fault;
    const QVector<Sample> speed
        = parseDataFile(readAll(dir.filePath(SpeedFileName)), 2, cylinders, fault);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    const QVector<Sample> temperatures
        = parseDataFile(readAll(dir.filePath(TemperaturesFileName)), 3, cylinders, fault);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    QCOMPARE(speed.size(), rounds);
    QCOMPARE(temperatures.size(), rounds * cylinders);
    QCOMPARE(TrendSetGenerator::LineCount(RecordingKind::Speed, options), qint64(rounds));
    QCOMPARE(TrendSetGenerator::LineCount(RecordingKind::Temperatures, options),
        qint64(rounds) * cylinders);
    for (int i = 0; i < rounds; ++i) {
        const qint64 expected = qRound64(i * 1000.0 / rate);
        QCOMPARE(speed.at(i).offset, expected);
        QCOMPARE(temperatures.at(i * cylinders).offset, expected);
    }
}

void tst_TrendGen::configuration_data()
{
    QTest::addColumn<qint64>("startTime");
    QTest::addColumn<int>("cylinders");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<bool>("fahrenheit");
    QTest::addColumn<QByteArray>("expectedNames");

    QTest::newRow("defaults for a V12")
        << qint64(1772436600000) << 12 << QStringList() << QStringList() << false
        << QByteArray("A1,A2,A3,A4,A5,A6,B1,B2,B3,B4,B5,B6");
    QTest::newRow("in-line five") << qint64(0) << 5 << QStringList() << QStringList() << false
                                  << QByteArray("C1,C2,C3,C4,C5");
    QTest::newRow("Fahrenheit with groups")
        << qint64(0x16A2B3C4D5E) << 4 << QStringList() << QStringList {"G1", "G 2"} << true
        << QByteArray("C1,C2,C3,C4");
    QTest::newRow("own names, UTF-8, blanks kept")
        << qint64(1) << 3 << QStringList {"Zyl 1", "Zyl ä2", " 3"} << QStringList() << false
        << QByteArray("Zyl 1,Zyl \xc3\xa4"
                      "2, 3");
    QTest::newRow("fewer names than cylinders") << qint64(4660) << 4 << QStringList {"A1", "B1"}
                                                << QStringList() << false << QByteArray("A1,B1");
}

void tst_TrendGen::configuration()
{
    QFETCH(qint64, startTime);
    QFETCH(int, cylinders);
    QFETCH(QStringList, names);
    QFETCH(QStringList, groups);
    QFETCH(bool, fahrenheit);
    QFETCH(QByteArray, expectedNames);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TrendSetGenerator::Options options;
    options.outputFolder = dir.path();
    options.startTime = startTime;
    options.durationSeconds = 5.0;
    options.numberOfCylinders = cylinders;
    options.cylinderNames = names;
    options.groups = groups;
    options.fahrenheit = fahrenheit;
    options.deviceType = 3;
    options.deviceId = 17;
    options.dataFormat = 2;
    QString error;
    QVERIFY2(TrendSetGenerator::WriteSet(options, &error), qPrintable(error));

    QString fault;
    const QByteArray bytes = readAll(dir.filePath(ConfigurationFileName));
    QCOMPARE(bytes, TrendSetGenerator::ConfigurationText(options));
    const QMap<QByteArray, QByteArray> keys = parseConfiguration(bytes, fault);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    QVERIFY(HexPattern.match(QString::fromLatin1(keys.value("DateTime"))).hasMatch());
    bool ok = false;
    QCOMPARE(keys.value("DateTime").toLongLong(&ok, 16), startTime);
    QVERIFY(ok);
    QCOMPARE(keys.value("DeviceType"), QByteArray("3"));
    QCOMPARE(keys.value("DeviceId"), QByteArray("17"));
    QCOMPARE(keys.value("NumberCylinder"), QByteArray::number(cylinders));
    QCOMPARE(keys.value("DataFormat"), QByteArray("2"));
    QCOMPARE(keys.value("CylinderNames"), expectedNames);
    QCOMPARE(keys.contains("Groups"), !groups.isEmpty());
    if (!groups.isEmpty())
        QCOMPARE(keys.value("Groups"), groups.join(QLatin1Char(';')).toUtf8());
    QCOMPARE(keys.contains("Additions"), fahrenheit);
    if (fahrenheit)
        QCOMPARE(keys.value("Additions"), QByteArray("FAHRENHEIT"));
    QCOMPARE(keys.size(), 6 + int(!groups.isEmpty()) + int(fahrenheit));
}

void tst_TrendGen::writeSetWritesRequestedFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TrendSetGenerator::Options options;
    options.outputFolder = dir.filePath(QStringLiteral("not/yet/there"));
    options.durationSeconds = 20.0;

    QString error;
    QVERIFY2(TrendSetGenerator::WriteSet(options, &error), qPrintable(error));
    QStringList all = QDir(options.outputFolder).entryList(QDir::Files, QDir::Name);
    QCOMPARE(all,
        QStringList({"analog_output.tlx", "configuration.tlx", "firing_angles.tlx",
            "global_timing.tlx", "knocking_intensity.tlx", "secondary_voltages.tlx", "speed.tlx",
            "temperatures.tlx"}));

    options.outputFolder = dir.filePath(QStringLiteral("two"));
    options.kinds = {RecordingKind::KnockingIntensity, RecordingKind::GlobalTiming};
    QVERIFY2(TrendSetGenerator::WriteSet(options, &error), qPrintable(error));
    QCOMPARE(QDir(options.outputFolder).entryList(QDir::Files, QDir::Name),
        QStringList({"configuration.tlx", "global_timing.tlx", "knocking_intensity.tlx"}));

    // A second run into the same folder replaces the files instead of appending to them.
    QVERIFY2(TrendSetGenerator::WriteSet(options, &error), qPrintable(error));
    QString fault;
    const QVector<Sample> timing
        = parseDataFile(readAll(QDir(options.outputFolder).filePath(GlobalTimingFileName)), 2,
            options.numberOfCylinders, fault);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(timing.size(), 20);
}

void tst_TrendGen::sameSeedSameBytes()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TrendSetGenerator::Options options;
    options.durationSeconds = 300.0;
    options.sampleRateHz = 2.0;
    QString error;
    const QStringList folders = {"a", "b", "c"};
    for (const QString& folder : folders) {
        options.outputFolder = dir.filePath(folder);
        options.seed = folder == QLatin1String("c") ? 99 : 1;
        QVERIFY2(TrendSetGenerator::WriteSet(options, &error), qPrintable(error));
    }
    for (RecordingKind kind : TrendSetGenerator::AllKinds()) {
        const QByteArray a = readAll(QDir(dir.filePath("a")).filePath(FileNameOf(kind)));
        const QByteArray b = readAll(QDir(dir.filePath("b")).filePath(FileNameOf(kind)));
        const QByteArray c = readAll(QDir(dir.filePath("c")).filePath(FileNameOf(kind)));
        QVERIFY(!a.isEmpty());
        QVERIFY2(a == b, qPrintable(FileNameOf(kind)));
        QVERIFY2(a != c, qPrintable(FileNameOf(kind)));
    }
}

void tst_TrendGen::realisticEngineRun()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TrendSetGenerator::Options options;
    options.outputFolder = dir.path();
    options.durationSeconds = 3600.0;
    options.numberOfCylinders = 6;
    QString error;
    QVERIFY2(TrendSetGenerator::WriteSet(options, &error), qPrintable(error));

    auto read = [&](RecordingKind kind) {
        QString fault;
        const QVector<Sample> samples = parseDataFile(readAll(dir.filePath(FileNameOf(kind))),
            fieldsOf(kind), options.numberOfCylinders, fault);
        if (!fault.isEmpty())
            qWarning("%s: %s", qPrintable(FileNameOf(kind)), qPrintable(fault));
        return samples;
    };

    // Engine start: standing at first, then up to rated speed, sagging a little under load.
    const QVector<double> speed = valuesOf(read(RecordingKind::Speed));
    QCOMPARE(speed.size(), 3600);
    QCOMPARE(speed.first(), 0.0);
    const double maximum = *std::max_element(speed.cbegin(), speed.cend());
    QVERIFY2(maximum > 1450.0 && maximum < 1600.0, qPrintable(QString::number(maximum)));
    const double late = mean(speed, 3000, 3600);
    QVERIFY2(late > 1450.0 && late < 1520.0, qPrintable(QString::number(late)));

    // Load steps in the analog output: part load early, close to full load later.
    const QVector<double> output = valuesOf(read(RecordingKind::AnalogOutput));
    QCOMPARE(output.size(), 3600);
    for (double percent : output)
        QVERIFY(percent >= 0.0 && percent <= 100.0);
    QVERIFY(mean(output, 600, 800) < 10.0);
    QVERIFY(mean(output, 2700, 3100) > 90.0);

    // Warming: every measuring point ends far hotter than it started.
    const QVector<Sample> temperatures = read(RecordingKind::Temperatures);
    QCOMPARE(temperatures.size(), 3600 * 6);
    for (int cylinder = 0; cylinder < 6; ++cylinder) {
        const QVector<double> values = valuesOf(temperatures, cylinder);
        QVERIFY(mean(values, 0, 20) < 40.0);
        QVERIFY(mean(values, 3000, 3100) > 350.0);
    }

    // Knocking: low background with a few hard events, far more often at full load (from 2520 s
    // to 3168 s) than before the first load step (900 s).
    const QVector<double> knocking = valuesOf(read(RecordingKind::KnockingIntensity));
    int events = 0;
    int eventsUnloaded = 0;
    int eventsAtFullLoad = 0;
    for (int i = 0; i < knocking.size(); ++i) {
        if (knocking.at(i) > 30.0) {
            ++events;
            if (i / 6 < 900)
                ++eventsUnloaded;
            if (i / 6 >= 2530 && i / 6 < 3168)
                ++eventsAtFullLoad;
        }
    }
    QVERIFY2(events >= 5 && events < knocking.size() / 50, qPrintable(QString::number(events)));
    const double unloadedRate = eventsUnloaded / 900.0;
    const double fullLoadRate = eventsAtFullLoad / 638.0;
    QVERIFY2(fullLoadRate > 4.0 * unloadedRate,
        qPrintable(QStringLiteral("%1 %2").arg(eventsUnloaded).arg(eventsAtFullLoad)));
    QCOMPARE(*std::min_element(knocking.cbegin(), knocking.cend()), 0.0);

    // Per-cylinder firing angles and secondary voltages in plausible ranges once the engine runs.
    const QVector<double> angles = valuesOf(read(RecordingKind::FiringAngles));
    const QVector<double> voltages = valuesOf(read(RecordingKind::SecondaryVoltages));
    QCOMPARE(angles.size(), 3600 * 6);
    QCOMPARE(voltages.size(), 3600 * 6);
    for (int i = 6 * 300; i < angles.size(); ++i) {
        QVERIFY2(angles.at(i) > 5.0 && angles.at(i) < 25.0, qPrintable(QString::number(i)));
        QVERIFY2(voltages.at(i) > 8.0 && voltages.at(i) < 30.0, qPrintable(QString::number(i)));
    }
    QCOMPARE(valuesOf(read(RecordingKind::GlobalTiming)).size(), 3600);
}

void tst_TrendGen::fahrenheitConvertsTemperatures()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TrendSetGenerator::Options options;
    options.durationSeconds = 600.0;
    options.kinds = {RecordingKind::Temperatures};
    options.outputFolder = dir.filePath("c");
    QString error;
    QVERIFY2(TrendSetGenerator::WriteSet(options, &error), qPrintable(error));
    options.outputFolder = dir.filePath("f");
    options.fahrenheit = true;
    QVERIFY2(TrendSetGenerator::WriteSet(options, &error), qPrintable(error));

    QString fault;
    const QVector<Sample> celsius = parseDataFile(
        readAll(QDir(dir.filePath("c")).filePath(TemperaturesFileName)), 3, 6, fault);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    const QVector<Sample> fahrenheit = parseDataFile(
        readAll(QDir(dir.filePath("f")).filePath(TemperaturesFileName)), 3, 6, fault);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(fahrenheit.size(), celsius.size());
    // Both are rounded to 0.1, so the converted Celsius value may be up to 0.05 * 1.8 + 0.05 off.
    for (int i = 0; i < celsius.size(); ++i) {
        const double converted = celsius.at(i).value * 9.0 / 5.0 + 32.0;
        QVERIFY2(std::abs(fahrenheit.at(i).value - converted) <= 0.1401,
            qPrintable(QStringLiteral("line %1: %2 F, %3 C")
                           .arg(i + 1)
                           .arg(fahrenheit.at(i).value)
                           .arg(celsius.at(i).value)));
    }
}

void tst_TrendGen::invalidOptionsWriteNothing_data()
{
    QTest::addColumn<int>("cylinders");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<double>("duration");
    QTest::addColumn<double>("rate");

    const QStringList none;
    QTest::newRow("no cylinders") << 0 << none << none << 10.0 << 1.0;
    QTest::newRow("negative cylinders") << -3 << none << none << 10.0 << 1.0;
    QTest::newRow("comma in a name") << 2 << QStringList {"A,1", "B1"} << none << 10.0 << 1.0;
    QTest::newRow("empty name") << 2 << QStringList {"A1", ""} << none << 10.0 << 1.0;
    QTest::newRow("line end in a name")
        << 2 << QStringList {"A1\nDeviceId=3"} << none << 10.0 << 1.0;
    QTest::newRow("more names than cylinders")
        << 1 << QStringList {"A1", "B1"} << none << 10.0 << 1.0;
    QTest::newRow("semicolon in a group") << 2 << none << QStringList {"a;b"} << 10.0 << 1.0;
    QTest::newRow("negative duration") << 2 << none << none << -1.0 << 1.0;
    QTest::newRow("NaN duration") << 2 << none << none << std::nan("") << 1.0;
    QTest::newRow("zero rate") << 2 << none << none << 10.0 << 0.0;
    QTest::newRow("infinite rate") << 2 << none << none << 10.0 << HUGE_VAL;
}

void tst_TrendGen::invalidOptionsWriteNothing()
{
    QFETCH(int, cylinders);
    QFETCH(QStringList, names);
    QFETCH(QStringList, groups);
    QFETCH(double, duration);
    QFETCH(double, rate);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TrendSetGenerator::Options options;
    options.outputFolder = dir.filePath("set");
    options.numberOfCylinders = cylinders;
    options.cylinderNames = names;
    options.groups = groups;
    options.durationSeconds = duration;
    options.sampleRateHz = rate;

    QString error;
    QVERIFY(!TrendSetGenerator::WriteSet(options, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFileInfo::exists(options.outputFolder));
    QVERIFY(!TrendSetGenerator::WriteDataFile(
        RecordingKind::Temperatures, dir.filePath(TemperaturesFileName), options));
    QVERIFY(!QFileInfo::exists(dir.filePath(TemperaturesFileName)));
}

void tst_TrendGen::unwritableFolderFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // The output folder is an existing file: neither the folder nor anything in it can be made.
    const QString file = dir.filePath("occupied");
    QFile occupied(file);
    QVERIFY(occupied.open(QIODevice::WriteOnly));
    occupied.close();

    TrendSetGenerator::Options options;
    options.outputFolder = file;
    QString error;
    QVERIFY(!TrendSetGenerator::WriteSet(options, &error));
    QVERIFY(!error.isEmpty());

    error.clear();
    QVERIFY(!TrendSetGenerator::WriteDataFile(
        RecordingKind::Speed, QDir(file).filePath(SpeedFileName), 10, 4, 1, &error));
    QVERIFY(error.contains(SpeedFileName));
}

void tst_TrendGen::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<qint64>("startTime");
    QTest::addColumn<double>("duration");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("cylinders");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("fahrenheit");
    QTest::addColumn<int>("kinds");
    QTest::addColumn<qint64>("lines");
    QTest::addColumn<quint64>("seed");

    const TrendSetGenerator::Options defaults;
    const TrendSetGenerator::Options demo = TrendSetGenerator::DemoOptions();
    QTest::newRow("defaults") << QStringList {"out"} << defaults.startTime << 3600.0 << 1.0 << 6
                              << QStringList() << false << 7 << qint64(-1) << quint64(1);
    QTest::newRow("demo") << QStringList {"--demo", "out"} << demo.startTime << demo.durationSeconds
                          << demo.sampleRateHz << 6 << demo.cylinderNames << false << 7
                          << qint64(-1) << demo.seed;
    QTest::newRow("demo with other cylinder count drops the demo names")
        << QStringList {"--demo", "--cylinders", "8", "out"} << demo.startTime
        << demo.durationSeconds << demo.sampleRateHz << 8 << QStringList() << false << 7
        << qint64(-1) << demo.seed;
    QTest::newRow("everything") << QStringList {"--start", "2026-01-31T23:00:00Z", "--duration",
        "90.5", "--rate", "20", "--cylinders", "3", "--names", "X,Y", "--fahrenheit", "--files",
        "speed,temperatures.tlx,speed", "--lines", "1000000", "--seed", "42",
        "out"} << QDateTime(QDate(2026, 1, 31), QTime(23, 0), Qt::UTC).toMSecsSinceEpoch()
                                << 90.5 << 20.0 << 3 << QStringList {"X", "Y"} << true << 2
                                << qint64(1000000) << quint64(42);
    QTest::newRow("start without zone is UTC")
        << QStringList {"--start", "2026-07-01T12:00:00.250", "out"}
        << QDateTime(QDate(2026, 7, 1), QTime(12, 0, 0, 250), Qt::UTC).toMSecsSinceEpoch() << 3600.0
        << 1.0 << 6 << QStringList() << false << 7 << qint64(-1) << quint64(1);
    QTest::newRow("start with zone")
        << QStringList {"--start", "2026-07-01T12:00:00+02:00", "out"}
        << QDateTime(QDate(2026, 7, 1), QTime(10, 0), Qt::UTC).toMSecsSinceEpoch() << 3600.0 << 1.0
        << 6 << QStringList() << false << 7 << qint64(-1) << quint64(1);
    QTest::newRow("start in milliseconds")
        << QStringList {"--start=4660", "out"} << qint64(4660) << 3600.0 << 1.0 << 6
        << QStringList() << false << 7 << qint64(-1) << quint64(1);
}

void tst_TrendGen::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(qint64, startTime);
    QFETCH(double, duration);
    QFETCH(double, rate);
    QFETCH(int, cylinders);
    QFETCH(QStringList, names);
    QFETCH(bool, fahrenheit);
    QFETCH(int, kinds);
    QFETCH(qint64, lines);
    QFETCH(quint64, seed);

    TrendGenCommandLine commandLine;
    QCOMPARE(commandLine.Parse(QStringList {"curvescope-trendgen"} + arguments),
        TrendGenCommandLine::Run);
    QCOMPARE(commandLine.GetError(), QString());
    const TrendSetGenerator::Options& options = commandLine.GetOptions();
    QCOMPARE(options.outputFolder, QStringLiteral("out"));
    QCOMPARE(options.startTime, startTime);
    QCOMPARE(options.durationSeconds, duration);
    QCOMPARE(options.sampleRateHz, rate);
    QCOMPARE(options.numberOfCylinders, cylinders);
    QCOMPARE(options.cylinderNames, names);
    QCOMPARE(options.fahrenheit, fahrenheit);
    QCOMPARE(options.kinds.size(), kinds);
    QCOMPARE(options.linesPerFile, lines);
    QCOMPARE(options.seed, seed);
    if (kinds == 2) {
        QCOMPARE(options.kinds.at(0), RecordingKind::Speed);
        QCOMPARE(options.kinds.at(1), RecordingKind::Temperatures);
    }
}

void tst_TrendGen::commandLineErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("result");

    const int failed = TrendGenCommandLine::Failed;
    QTest::newRow("no folder") << QStringList() << failed;
    QTest::newRow("two folders") << QStringList {"a", "b"} << failed;
    QTest::newRow("unknown option") << QStringList {"--speedy", "out"} << failed;
    QTest::newRow("cylinders not a number") << QStringList {"--cylinders", "six", "out"} << failed;
    QTest::newRow("cylinders beyond int")
        << QStringList {"--cylinders", "4294967302", "out"} << failed;
    QTest::newRow("no cylinders") << QStringList {"--cylinders", "0", "out"} << failed;
    QTest::newRow("decimal comma") << QStringList {"--duration", "1,5", "out"} << failed;
    QTest::newRow("unknown file") << QStringList {"--files", "speed,Speed", "out"} << failed;
    QTest::newRow("configuration is no data file")
        << QStringList {"--files", "configuration", "out"} << failed;
    QTest::newRow("bad start") << QStringList {"--start", "yesterday", "out"} << failed;
    QTest::newRow("negative lines") << QStringList {"--lines", "-5", "out"} << failed;
    QTest::newRow("too many names")
        << QStringList {"--cylinders", "2", "--names", "a,b,c", "out"} << failed;
    QTest::newRow("help") << QStringList {"--help"} << int(TrendGenCommandLine::ShowHelp);
}

void tst_TrendGen::commandLineErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, result);

    TrendGenCommandLine commandLine;
    QCOMPARE(int(commandLine.Parse(QStringList {"curvescope-trendgen"} + arguments)), result);
    QCOMPARE(commandLine.GetError().isEmpty(), result != TrendGenCommandLine::Failed);
    QVERIFY(commandLine.GetHelpText().contains(QStringLiteral("--lines")));
}

void tst_TrendGen::demoSetIsTheGeneratorsOutput()
{
    const QDir demo(QStringLiteral(CURVESCOPE_SOURCE_DIR "/samples/demo"));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TrendSetGenerator::Options options = TrendSetGenerator::DemoOptions();
    options.outputFolder = dir.path();
    QString error;
    QVERIFY2(TrendSetGenerator::WriteSet(options, &error), qPrintable(error));

    // The committed demo is exactly what samples/make-demo.sh makes, and stays small.
    QCOMPARE(demo.entryList(QDir::Files, QDir::Name),
        QDir(dir.path()).entryList(QDir::Files, QDir::Name));
    for (const QString& name : demo.entryList(QDir::Files)) {
        const QByteArray committed = readAll(demo.filePath(name));
        QVERIFY2(committed == readAll(QDir(dir.path()).filePath(name)), qPrintable(name));
        QVERIFY2(committed.count('\n') <= 5000, qPrintable(name));
    }

    QString fault;
    const QMap<QByteArray, QByteArray> keys
        = parseConfiguration(readAll(demo.filePath(ConfigurationFileName)), fault);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(keys.value("NumberCylinder"), QByteArray("6"));
    QCOMPARE(keys.value("CylinderNames").split(',').size(), 6);
    QVERIFY(!keys.contains("Additions"));
    const QDateTime start
        = QDateTime::fromMSecsSinceEpoch(keys.value("DateTime").toLongLong(nullptr, 16), Qt::UTC);
    QCOMPARE(start.date().year(), 2026);
}

void tst_TrendGen::largeFileIsComplete()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // More than one output block, and a count that ends in the middle of a cylinder round.
    const qint64 lines = 1000003;
    const QString path = dir.filePath(SecondaryVoltagesFileName);
    QString error;
    QVERIFY2(TrendSetGenerator::WriteDataFile(
                 RecordingKind::SecondaryVoltages, path, lines, 16, 3, &error),
        qPrintable(error));
    QString fault;
    const QVector<Sample> samples = parseDataFile(readAll(path), 3, 16, fault);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(qint64(samples.size()), lines);
    QCOMPARE(samples.last().cylinder, int((lines - 1) % 16));
    QVERIFY(samples.last().offset > 3590 * 1000);
}

QTEST_GUILESS_MAIN(tst_TrendGen)
#include "tst_trendgen.moc"
