#include "CCsvWriter.h"

#include "CsvCellFormatter.h"
#include "CsvOutputBuffer.h"
#include "ReplacingFile.h"

#include <QLocale>
#include <QTextCodec>
#include <algorithm>
#include <vector>

QChar CCsvWriter::s_separator = QLatin1Char(';');

namespace {

// Lines end as a text-mode file ends them on this platform; written directly rather than
// through the device's text mode, which would scan every block for line feeds.
#ifdef Q_OS_WIN
const char LineEnd[] = "\r\n";
#else
const char LineEnd[] = "\n";
#endif
constexpr qsizetype LineEndBytes = sizeof(LineEnd) - 1;

// Up to this many series the Timestamp List merge scans all series heads for the earliest;
// beyond it a binary heap takes over.
constexpr size_t LinearMergeLimit = 32;

// One series of the Timestamp List merge: its samples in time order, with its current sample.
struct MergeCursor {
    const qint64* timestamps;
    const double* values;
    const int* order; // null when the series is already in time order
    int position;
    int length;
    int series;
    qint64 head;
    QByteArray numberCell; // separator, series number, separator

    int Index() const { return order ? order[position] : position; }
};

// Ties go to the lower series number; within a series the cursor keeps the stored order, so
// the merge gives the same order as a stable sort of all samples by time.
inline bool Before(const MergeCursor& a, const MergeCursor& b)
{
    return a.head < b.head || (a.head == b.head && a.series < b.series);
}

void SiftDown(std::vector<MergeCursor*>& heap, size_t at)
{
    const size_t size = heap.size();
    MergeCursor* moving = heap[at];
    for (;;) {
        size_t child = 2 * at + 1;
        if (child >= size)
            break;
        if (child + 1 < size && Before(*heap[child + 1], *heap[child]))
            ++child;
        if (!Before(*heap[child], *moving))
            break;
        heap[at] = heap[child];
        at = child;
    }
    heap[at] = moving;
}

class EncodedText {
public:
    explicit EncodedText(QTextCodec* codec)
        : m_codec(codec)
    {
    }
    QByteArray operator()(const QString& text) const { return m_codec->fromUnicode(text); }

private:
    QTextCodec* m_codec;
};

// Puts the new file into place only when all of it was written; otherwise the earlier file of
// that name stays as it was and no temporary file is left behind.
bool Finish(ReplacingFile& file, bool written)
{
    if (!written)
        file.CancelWriting();
    return file.Commit();
}

} // namespace

CCsvWriter::CCsvWriter() = default;

bool CCsvWriter::AddSeries(
    const QVector<qint64>& timestamps, const QVector<double>& values, const QString& name)
{
    if (timestamps.size() != values.size())
        return false;
    m_timestampSeries.append(timestamps);
    m_valueSeries.append(values);
    m_maximumLength = qMax(m_maximumLength, timestamps.size());
    QString quoted = name;
    quoted.remove(QLatin1Char('"'));
    m_columnTitles << QStringLiteral("Date Time") << QLatin1Char('"') + quoted + QLatin1Char('"');
    return true;
}

bool CCsvWriter::SetSeparator(QChar separator)
{
    if (separator != QLatin1Char('\t') && separator != QLatin1Char(';'))
        return false;
    s_separator = separator;
    return true;
}

QChar CCsvWriter::Separator() { return s_separator; }

bool CCsvWriter::WriteTimeDataPairs(const QString& fileName, bool withTitleLine)
{
    if (m_maximumLength < 1)
        return false;
    ReplacingFile file(fileName);
    return file.Open() && Finish(file, WriteTimeDataPairs(*file.Device(), withTitleLine));
}

bool CCsvWriter::WriteTimestampList(const QString& fileName)
{
    if (m_maximumLength < 1)
        return false;
    ReplacingFile file(fileName);
    return file.Open() && Finish(file, WriteTimestampList(*file.Device()));
}

bool CCsvWriter::WriteTimeDataPairs(QIODevice& device, bool withTitleLine)
{
    if (m_maximumLength < 1)
        return false;
    QTextCodec* const codec = QTextCodec::codecForLocale();
    const EncodedText encode(codec);
    CsvCellFormatter cells(QLocale::system(), codec);
    CsvOutputBuffer out(&device, 1 << 20, CsvOutputBuffer::Writing::Overlapped);
    const QByteArray separator = encode(QString(s_separator));
    const QByteArray blankCell = encode(QStringLiteral(" "));

    if (withTitleLine) {
        const QByteArray titles = encode(m_columnTitles.join(s_separator));
        out.Append(titles.constData(), titles.size());
        out.Append(LineEnd, LineEndBytes);
    }

    const int seriesCount = m_timestampSeries.size();
    const auto count = static_cast<size_t>(seriesCount);
    std::vector<const qint64*> timestamps(count);
    std::vector<const double*> values(count);
    std::vector<int> lengths(count);
    for (int k = 0; k < seriesCount; ++k) {
        timestamps[size_t(k)] = m_timestampSeries[k].constData();
        values[size_t(k)] = m_valueSeries[k].constData();
        lengths[size_t(k)] = m_timestampSeries[k].size();
    }

    for (int row = 0; row < m_maximumLength; ++row) {
        for (int k = 0; k < seriesCount; ++k) {
            if (k != 0)
                out.Append(separator.constData(), separator.size());
            if (row < lengths[size_t(k)]) {
                cells.AppendDateTime(out, timestamps[size_t(k)][row]);
                out.Append(separator.constData(), separator.size());
                cells.AppendValue(out, values[size_t(k)][row]);
            } else {
                out.Append(blankCell.constData(), blankCell.size());
                out.Append(separator.constData(), separator.size());
            }
        }
        out.Append(LineEnd, LineEndBytes);
        if (out.HasFailed()) // a full disk ends the export instead of formatting the rest
            break;
    }
    return out.Flush();
}

