// libFuzzer target: CSV cells (times and values, in many locales, zones and encodings) written by
// the fast cell formatter through one output buffer, compared with the plain Qt formatting of
// each cell. The minute kept ready, the offset cache and the buffer carry over from cell to cell
// as in an export.

#include "CsvCellFormatter.h"
#include "CsvOutputBuffer.h"

#include <QBuffer>
#include <QDateTime>
#include <QLocale>
#include <QTextCodec>

#include <cstdlib>
#include <cstring>
#include <time.h>

namespace {

const char* const Locales[] = {"C", "en_US", "de_DE", "fr_FR", "de_CH", "sv_SE", "ru_RU", "fi_FI",
    "nb_NO", "es_ES", "pt_BR", "ja_JP", "hi_IN", "ar_EG", "fa_IR", "bn_BD", "my_MM", "he_IL"};
const char* const Zones[] = {"Europe/Berlin", "UTC", "America/New_York", "Australia/Lord_Howe",
    "Asia/Kathmandu", "Pacific/Apia", "America/St_Johns", "Africa/Casablanca"};
const char* const Codecs[] = {"UTF-8", "ISO-8859-1", "UTF-16LE", "Windows-1252"};

template <typename T, size_t N> const T& Pick(const T (&list)[N], uint8_t byte)
{
    return list[byte % N];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    QLocale locale(QString::fromLatin1(Pick(Locales, data[0])));
    if (data[1] & 0x80)
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
    qputenv("TZ", Pick(Zones, data[1]));
    tzset();
    QTextCodec* const codec = QTextCodec::codecForName(Pick(Codecs, data[2]));
    if (codec == nullptr)
        abort();
    data += 3;
    size -= 3;

    QBuffer device;
    device.open(QIODevice::WriteOnly);
    QByteArray expected;
    {
        CsvCellFormatter cells(locale, codec);
        // Small, so that cells cross the buffer's end.
        CsvOutputBuffer out(&device, 128);
        const QString pattern
            = QStringLiteral("yyyy-MM-dd hh:mm:ss") + locale.decimalPoint() + QStringLiteral("zzz");
        qint64 time = 1456823700000;
        for (; size >= 9; data += 9, size -= 9) {
            const uint8_t tag = data[0];
            qint64 payload;
            std::memcpy(&payload, data + 1, 8);
            const int shift = tag >> 4;
            double value = 0;
            switch (tag & 3) {
            case 0: // any time, mostly within some thousands of years
                time = shift == 0 ? payload : payload >> (16 + shift);
                break;
            case 1: // the next sample a little later, often in the same minute
                time += qint64(quint64(payload) % 200000);
                break;
            case 2: // any double, also NaN, infinities and subnormals
                std::memcpy(&value, &payload, 8);
                break;
            default: // a measured value, thousandths and halves that round
                value = double(payload >> (12 + 3 * shift)) / (shift & 1 ? 8.0 : 1000.0);
                break;
            }
            if ((tag & 3) < 2) {
                cells.AppendDateTime(out, time);
                expected += codec->fromUnicode(
                    locale.toString(QDateTime::fromMSecsSinceEpoch(time), pattern));
            } else {
                cells.AppendValue(out, value);
                expected += codec->fromUnicode(locale.toString(value, 'f', 2));
            }
            out.Append(';');
            expected += ';';
        }
        if (!out.Flush())
            abort();
    }
    if (device.data() != expected)
        abort();
    return 0;
}
