#include "TrendSetGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

namespace {

// splitmix64: tiny, fast and fully specified, so a seed gives the same files with every compiler
// and standard library (std:: distributions are implementation-defined).
class Random {
public:
    explicit Random(quint64 seed)
        : m_state(seed)
    {
    }

    quint64 Next()
    {
        m_state += 0x9E3779B97F4A7C15ULL;
        quint64 z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double Uniform() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }

    // Triangular noise in (-amplitude, amplitude): bell-shaped enough for sensor noise and
    // free of library calls.
    double Noise(double amplitude) { return (Uniform() + Uniform() - 1.0) * amplitude; }

private:
    quint64 m_state;
};

struct LoadStep {
    double fraction; // of the recording's duration
    double load; // 0..1 after the step
};

// The operator's test run: four load steps up to full load, then back to part load.
const LoadStep LoadSteps[] = {{0.25, 0.25}, {0.40, 0.50}, {0.55, 0.75}, {0.70, 1.0}, {0.88, 0.40}};

const double AmbientCelsius = 18.0;
const double CrankingSpeed = 180.0;
const double IdleSpeed = 750.0;
const double RatedSpeed = 1500.0;

struct EngineState {
    bool firing = false;
    double speed = 0.0; // rpm
    double load = 0.0; // 0..1
    double exhaustCelsius = AmbientCelsius;
};

// A gas engine's run as closed-form functions of time, so every data file of a set sees the same
// engine at the same instant although each file is written on its own. Phases scale with the
// recording's duration (capped at realistic absolute lengths), so short and long sets both show
// the whole run.
class EngineModel {
public:
    explicit EngineModel(double durationSeconds)
    {
        const double d = std::max(durationSeconds, 1e-3);
        m_duration = d;
        m_crankStart = std::min(0.02 * d, 15.0);
        m_crankLength = std::max(std::min(0.005 * d, 2.5), 1e-3);
        m_runUpTau = std::max(std::min(0.004 * d, 1.5), 1e-3);
        m_rampStart = std::max(m_crankStart + m_crankLength + 4.0 * m_runUpTau, 0.08 * d);
        m_rampEnd = m_rampStart + 0.06 * d;
        m_loadTau = std::max(std::min(0.01 * d, 8.0), 1e-3);
        m_droopTau = std::max(std::min(0.004 * d, 2.0), 1e-3);
        m_thermalTau = std::max(std::min(0.05 * d, 150.0), 1e-3);
    }

    EngineState At(double t) const
    {
        EngineState state;
        if (t < m_crankStart)
            return state;
        state.firing = true;
        state.load = Load(t);
        state.speed = Speed(t, state.load);
        state.exhaustCelsius = Exhaust(t);
        return state;
    }

private:
    // First-order lag of the load set point: the sum of one step response per load step.
    double Load(double t) const
    {
        double load = 0.0;
        double previous = 0.0;
        for (const LoadStep& step : LoadSteps) {
            const double at = step.fraction * m_duration;
            if (t < at)
                break;
            load += (step.load - previous) * (1.0 - std::exp(-(t - at) / m_loadTau));
            previous = step.load;
        }
        return load;
    }

    double Speed(double t, double load) const
    {
        const double runUpStart = m_crankStart + m_crankLength;
        if (t < runUpStart)
            return CrankingSpeed * std::min(1.0, (t - m_crankStart) / (0.2 * m_crankLength));
        double speed = CrankingSpeed
            + (IdleSpeed - CrankingSpeed) * (1.0 - std::exp(-(t - runUpStart) / m_runUpTau));
        if (t < m_rampStart)
            return speed;
        const double x = std::min(1.0, (t - m_rampStart) / (m_rampEnd - m_rampStart));
        speed += (RatedSpeed - IdleSpeed) * x * x * (3.0 - 2.0 * x);
        // The governor lets the speed sag a little under load and dip briefly at each load step
        // (overshoot when load is taken off).
        speed -= 20.0 * load;
        double previous = 0.0;
        for (const LoadStep& step : LoadSteps) {
            const double at = step.fraction * m_duration;
            if (t < at)
                break;
            const double u = (t - at) / m_droopTau;
            speed -= 90.0 * (step.load - previous) * u * std::exp(1.0 - u);
            previous = step.load;
        }
        return speed;
    }

