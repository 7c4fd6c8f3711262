#include "TrendGenCommandLine.h"

#include <QDateTime>

#include <cmath>

namespace {

const QCommandLineOption DemoOption(QStringLiteral("demo"),
    QStringLiteral("Start from the settings of the bundled demo set (samples/demo)."));
const QCommandLineOption StartOption(QStringLiteral("start"),
    QStringLiteral("Start of the recording: ISO 8601 date and time (UTC unless a zone is given) "
                   "or milliseconds since 1970. Default 2026-03-02T07:30:00Z."),
    QStringLiteral("time"));
const QCommandLineOption DurationOption(QStringLiteral("duration"),
    QStringLiteral("Length of the recording in seconds. Default 3600."), QStringLiteral("seconds"));
const QCommandLineOption RateOption(QStringLiteral("rate"),
    QStringLiteral("Samples per second and series. Default 1."), QStringLiteral("hz"));
const QCommandLineOption CylindersOption(QStringLiteral("cylinders"),
    QStringLiteral("Number of cylinders. Default 6."), QStringLiteral("n"));
const QCommandLineOption NamesOption(QStringLiteral("names"),
    QStringLiteral("Cylinder names separated by commas (fewer than cylinders is allowed)."),
    QStringLiteral("list"));
const QCommandLineOption FahrenheitOption(QStringLiteral("fahrenheit"),
    QStringLiteral("Record temperatures in degrees Fahrenheit (Additions=FAHRENHEIT)."));
const QCommandLineOption FilesOption(QStringLiteral("files"),
    QStringLiteral("Data files to write, separated by commas, e.g. speed,temperatures. "
                   "Default all seven."),
    QStringLiteral("list"));
const QCommandLineOption LinesOption(QStringLiteral("lines"),
    QStringLiteral("Exact number of lines of every data file, spread over the duration; "
                   "overrides the sample rate."),
    QStringLiteral("n"));
const QCommandLineOption SeedOption(
    QStringLiteral("seed"), QStringLiteral("Seed of the noise. Default 1."), QStringLiteral("n"));
const QCommandLineOption DeviceTypeOption(QStringLiteral("device-type"),
    QStringLiteral("Device type code 0 to 9. Default 0."), QStringLiteral("code"));
const QCommandLineOption DeviceIdOption(QStringLiteral("device-id"),
    QStringLiteral("CAN ID of the device. Default 5."), QStringLiteral("id"));
const QCommandLineOption GroupsOption(QStringLiteral("groups"),
    QStringLiteral("Groups separated by semicolons (Groups= line)."), QStringLiteral("list"));

bool ParseStart(const QString& text, qint64& startTime)
{
    bool ok = false;
    const qint64 milliseconds = text.toLongLong(&ok);
    if (ok) {
        startTime = milliseconds;
        return true;
    }
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid())
        return false;
    // A time without zone is taken as UTC, so the same command gives the same set everywhere.
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC);
    startTime = time.toMSecsSinceEpoch();
    return true;
}

} // namespace

TrendGenCommandLine::TrendGenCommandLine()
{
    m_parser.setApplicationDescription(
        QStringLiteral("Writes a synthetic Visorix trend set: configuration.tlx and the data "
                       "files of a gas engine run (start, speed ramp, load steps, knocking, "
                       "warming temperatures)."));
    m_parser.addHelpOption();
    m_parser.addPositionalArgument(
        QStringLiteral("folder"), QStringLiteral("Output folder, created when missing."));
    m_parser.addOptions({DemoOption, StartOption, DurationOption, RateOption, CylindersOption,
        NamesOption, FahrenheitOption, FilesOption, LinesOption, SeedOption, DeviceTypeOption,
        DeviceIdOption, GroupsOption});
}

bool TrendGenCommandLine::Fail(const QString& error)
{
    m_error = error;
    return false;
}