bool CCsvWriter::WriteTimestampList(QIODevice& device)
{
    if (m_maximumLength < 1)
        return false;

    QTextCodec* const codec = QTextCodec::codecForLocale();
    const EncodedText encode(codec);
    const QByteArray separator = encode(QString(s_separator));

    // Series out of time order (a clock set back during the recording) get a stably sorted
    // index; the others are merged as they are, at no extra memory.
    std::vector<std::vector<int>> orders(size_t(m_timestampSeries.size()));
    std::vector<MergeCursor> cursors;
    cursors.reserve(size_t(m_timestampSeries.size()));
    for (int k = 0; k < m_timestampSeries.size(); ++k) {
        const QVector<qint64>& series = m_timestampSeries[k];
        if (series.isEmpty())
            continue;
        const qint64* ts = series.constData();
        const int length = series.size();
        const int* order = nullptr;
        if (!std::is_sorted(ts, ts + length)) {
            std::vector<int>& index = orders[size_t(k)];
            index.resize(size_t(length));
            for (int i = 0; i < length; ++i)
                index[size_t(i)] = i;
            std::stable_sort(
                index.begin(), index.end(), [ts](int a, int b) { return ts[a] < ts[b]; });
            order = index.data();
        }
        MergeCursor cursor {ts, m_valueSeries[k].constData(), order, 0, length, k, 0, {}};
        cursor.head = ts[cursor.Index()];
        cursor.numberCell = separator + QByteArray::number(k) + separator;
        cursors.push_back(cursor);
    }

    CsvCellFormatter cells(QLocale::system(), codec);
    CsvOutputBuffer out(&device, 1 << 20, CsvOutputBuffer::Writing::Overlapped);

    auto writeLine = [&](MergeCursor& cursor) {
        const int index = cursor.Index();
        cells.AppendDateTime(out, cursor.timestamps[index]);
        out.Append(cursor.numberCell.constData(), cursor.numberCell.size());
        cells.AppendValue(out, cursor.values[index]);
        out.Append(LineEnd, LineEndBytes);
    };

    if (cursors.size() <= LinearMergeLimit) {
        // For the few series of an engine a branch-free scan of all heads beats a heap, whose
        // comparisons the processor cannot predict. Scanning in series order and taking only a
        // strictly earlier head keeps ties with the lower series number.
        std::vector<qint64> heads;
        std::vector<MergeCursor*> live;
        for (MergeCursor& cursor : cursors) {
            heads.push_back(cursor.head);
            live.push_back(&cursor);
        }
        while (!live.empty()) {
            size_t best = 0;
            qint64 bestHead = heads[0];
            for (size_t i = 1; i < heads.size(); ++i) {
                const bool earlier = heads[i] < bestHead;
                best = earlier ? i : best;
                bestHead = earlier ? heads[i] : bestHead;
            }
            MergeCursor& cursor = *live[best];
            writeLine(cursor);
            if (++cursor.position < cursor.length) {
                heads[best] = cursor.timestamps[cursor.Index()];
            } else {
                heads.erase(heads.begin() + qptrdiff(best));
                live.erase(live.begin() + qptrdiff(best));
            }
            if (out.HasFailed())
                break;
        }
        return out.Flush();
    }

    std::vector<MergeCursor*> heap;
    heap.reserve(cursors.size());
    for (MergeCursor& cursor : cursors)
        heap.push_back(&cursor);
    for (size_t i = heap.size() / 2; i-- > 0;)
        SiftDown(heap, i);

    while (!heap.empty()) {
        MergeCursor& cursor = *heap.front();
        writeLine(cursor);
        if (++cursor.position < cursor.length) {
            cursor.head = cursor.timestamps[cursor.Index()];
        } else {
            heap.front() = heap.back();
            heap.pop_back();
        }
        if (!heap.empty())
            SiftDown(heap, 0);
        if (out.HasFailed())
            break;
    }
    return out.Flush();
}
