#include "TrendNumberParser.h"

#include <QByteArray>

#include <algorithm>

const double TrendNumberParser::PowersOfTen[23] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9,
    1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

namespace {

bool IsBlank(char c)
{
    // The characters both C's isspace and Qt's double conversion skip around a number.
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The whole field, as a QByteArray without copying. Qt's conversions copy it once more to add a
// terminating NUL, which only the unusual fields pay for.
QByteArray RawField(const char* field, qsizetype length)
{
    return QByteArray::fromRawData(field, int(length));
}

// Longer fields cannot be held in a QByteArray at all, so Qt could never have accepted them.
bool FitsQByteArray(qsizetype length) { return length < qsizetype(1) << 30; }

} // namespace

bool TrendNumberParser::ToOffset(const char* field, qsizetype length, qint64* offset)
{
    if (length > 0 && length <= 15) {
        quint64 plain = 0;
        qsizetype i = 0;
        for (; i < length; ++i) {
            const unsigned c = static_cast<unsigned char>(field[i]);
            unsigned d = c - '0';
            if (d > 9) {
                d = (c | 0x20u) - 'a';
                if (d > 5)
                    break;
                d += 10;
            }
            plain = plain * 16 + d;
        }
        if (i == length) {
            *offset = qint64(plain);
            return true;
        }
    }
    if (!FitsQByteArray(length))
        return false;
    bool ok = false;
    const qint64 converted = RawField(field, length).toLongLong(&ok, 16);
    if (ok)
        *offset = converted;
    return ok;
}

bool TrendNumberParser::ToCylinder(const char* field, qsizetype length, int* cylinder)
{
    if (length > 0 && length <= 9) {
        int plain = 0;
        qsizetype i = 0;
        for (unsigned d; i < length && (d = static_cast<unsigned char>(field[i]) - '0') <= 9; ++i)
            plain = plain * 10 + int(d);
        if (i == length) {
            *cylinder = plain;
            return true;
        }
    }
    if (!FitsQByteArray(length))
        return false;
    bool ok = false;
    const int converted = RawField(field, length).toInt(&ok, 10);
    if (ok)
        *cylinder = converted;
    return ok;
}

bool TrendNumberParser::ToValue(const char* field, qsizetype length, double* value)
{
    // The inline scanner needs a byte behind the number that stops it; a short copy with a NUL
    // gives it one without reading past the field.
    if (length > 0 && length <= 24) {
        char text[25];
        std::memcpy(text, field, size_t(length));
        text[length] = '\0';
        const char* cursor = text;
        double plain = 0.0;
        if (ScanPlainDecimalNumber(&cursor, &plain) && cursor == text + length) {
            *value = plain;
            return true;
        }
    }
    if (!FitsQByteArray(length))
        return false;
    bool ok = false;
    const double converted = RawField(field, length).toDouble(&ok);
    if (!ok)
        return false;
    if (std::all_of(field, field + length, IsBlank))
        return false;
    *value = converted;
    return true;
}

bool TrendNumberParser::ParseLine(
    const char* line, qsizetype length, int columns, qint64* offset, int* cylinder, double* value)
{
    const char* fields[3];
    qsizetype lengths[3];
    const char* const end = line + length;
    const char* p = line;
    int count = 0;
    for (;;) {
        const char* tab = static_cast<const char*>(std::memchr(p, '\t', size_t(end - p)));
        if (count == columns)
            return false;
        fields[count] = p;
        lengths[count] = (tab ? tab : end) - p;
        ++count;
        if (!tab)
            break;
        p = tab + 1;
    }
    if (count != columns)
        return false;
    if (columns == 3 && !ToCylinder(fields[1], lengths[1], cylinder))
        return false;
    return ToOffset(fields[0], lengths[0], offset)
        && ToValue(fields[columns - 1], lengths[columns - 1], value);
}