    // Exhaust gas temperature warming towards the operating point of each phase.
    double Exhaust(double t) const
    {
        double celsius = AmbientCelsius + 200.0 * Warming(t - m_crankStart);
        celsius += 50.0 * Warming(t - 0.5 * (m_rampStart + m_rampEnd));
        double previous = 0.0;
        for (const LoadStep& step : LoadSteps) {
            const double at = step.fraction * m_duration;
            if (t < at)
                break;
            celsius += 280.0 * (step.load - previous) * Warming(t - at);
            previous = step.load;
        }
        return celsius;
    }

    double Warming(double since) const
    {
        return since <= 0.0 ? 0.0 : 1.0 - std::exp(-since / m_thermalTau);
    }

    double m_duration = 1.0;
    double m_crankStart = 0.0;
    double m_crankLength = 1.0;
    double m_runUpTau = 1.0;
    double m_rampStart = 0.0;
    double m_rampEnd = 1.0;
    double m_loadTau = 1.0;
    double m_droopTau = 1.0;
    double m_thermalTau = 1.0;
};

// Values that the formatting below must never meet (a runaway model would otherwise make
// to_chars fail for lack of room); the model stays far inside these bounds.
double Bounded(double value) { return std::max(-1e9, std::min(1e9, value)); }

char* AppendHex(char* p, quint64 value)
{
    char digits[16];
    int n = 0;
    do {
        digits[n++] = "0123456789ABCDEF"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    while (n > 0)
        *p++ = digits[--n];
    return p;
}

char* AppendInt(char* p, char* end, int value) { return std::to_chars(p, end, value).ptr; }

char* AppendFixed(char* p, char* end, double value, int decimals)
{
    return std::to_chars(p, end, Bounded(value), std::chars_format::fixed, decimals).ptr;
}

bool IsThreeColumns(RecordingKind kind) { return LayoutOf(kind) == ColumnLayout::ThreeColumns; }

int KindIndex(RecordingKind kind) { return static_cast<int>(kind); }

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Output goes through one large buffer that is handed to the file in big blocks: formatting
// straight into memory is what makes tens of millions of lines a matter of seconds.
class BlockWriter {
public:
    static constexpr qint64 BufferSize = 4 << 20;
    static constexpr qint64 MaxLineLength = 128;

    explicit BlockWriter(const QString& path)
        : m_file(path)
        , m_buffer(new char[BufferSize])
        , m_position(m_buffer.get())
    {
    }

    bool Open() { return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate); }

    char* Position() { return m_position; }
    char* End() { return m_buffer.get() + BufferSize; }

    bool Advance(char* position)
    {
        m_position = position;
        if (End() - m_position < MaxLineLength)
            return Flush();
        return true;
    }

    bool Flush()
    {
        const qint64 size = m_position - m_buffer.get();
        m_position = m_buffer.get();
        return size == 0 || m_file.write(m_buffer.get(), size) == size;
    }

    bool Close()
    {
        const bool flushed = Flush();
        const bool ok = flushed && m_file.error() == QFileDevice::NoError;
        m_file.close();
        return ok && m_file.error() == QFileDevice::NoError;
    }

    QString ErrorString() const { return m_file.errorString(); }

private:
    QFile m_file;
    std::unique_ptr<char[]> m_buffer;
    char* m_position;
};

} // namespace

