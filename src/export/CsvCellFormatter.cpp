#include "CsvCellFormatter.h"

#include "CsvOutputBuffer.h"

#include <QDateTime>
#include <QIODevice>
#include <QTextCodec>
#include <cmath>
#include <cstring>

namespace {

// Beyond these the year has fewer or more than four digits, which Qt prints its own way.
constexpr int FirstFastYear = 1000;
constexpr int LastFastYear = 9999;
// About +-10000 years around 1970: no four-digit year lies outside, and no sum overflows.
constexpr qint64 FastMsecsLimit = Q_INT64_C(320000000000000);

// Proleptic Gregorian date of a day count since 1970-01-01, as QDate counts it
// (H. Hinnant's days_from_civil inverse).
inline void CivilFromDays(qint64 days, qint64& year, unsigned& month, unsigned& day)
{
    days += 719468;
    const qint64 era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra
        = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    year = qint64(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
}

constexpr int ScratchBytes = 160;

} // namespace

CsvCellFormatter::CsvCellFormatter(const QLocale& locale, QTextCodec* codec)
    : m_locale(locale)
    , m_codec(codec ? codec : QTextCodec::codecForLocale())
    , m_pattern(DateTimePattern(locale))
    , m_grouping(!(locale.numberOptions() & QLocale::OmitGroupSeparator))
{
    const QByteArray decimalPoint = m_codec->fromUnicode(QString(locale.decimalPoint()));
    m_groupSeparator = m_codec->fromUnicode(QString(locale.groupSeparator()));
    m_minusSign = m_codec->fromUnicode(QString(locale.negativeSign()));

    const bool usable = locale.zeroDigit() == QLatin1Char('0')
        && decimalPoint.size() <= MaxSeparatorBytes && m_groupSeparator.size() <= MaxSeparatorBytes
        && m_minusSign.size() <= MaxSeparatorBytes;
    if (usable) {
        std::memcpy(m_decimalPointBytes, decimalPoint.constData(), size_t(decimalPoint.size()));
        m_decimalPointSize = decimalPoint.size();
        m_fastDateTimes = true;
        m_fastDateTimes = ProbeDateTimes();
        m_fastValues = true;
        m_fastValues = ProbeValues();
    }
    // Whatever the probes left in the minute cache is not to be trusted.
    m_minuteBegin = m_minuteEnd = 0;
}

QString CsvCellFormatter::DateTimePattern(const QLocale& locale)
{
    return QStringLiteral("yyyy-MM-dd hh:mm:ss") + locale.decimalPoint() + QStringLiteral("zzz");
}

QString CsvCellFormatter::ReferenceDateTime(const QLocale& locale, qint64 msecsSinceEpoch)
{
    return locale.toString(
        QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch), DateTimePattern(locale));
}

QString CsvCellFormatter::ReferenceValue(const QLocale& locale, double value)
{
    return locale.toString(value, 'f', 2);
}

void CsvCellFormatter::AppendEncoded(CsvOutputBuffer& out, const QString& text)
{
    const QByteArray bytes = m_codec->fromUnicode(text);
    out.Append(bytes.constData(), bytes.size());
}

void CsvCellFormatter::AppendDateTimeSlow(CsvOutputBuffer& out, qint64 msecsSinceEpoch)
{
    if (m_fastDateTimes && msecsSinceEpoch > -FastMsecsLimit && msecsSinceEpoch < FastMsecsLimit) {
        qint64 validBegin;
        qint64 validEnd;
        const qint64 offset = m_offsets.OffsetAt(msecsSinceEpoch, &validBegin, &validEnd);
        if (offset != LocalTimeOffsetCache::NoOffset
            && offset > -LocalTimeOffsetCache::MsecsPerDay * 2
            && offset < LocalTimeOffsetCache::MsecsPerDay * 2) {
            const qint64 local = msecsSinceEpoch + offset;
            const qint64 days
                = LocalTimeOffsetCache::FloorDiv(local, LocalTimeOffsetCache::MsecsPerDay);
            const unsigned msecsOfDay = unsigned(local - days * LocalTimeOffsetCache::MsecsPerDay);
            qint64 year;
            unsigned month;
            unsigned day;
            CivilFromDays(days, year, month, day);
            if (year >= FirstFastYear && year <= LastFastYear) {
                char* p = m_minutePrefix;
                p = PutPair(p, unsigned(year / 100));
                p = PutPair(p, unsigned(year % 100));
                *p++ = '-';
                p = PutPair(p, month);
                *p++ = '-';
                p = PutPair(p, day);
                *p++ = ' ';
                const unsigned minuteOfDay = msecsOfDay / 60000;
                p = PutPair(p, minuteOfDay / 60);
                *p++ = ':';
                p = PutPair(p, minuteOfDay % 60);
                *p++ = ':';
                const unsigned inMinute = msecsOfDay % 60000;
                m_minuteStart = msecsSinceEpoch - inMinute;
                m_minuteBegin = qMax(m_minuteStart, validBegin);
                m_minuteEnd = qMin(m_minuteStart + 60000, validEnd);

                AppendInMinute(out, inMinute);
                return;
            }
        }
    }
    AppendEncoded(
        out, m_locale.toString(QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch), m_pattern));
}

