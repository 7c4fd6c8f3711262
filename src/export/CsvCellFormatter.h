#pragma once

#include "LocalTimeOffsetCache.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

class CsvOutputBuffer;
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

    void AppendDateTime(CsvOutputBuffer& out, qint64 msecsSinceEpoch);
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

private:
    void AppendEncoded(CsvOutputBuffer& out, const QString& text);
    bool ProbeDateTimes();
    bool ProbeValues();

    QLocale m_locale;
    QTextCodec* m_codec;
    QString m_pattern;
    QByteArray m_decimalPoint;
    QByteArray m_groupSeparator;
    QByteArray m_minusSign;
    bool m_grouping;
    bool m_fastDateTimes = false;
    bool m_fastValues = false;
    LocalTimeOffsetCache m_offsets;
};
