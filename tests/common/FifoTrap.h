#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// A named pipe that a picture reference can point at. Anything that tries to read it blocks
// until a writer appears; the trap lets such a reader go after two seconds so a failing test
// cannot hang, and reports afterwards whether anyone was caught reading.
class FifoTrap
{
public:
    explicit FifoTrap(const QString& path) : m_path(QFile::encodeName(path))
    {
        m_made = ::mkfifo(m_path.constData(), 0600) == 0;
        m_release = std::thread([this] {
            for (int i = 0; i < 40 && !m_done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            // Opening a pipe for writing without blocking only succeeds while a reader holds it.
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            m_caught = fd >= 0;
            if (fd >= 0)
                ::close(fd);
        });
    }
    ~FifoTrap()
    {
        finish();
        ::unlink(m_path.constData());
    }

    bool made() const { return m_made; }
    // Ends the trap: true when something was still reading the pipe.
    bool caughtAReader()
    {
        finish();
        return m_caught;
    }

private:
    void finish()
    {
        m_done = true;
        if (m_release.joinable())
            m_release.join();
    }

    QByteArray m_path;
    bool m_made = false;
    std::atomic_bool m_done{false};
    std::atomic_bool m_caught{false};
    std::thread m_release;
};