QVector<RecordingKind> TrendSetGenerator::AllKinds()
{
    return {RecordingKind::FiringAngles, RecordingKind::GlobalTiming,
        RecordingKind::SecondaryVoltages, RecordingKind::Speed, RecordingKind::KnockingIntensity,
        RecordingKind::AnalogOutput, RecordingKind::Temperatures};
}

QStringList TrendSetGenerator::DefaultCylinderNames(int numberOfCylinders)
{
    QStringList names;
    if (numberOfCylinders >= 6 && numberOfCylinders % 2 == 0) {
        const int perBank = numberOfCylinders / 2;
        for (int i = 1; i <= perBank; ++i)
            names << QStringLiteral("A%1").arg(i);
        for (int i = 1; i <= perBank; ++i)
            names << QStringLiteral("B%1").arg(i);
    } else {
        for (int i = 1; i <= numberOfCylinders; ++i)
            names << QStringLiteral("C%1").arg(i);
    }
    return names;
}

TrendSetGenerator::Options TrendSetGenerator::DemoOptions()
{
    // Ten minutes of a six-cylinder engine at one sample per second: 600 lines per two-column
    // file, 3600 per three-column file.
    Options options;
    options.startTime = 1778741100000; // 2026-05-14 06:45:00 UTC
    options.durationSeconds = 600.0;
    options.sampleRateHz = 1.0;
    options.numberOfCylinders = 6;
    options.cylinderNames
        = QStringList {QStringLiteral("Cyl 1"), QStringLiteral("Cyl 2"), QStringLiteral("Cyl 3"),
            QStringLiteral("Cyl 4"), QStringLiteral("Cyl 5"), QStringLiteral("Cyl 6")};
    options.fahrenheit = false;
    options.seed = 2026;
    options.deviceType = 0;
    options.deviceId = 5;
    options.dataFormat = 1;
    return options;
}

bool TrendSetGenerator::Validate(const Options& options, QString* error)
{
    if (options.numberOfCylinders < 1 || options.numberOfCylinders > 1000) {
        SetError(error,
            QStringLiteral("number of cylinders must be 1 to 1000, not %1")
                .arg(options.numberOfCylinders));
        return false;
    }
    if (!std::isfinite(options.durationSeconds) || options.durationSeconds < 0.0
        || options.durationSeconds > 1e8) {
        SetError(error, QStringLiteral("duration must be 0 to 100000000 seconds"));
        return false;
    }
    if (!std::isfinite(options.sampleRateHz) || options.sampleRateHz <= 0.0
        || options.sampleRateHz > 1000.0) {
        SetError(error, QStringLiteral("sample rate must be above 0 and at most 1000 Hz"));
        return false;
    }
    if (options.linesPerFile < 0
        && options.durationSeconds * options.sampleRateHz * options.numberOfCylinders > 1e10) {
        SetError(error, QStringLiteral("duration and sample rate give more than 10^10 lines"));
        return false;
    }
    if (options.startTime < 0) {
        SetError(error, QStringLiteral("start time must not lie before 1970"));
        return false;
    }
    if (options.cylinderNames.size() > options.numberOfCylinders) {
        SetError(error,
            QStringLiteral("%1 cylinder names for %2 cylinders")
                .arg(options.cylinderNames.size())
                .arg(options.numberOfCylinders));
        return false;
    }
    // The reader splits names at "," and drops empty parts, and every value ends at the line
    // end: such names would shift all following names to the wrong cylinders.
    for (const QString& name : options.cylinderNames) {
        if (name.isEmpty() || name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('\n'))
            || name.contains(QLatin1Char('\r')) || name.contains(QChar(0))) {
            SetError(error, QStringLiteral("invalid cylinder name \"%1\"").arg(name));
            return false;
        }
    }
    for (const QString& group : options.groups) {
        if (group.isEmpty() || group.contains(QLatin1Char(';')) || group.contains(QLatin1Char('\n'))
            || group.contains(QLatin1Char('\r')) || group.contains(QChar(0))) {
            SetError(error, QStringLiteral("invalid group \"%1\"").arg(group));
            return false;
        }
    }
    return true;
}

