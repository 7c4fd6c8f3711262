#pragma once

#include "CsvOutputBuffer.h"
#include "LocalTimeOffsetCache.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <cstring>

class QTextCodec;

// Formats the cells of a CSV export straight into encoded bytes: a local date and time with
// milliseconds, and a value with two decimals, both in the conventions of a locale and in the
// bytes of a text codec.
//
// The bytes are exactly those of the plain Qt calls (ReferenceDateTime, ReferenceValue, encoded
// by the codec). Digits are produced by hand and the locale's decimal point, group separator and
// minus sign are pasted in as pre-encoded bytes; this is many times faster than a time zone
// lookup and a QString per cell. Where the hand-made path cannot be trusted (digits other than
// ASCII, years outside 1000..9999, huge or non-finite values, a locale that fails the probe at
// construction) the formatter uses the Qt calls themselves.
class CsvCellFormatter {
public:
    CsvCellFormatter(const QLocale& locale, QTextCodec* codec);

    void AppendDateTime(CsvOutputBuffer& out, qint64 msecsSinceEpoch)
    {
        // Samples come in bursts within one minute: its "yyyy-MM-dd hh:mm:" is kept ready.
        if (msecsSinceEpoch >= m_minuteBegin && msecsSinceEpoch < m_minuteEnd) {
            AppendInMinute(out, unsigned(msecsSinceEpoch - m_minuteStart));
            return;
        }
        AppendDateTimeSlow(out, msecsSinceEpoch);
    }

    void AppendValue(CsvOutputBuffer& out, double value);

    QByteArray DateTimeBytes(qint64 msecsSinceEpoch);
    QByteArray ValueBytes(double value);

    // The straightforward formatting that the fast path reproduces.
    static QString DateTimePattern(const QLocale& locale);
    static QString ReferenceDateTime(const QLocale& locale, qint64 msecsSinceEpoch);
    static QString ReferenceValue(const QLocale& locale, double value);

    // Whether the hand-made digits are used at all (false: every cell goes through Qt).
    bool FastDateTimes() const { return m_fastDateTimes; }
    bool FastValues() const { return m_fastValues; }

    // Largest encoded decimal point, group separator or minus sign the hand-made path takes.
    static constexpr int MaxSeparatorBytes = 8;

private:
    static constexpr int MinutePrefixBytes = 17; // "yyyy-MM-dd hh:mm:"

    static char* PutPair(char* p, unsigned value)
    {
        static const char pairs[] = "00010203040506070809101112131415161718192021222324"
                                    "25262728293031323334353637383940414243444546474849"
                                    "50515253545556575859606162636465666768697071727374"
                                    "75767778798081828384858687888990919293949596979899";
        std::memcpy(p, pairs + 2 * value, 2);
        return p + 2;
    }

    void AppendDateTimeSlow(CsvOutputBuffer& out, qint64 msecsSinceEpoch);

    // The cell of a time within the minute whose "yyyy-MM-dd hh:mm:" is kept ready.
    void AppendInMinute(CsvOutputBuffer& out, unsigned inMinute) const
    {
        char* p = out.Reserve(MinutePrefixBytes + 2 + MaxSeparatorBytes + 3);
        std::memcpy(p, m_minutePrefix, MinutePrefixBytes);
        p += MinutePrefixBytes;
        p = PutPair(p, inMinute / 1000);
        std::memcpy(p, m_decimalPointBytes, MaxSeparatorBytes);
        p += m_decimalPointSize;
        const unsigned millis = inMinute % 1000;
        *p++ = char('0' + millis / 100);
        p = PutPair(p, millis % 100);
        out.Commit(p);
    }
    void AppendEncoded(CsvOutputBuffer& out, const QString& text);
    bool ProbeDateTimes();
    bool ProbeValues();

    QLocale m_locale;
    QTextCodec* m_codec;
    QString m_pattern;
    char m_decimalPointBytes[MaxSeparatorBytes] = {};
    int m_decimalPointSize = 0;
    QByteArray m_groupSeparator;
    QByteArray m_minusSign;
    bool m_grouping;
    bool m_fastDateTimes = false;
    bool m_fastValues = false;
    LocalTimeOffsetCache m_offsets;

    // The local minute last written: the UTC stretch it covers with one offset, the UTC time of
    // its second 0, and its text.
    qint64 m_minuteBegin = 0;
    qint64 m_minuteEnd = 0;
    qint64 m_minuteStart = 0;
    char m_minutePrefix[MinutePrefixBytes] = {};
};
