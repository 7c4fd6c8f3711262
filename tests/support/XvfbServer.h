#pragma once

#include <QProcess>
#include <QString>

// A private X server for tests that need a real display (starting the real executable,
// screenshots). Picks a free display number itself through Xvfb's -displayfd.
class XvfbServer {
public:
    XvfbServer() = default;
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // Starts Xvfb with a screen of the given size; false (with errorString) when it cannot.
    bool start(int width = 1280, int height = 1024);
    void stop();

    // ":N", for the DISPLAY variable of child processes.
    QString display() const { return m_display; }
    QString errorString() const { return m_error; }

    // An environment for a child process: this display, the xcb platform, no offscreen plugin.
    QProcessEnvironment environment() const;

private:
    QProcess m_process;
    QString m_display;
    QString m_error;
};
