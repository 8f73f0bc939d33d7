#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSize>
#include <QString>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

// A private X server for the benchmarks that time what the window really paints: a display
// nobody else uses (the tests and the developer keep theirs), gone with the benchmark even if
// it is killed. Made before the application object, which then connects to it.
class XvfbDisplay
{
public:
    explicit XvfbDisplay(const QSize& screen = QSize(1920, 1080))
    {
        // High numbers: the low ones are the developers' and the test runs'.
        for (int display = 150; display < 250 && m_pid <= 0; ++display) {
            if (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(display)) ||
                QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)))
                continue;
            start(display, screen);
        }
    }

    ~XvfbDisplay()
    {
        if (m_pid <= 0)
            return;
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }

    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool isRunning() const { return m_pid > 0; }
    // Points this process's windows at the server.
    void use() const
    {
        qputenv("DISPLAY", m_name.toLatin1());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }

private:
    void start(int display, const QSize& screen)
    {
        const QByteArray name = QStringLiteral(":%1").arg(display).toLatin1();
        const QByteArray geometry =
            QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()).toLatin1();
        const pid_t pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            execlp("Xvfb", "Xvfb", name.constData(), "-screen", "0", geometry.constData(),
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        if (pid < 0)
            return;
        QElapsedTimer waited;
        waited.start();
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(display);
        while (!QFileInfo::exists(socket) && waited.elapsed() < 10000) {
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                return; // taken after all, or no Xvfb: try the next number
            QThread::msleep(20);
        }
        if (!QFileInfo::exists(socket)) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
            return;
        }
        m_pid = pid;
        m_name = QString::fromLatin1(name);
    }

    pid_t m_pid = -1;
    QString m_name;
};
