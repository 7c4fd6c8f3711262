#include "XvfbServer.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

XvfbServer::~XvfbServer() { stop(); }

bool XvfbServer::start(int width, int height)
{
#ifdef Q_OS_UNIX
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        m_error = QStringLiteral("Xvfb is not installed");
        return false;
    }
    // Xvfb writes the display number it chose into the pipe given with -displayfd.
    int fds[2];
    if (pipe(fds) != 0) {
        m_error = QStringLiteral("pipe() failed");
        return false;
    }
    const int writeFd = fds[1];
    m_process.setProgram(xvfb);
    m_process.setArguments(
        {QStringLiteral("-displayfd"), QString::number(writeFd), QStringLiteral("-screen"),
            QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(width).arg(height),
            QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
    ::close(writeFd);
    if (!m_process.waitForStarted(10000)) {
        ::close(fds[0]);
        m_error = QStringLiteral("Xvfb did not start");
        return false;
    }
    QByteArray number;
    char c = 0;
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
        const ssize_t n = ::read(fds[0], &c, 1);
        if (n == 1) {
            if (c == '\n')
                break;
            number.append(c);
        } else if (n == 0) {
            break;
        } else {
            QThread::msleep(20);
        }
    }
    ::close(fds[0]);
    bool ok = false;
    number.trimmed().toInt(&ok);
    if (!ok) {
        m_error = QStringLiteral("Xvfb reported no display number");
        stop();
        return false;
    }
    m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    return true;
#else
    Q_UNUSED(width)
    Q_UNUSED(height)
    m_error = QStringLiteral("Xvfb is only available on X11 systems");
    return false;
#endif
}

void XvfbServer::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}

QProcessEnvironment XvfbServer::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}