void CsvCellFormatter::AppendValue(CsvOutputBuffer& out, double value)
{
    // Up to 1e13 the hundredths fit well inside the 53-bit mantissa, which the exact rounding
    // below relies on; NaN fails the comparison too.
    if (m_fastValues && std::fabs(value) < 1e13) {
        const bool negative = value < 0; // -0.0 prints without a sign, -0.001 as "-0.00"
        const double magnitude = std::fabs(value);
        // Qt rounds the exact binary value to two decimals, halves away from zero. The product
        // is rounded to a double, on a grid fine enough that only a fraction of exactly one half
        // can hide which side the true hundredths lie on; fma then gives the exact remainder of
        // the rounding, whose sign decides.
        const double scaled = magnitude * 100.0;
        const double whole = std::floor(scaled);
        const double fraction = scaled - whole;
        quint64 hundredths = quint64(whole);
        if (fraction > 0.5 || (fraction == 0.5 && std::fma(magnitude, 100.0, -scaled) >= 0))
            ++hundredths;

        char scratch[ScratchBytes];
        char* const end = scratch + ScratchBytes;
        char* q = end - 2;
        PutPair(q, unsigned(hundredths % 100));
        q -= m_decimalPointSize;
        std::memcpy(q, m_decimalPointBytes, size_t(m_decimalPointSize));
        quint64 integral = hundredths / 100;
        if (integral < 1000 || !m_grouping) {
            do {
                *--q = char('0' + integral % 10);
                integral /= 10;
            } while (integral != 0);
        } else {
            int digits = 0;
            do {
                if (digits != 0 && digits % 3 == 0) {
                    q -= m_groupSeparator.size();
                    std::memcpy(q, m_groupSeparator.constData(), size_t(m_groupSeparator.size()));
                }
                *--q = char('0' + integral % 10);
                integral /= 10;
                ++digits;
            } while (integral != 0);
        }
        if (negative) {
            q -= m_minusSign.size();
            std::memcpy(q, m_minusSign.constData(), size_t(m_minusSign.size()));
        }
        out.Append(q, end - q);
        return;
    }
    AppendEncoded(out, ReferenceValue(m_locale, value));
}

namespace {
// Collects the bytes of single cells for the probes and for callers outside a file export.
class ByteSink : public QIODevice {
public:
    ByteSink() { open(QIODevice::WriteOnly); }
    QByteArray bytes;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override
    {
        bytes.append(data, int(len));
        return len;
    }
};
}

QByteArray CsvCellFormatter::DateTimeBytes(qint64 msecsSinceEpoch)
{
    ByteSink sink;
    {
        CsvOutputBuffer out(&sink, 4096);
        AppendDateTime(out, msecsSinceEpoch);
        out.Flush();
    }
    return sink.bytes;
}

QByteArray CsvCellFormatter::ValueBytes(double value)
{
    ByteSink sink;
    {
        CsvOutputBuffer out(&sink, 4096);
        AppendValue(out, value);
        out.Flush();
    }
    return sink.bytes;
}

bool CsvCellFormatter::ProbeDateTimes()
{
    // Ordinary times, a leap day, the ends of the four-digit years and times around 1970.
    static const qint64 probes[] = {Q_INT64_C(1456827300250), Q_INT64_C(951782400999), Q_INT64_C(0),
        Q_INT64_C(-1), Q_INT64_C(1700000000123), Q_INT64_C(-30610224000000),
        Q_INT64_C(253402300799999), Q_INT64_C(4102444800001)};
    for (const qint64 probe : probes) {
        if (DateTimeBytes(probe) != m_codec->fromUnicode(ReferenceDateTime(m_locale, probe)))
            return false;
    }
    return true;
}

bool CsvCellFormatter::ProbeValues()
{
    // Halves, negative zero, grouping at every width, rounding across a power of ten.
    static const double probes[] = {0.0, -0.0, 0.125, -0.125, 0.375, -0.001, 2.675, 999.995, 1234.5,
        -1500.0, 12345678.9, 123456789012.34, 0.005, -9999999999999.0};
    for (const double probe : probes) {
        if (ValueBytes(probe) != m_codec->fromUnicode(ReferenceValue(m_locale, probe)))
            return false;
    }
    return true;
}