qint64 TrendSetGenerator::LineCount(RecordingKind kind, const Options& options)
{
    if (options.linesPerFile >= 0)
        return options.linesPerFile;
    const qint64 rounds
        = static_cast<qint64>(std::floor(options.durationSeconds * options.sampleRateHz + 1e-9));
    return IsThreeColumns(kind) ? rounds * options.numberOfCylinders : rounds;
}

QByteArray TrendSetGenerator::ConfigurationText(const Options& options)
{
    const QStringList names = options.cylinderNames.isEmpty()
        ? DefaultCylinderNames(options.numberOfCylinders)
        : options.cylinderNames;
    QByteArray text;
    text += "DateTime=" + QByteArray::number(options.startTime, 16).toUpper() + '\n';
    text += "DeviceType=" + QByteArray::number(options.deviceType) + '\n';
    text += "DeviceId=" + QByteArray::number(options.deviceId) + '\n';
    text += "NumberCylinder=" + QByteArray::number(options.numberOfCylinders) + '\n';
    text += "DataFormat=" + QByteArray::number(options.dataFormat) + '\n';
    text += "CylinderNames=" + names.join(QLatin1Char(',')).toUtf8() + '\n';
    if (!options.groups.isEmpty())
        text += "Groups=" + options.groups.join(QLatin1Char(';')).toUtf8() + '\n';
    if (options.fahrenheit)
        text += "Additions=FAHRENHEIT\n";
    return text;
}

bool TrendSetGenerator::WriteSet(const Options& options, QString* error)
{
    if (!Validate(options, error))
        return false;
    if (options.outputFolder.isEmpty()) {
        SetError(error, QStringLiteral("no output folder given"));
        return false;
    }
    QDir folder(options.outputFolder);
    if (!folder.mkpath(QStringLiteral("."))) {
        SetError(error, QStringLiteral("cannot create folder %1").arg(options.outputFolder));
        return false;
    }

    const QString configurationPath = folder.filePath(ConfigurationFileName);
    QFile configuration(configurationPath);
    const QByteArray text = ConfigurationText(options);
    if (!configuration.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || configuration.write(text) != text.size() || !configuration.flush()) {
        SetError(error,
            QStringLiteral("cannot write %1: %2")
                .arg(configurationPath, configuration.errorString()));
        return false;
    }
    configuration.close();

    for (RecordingKind kind : options.kinds) {
        if (!WriteDataFile(kind, folder.filePath(FileNameOf(kind)), options, error))
            return false;
    }
    return true;
}

bool TrendSetGenerator::WriteDataFile(RecordingKind kind, const QString& path, qint64 lines,
    int cylinders, quint64 seed, QString* error)
{
    Options options;
    options.linesPerFile = std::max<qint64>(lines, 0);
    options.numberOfCylinders = cylinders;
    options.seed = seed;
    return WriteDataFile(kind, path, options, error);
}