TrendGenCommandLine::Result TrendGenCommandLine::Parse(const QStringList& arguments)
{
    m_options = TrendSetGenerator::Options();
    m_error.clear();
    if (!m_parser.parse(arguments)) {
        m_error = m_parser.errorText();
        return Failed;
    }
    if (m_parser.isSet(QStringLiteral("help")))
        return ShowHelp;

    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() != 1) {
        m_error = QStringLiteral("exactly one output folder expected");
        return Failed;
    }
    if (m_parser.isSet(DemoOption))
        m_options = TrendSetGenerator::DemoOptions();
    m_options.outputFolder = positional.first();

    auto integer = [this](const QCommandLineOption& option, qint64& value) {
        if (!m_parser.isSet(option))
            return true;
        bool ok = false;
        const qint64 parsed = m_parser.value(option).toLongLong(&ok);
        if (!ok)
            return Fail(QStringLiteral("--%1: not an integer: %2")
                            .arg(option.names().first(), m_parser.value(option)));
        value = parsed;
        return true;
    };
    auto number = [this](const QCommandLineOption& option, double& value) {
        if (!m_parser.isSet(option))
            return true;
        bool ok = false;
        const double parsed = m_parser.value(option).toDouble(&ok);
        if (!ok || !std::isfinite(parsed))
            return Fail(QStringLiteral("--%1: not a number: %2")
                            .arg(option.names().first(), m_parser.value(option)));
        value = parsed;
        return true;
    };
    auto smallInteger = [&integer, this](const QCommandLineOption& option, int& value) {
        qint64 wide = value;
        if (!integer(option, wide))
            return false;
        if (wide < -2147483647LL || wide > 2147483647LL)
            return Fail(QStringLiteral("--%1: out of range").arg(option.names().first()));
        value = int(wide);
        return true;
    };

    if (m_parser.isSet(StartOption)
        && !ParseStart(m_parser.value(StartOption), m_options.startTime)) {
        m_error
            = QStringLiteral("--start: not a date and time: %1").arg(m_parser.value(StartOption));
        return Failed;
    }
    qint64 seed = qint64(m_options.seed);
    if (!number(DurationOption, m_options.durationSeconds)
        || !number(RateOption, m_options.sampleRateHz)
        || !smallInteger(CylindersOption, m_options.numberOfCylinders)
        || !integer(LinesOption, m_options.linesPerFile) || !integer(SeedOption, seed)
        || !smallInteger(DeviceTypeOption, m_options.deviceType)
        || !smallInteger(DeviceIdOption, m_options.deviceId))
        return Failed;
    m_options.seed = quint64(seed);
    if (m_parser.isSet(LinesOption) && m_options.linesPerFile < 0) {
        m_error = QStringLiteral("--lines: must not be negative");
        return Failed;
    }

    // Names only make sense for the cylinder count they were given with.
    if (m_parser.isSet(CylindersOption))
        m_options.cylinderNames.clear();
    if (m_parser.isSet(NamesOption))
        m_options.cylinderNames = m_parser.value(NamesOption).split(QLatin1Char(','));
    if (m_parser.isSet(GroupsOption))
        m_options.groups = m_parser.value(GroupsOption).split(QLatin1Char(';'));
    if (m_parser.isSet(FahrenheitOption))
        m_options.fahrenheit = true;

    if (m_parser.isSet(FilesOption)) {
        m_options.kinds.clear();
        const QStringList names = m_parser.value(FilesOption).split(QLatin1Char(','));
        for (QString name : names) {
            if (!name.endsWith(TrendFileExtension))
                name += TrendFileExtension;
            const FileClass fileClass = ClassifyFileName(name);
            if (!fileClass.isDataFile()) {
                m_error = QStringLiteral("--files: not a data file: %1").arg(name);
                return Failed;
            }
            if (!m_options.kinds.contains(fileClass.kind))
                m_options.kinds << fileClass.kind;
        }
    }

    QString error;
    if (!TrendSetGenerator::Validate(m_options, &error)) {
        m_error = error;
        return Failed;
    }
    return Run;
}
