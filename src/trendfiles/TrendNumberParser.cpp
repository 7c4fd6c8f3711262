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

// Runs one of the inline scanners over a whole field; true only when the field is entirely of
// the scanner's common shape. The scanner needs a byte behind the field that stops it: a short
// copy with a NUL gives it one without reading past the field. No common shape is longer than
// this copy holds.
template <typename T>
bool ScanWholeField(const char* field, qsizetype length, bool (*scan)(const char**, T*), T* result)
{
    constexpr qsizetype MaxPlainLength = 24;
    if (length <= 0 || length > MaxPlainLength)
        return false;
    char text[MaxPlainLength + 1];
    std::memcpy(text, field, size_t(length));
    text[length] = '\0';
    const char* cursor = text;
    T plain;
    if (!scan(&cursor, &plain) || cursor != text + length)
        return false;
    *result = plain;
    return true;
}

} // namespace

bool TrendNumberParser::ToOffset(const char* field, qsizetype length, qint64* offset)
{
    quint64 plain = 0;
    if (ScanWholeField(field, length, ScanPlainHex, &plain)) {
        *offset = qint64(plain);
        return true;
    }
    if (!FitsQByteArray(length))
        return false;
    bool ok; // set by the conversion
    const qint64 converted = RawField(field, length).toLongLong(&ok, 16);
    if (ok)
        *offset = converted;
    return ok;
}

bool TrendNumberParser::ToCylinder(const char* field, qsizetype length, int* cylinder)
{
    if (ScanWholeField(field, length, ScanPlainDecimal, cylinder))
        return true;
    if (!FitsQByteArray(length))
        return false;
    bool ok; // set by the conversion
    const int converted = RawField(field, length).toInt(&ok, 10);
    if (ok)
        *cylinder = converted;
    return ok;
}

bool TrendNumberParser::ToValue(const char* field, qsizetype length, double* value)
{
    if (ScanWholeField(field, length, ScanPlainDecimalNumber, value))
        return true;
    if (!FitsQByteArray(length))
        return false;
    bool ok; // set by the conversion
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
