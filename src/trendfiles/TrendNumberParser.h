#pragma once

#include <QtGlobal>

#include <cstring>
#include <limits>

// The three number conversions of the data files. Each call accepts exactly the fields that the
// Qt conversion named beside it accepts and yields the same bits: the common shapes written by the
// device are converted inline, everything unusual (blanks, signs, prefixes, exponents, long digit
// strings, NUL bytes...) is handed to Qt itself, so the two can never disagree.
class TrendNumberParser {
public:
    // QByteArray::toLongLong(&ok, 16) on the field.
    static bool ToOffset(const char* field, qsizetype length, qint64* offset);

    // QByteArray::toInt(&ok, 10) on the field.
    static bool ToCylinder(const char* field, qsizetype length, int* cylinder);

    // QByteArray::toDouble(&ok) on the field, except that a field of blanks only is refused:
    // Qt reads it as 0, a sample the device never wrote.
    static bool ToValue(const char* field, qsizetype length, double* value);

    // Splits a line (without its LF, text mode already applied) at every TAB and converts the
    // fields: exactly two (time offset, value) or three (time offset, cylinder, value). False
    // when the field count is wrong or a conversion fails; the cylinder is not range-checked.
    static bool ParseLine(const char* line, qsizetype length, int columns, qint64* offset,
        int* cylinder, double* value);

    // start + offset, false when the sum does not fit 64 bits (a corrupt offset must not wrap
    // around to some time in the past).
    static bool AddOffset(qint64 start, qint64 offset, qint64* sum)
    {
        if ((offset > 0 && start > std::numeric_limits<qint64>::max() - offset)
            || (offset < 0 && start < std::numeric_limits<qint64>::min() - offset))
            return false;
        *sum = start + offset;
        return true;
    }

    // The inline parts for the hot loop. Each reads from *cursor while the characters fit the
    // common shape and stops at the first one that does not, leaving *cursor there: the text must
    // be followed by a byte outside the shape (an LF, a TAB or a NUL sentinel). They return false
    // when the shape is not the common one; the caller then takes the exact route above for the
    // whole line.

    // 1 to 15 hexadecimal digits: always inside 64 bits.
    static bool ScanPlainHex(const char** cursor, quint64* value)
    {
        const char* p = *cursor;
        quint64 v = 0;
        int digits = 0;
        for (;; ++p, ++digits) {
            const unsigned c = static_cast<unsigned char>(*p);
            unsigned d = c - '0';
            if (d > 9) {
                d = (c | 0x20u) - 'a';
                if (d > 5)
                    break;
                d += 10;
            }
            v = v * 16 + d;
        }
        *cursor = p;
        *value = v;
        return digits > 0 && digits <= 15;
    }

    // 1 to 9 decimal digits: always inside int.
    static bool ScanPlainDecimal(const char** cursor, int* value)
    {
        const char* p = *cursor;
        unsigned v = 0; // unsigned: a long digit string wraps harmlessly before it is refused
        int digits = 0;
        for (unsigned d; (d = static_cast<unsigned char>(*p) - unsigned('0')) <= 9; ++p, ++digits)
            v = v * 10 + d;
        *cursor = p;
        *value = int(v);
        return digits > 0 && digits <= 9;
    }

    // [-]digits[.digits] with at least one digit, at most 19 digits in all, a mantissa of at most
    // 2^53 and at most 22 decimals. Such a number is the exact quotient of two doubles, and one
    // IEEE division rounds it correctly, which is what Qt's conversion yields as well.
    static bool ScanPlainDecimalNumber(const char** cursor, double* value)
    {
        const char* p = *cursor;
        const bool negative = *p == '-';
        p += negative;
        quint64 mantissa = 0;
        int digits = 0;
        for (unsigned d; (d = static_cast<unsigned char>(*p) - unsigned('0')) <= 9; ++p, ++digits)
            mantissa = mantissa * 10 + d;
        int decimals = 0;
        if (*p == '.') {
            ++p;
            for (unsigned d; (d = static_cast<unsigned char>(*p) - unsigned('0')) <= 9;
                 ++p, ++decimals)
                mantissa = mantissa * 10 + d;
        }
        *cursor = p;
        digits += decimals;
        if (digits == 0 || digits > 19 || decimals > 22 || mantissa > (quint64(1) << 53))
            return false;
        const double magnitude = double(mantissa) / PowersOfTen[decimals];
        *value = negative ? -magnitude : magnitude;
        return true;
    }

private:
    static const double PowersOfTen[23];
};
