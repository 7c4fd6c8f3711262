#pragma once

#include <QByteArray>
#include <QIODevice>

// A device that takes `capacity` bytes and refuses the rest, as a file does when the disk fills
// up; what it took stays for the test to look at.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 capacity)
        : m_capacity(capacity)
    {
        open(QIODevice::WriteOnly);
    }

    QByteArray taken;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 room = m_capacity - taken.size();
        if (room <= 0)
            return -1;
        taken.append(data, int(qMin(room, size)));
        return qMin(room, size);
    }

private:
    qint64 m_capacity;
};