bool TrendSetGenerator::WriteDataFile(
    RecordingKind kind, const QString& path, const Options& options, QString* error)
{
    if (!Validate(options, error))
        return false;

    const bool threeColumns = IsThreeColumns(kind);
    const int perRound = threeColumns ? options.numberOfCylinders : 1;
    const qint64 lines = LineCount(kind, options);
    const qint64 rounds = (lines + perRound - 1) / perRound;
    const double durationMs = options.durationSeconds * 1000.0;
    // A fixed line count spreads its rounds evenly over the duration; otherwise the rounds follow
    // the sample rate.
    const double roundSpacingMs = options.linesPerFile >= 0
        ? (rounds > 0 ? durationMs / double(rounds) : 0.0)
        : 1000.0 / options.sampleRateHz;

    // Each cylinder keeps its own character across all files of a set: the same seed gives the
    // same hot cylinder in the temperatures and the same early firer in the firing angles.
    QVector<double> bias(options.numberOfCylinders);
    Random biasRandom(options.seed * 0x2545F4914F6CDD1DULL + 0x5EEDULL);
    for (double& b : bias)
        b = 2.0 * biasRandom.Uniform() - 1.0;

    Random random(options.seed ^ (0xA0761D6478BD642FULL * quint64(KindIndex(kind) + 1)));
    const EngineModel engine(options.durationSeconds);

    BlockWriter writer(path);
    if (!writer.Open()) {
        SetError(error, QStringLiteral("cannot write %1: %2").arg(path, writer.ErrorString()));
        return false;
    }

    qint64 written = 0;
    for (qint64 round = 0; round < rounds; ++round) {
        const qint64 offset = static_cast<qint64>(std::floor(double(round) * roundSpacingMs + 0.5));
        const EngineState state = engine.At(double(offset) / 1000.0);
        const double speedRatio = state.speed / RatedSpeed;
        const double timing = 12.0 + 6.0 * std::min(speedRatio, 1.0) - 3.0 * state.load;

        for (int cylinder = 0; cylinder < perRound && written < lines; ++cylinder, ++written) {
            char* p = writer.Position();
            char* const end = writer.End();
            p = AppendHex(p, quint64(offset));
            *p++ = '\t';
            if (threeColumns) {
                p = AppendInt(p, end, cylinder);
                *p++ = '\t';
            }
            const double b = bias[cylinder];
            switch (kind) {
            case RecordingKind::Speed:
                p = AppendFixed(p, end, state.firing ? state.speed + random.Noise(2.5) : 0.0, 1);
                break;
            case RecordingKind::GlobalTiming:
                p = AppendFixed(p, end, state.firing ? timing + random.Noise(0.1) : 0.0, 2);
                break;
            case RecordingKind::AnalogOutput: {
                const double percent = 3.0 + 94.0 * state.load + random.Noise(0.4);
                p = AppendFixed(
                    p, end, state.firing ? std::max(0.0, std::min(100.0, percent)) : 0.0, 1);
                break;
            }
            case RecordingKind::FiringAngles:
                p = AppendFixed(
                    p, end, state.firing ? timing + 0.35 * b + random.Noise(0.25) : 0.0, 2);
                break;
            case RecordingKind::SecondaryVoltages: {
                const double kilovolts
                    = 13.0 + 8.0 * state.load + 1.5 * speedRatio + 1.2 * b + random.Noise(0.5);
                p = AppendFixed(p, end, state.firing ? kilovolts : 0.0, 2);
                break;
            }
            case RecordingKind::KnockingIntensity: {
                double percent = 0.0;
                if (state.firing) {
                    const double load = state.load;
                    percent = std::max(0.0, 1.0 + 5.0 * load * load + 0.8 * b + random.Noise(0.7));
                    // Knocking comes in single hard events, far more often at full load.
                    if (random.Uniform() < 0.0004 + 0.006 * load * load * load)
                        percent = 30.0 + 65.0 * random.Uniform();
                }
                p = AppendFixed(p, end, percent, 1);
                break;
            }
            case RecordingKind::Temperatures: {
                const double warm = (state.exhaustCelsius - AmbientCelsius) / 550.0;
                double temperature = state.exhaustCelsius + 30.0 * b * warm + random.Noise(1.2);
                if (options.fahrenheit)
                    temperature = temperature * 9.0 / 5.0 + 32.0;
                p = AppendFixed(p, end, temperature, 1);
                break;
            }
            }
            *p++ = '\n';
            if (!writer.Advance(p)) {
                SetError(
                    error, QStringLiteral("cannot write %1: %2").arg(path, writer.ErrorString()));
                return false;
            }
        }
    }
    if (!writer.Close()) {
        SetError(error, QStringLiteral("cannot write %1: %2").arg(path, writer.ErrorString()));
        return false;
    }
    return true;
}
