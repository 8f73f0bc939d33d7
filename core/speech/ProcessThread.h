#pragma once

#include <atomic>
#include <memory>

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QThread>

class QProcess;

// Runs one external program to completion off the GUI thread and reports its start, failure,
// output and end as signals. Set the program, arguments, open mode and time-out, then start().
class ProcessThread : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProcessThread)

public:
    explicit ProcessThread(QObject* parent = nullptr);
    ~ProcessThread() override;

    void setProgram(const QString& program) { m_program = program; }
    void setArguments(const QStringList& arguments) { m_arguments = arguments; }
    void setOpenMode(QIODevice::OpenMode mode) { m_openMode = mode; }
    // Milliseconds run() waits for the program to finish; a negative value waits for ever.
    void setTimeout(int ms) { m_timeout = ms; }
    QString program() const { return m_program; }
    QStringList arguments() const { return m_arguments; }
    int timeout() const { return m_timeout; }
    qint64 pid() const { return m_pid; }

    // Writes the first sound track of the video as MP3 at audioPath with ffmpeg found on the
    // search path. A stale file of an earlier run is removed first so it is never taken for
    // the new result. False, with nothing started, when the thread is busy or a path is empty.
    bool extractAudio(const QString& videoPath, const QString& audioPath);

    // GUI thread: asks the running program to be killed; run() then ends as after a normal
    // finish.
    void stop();

    static constexpr int kDefaultTimeout = 120000;
    static constexpr int kAudioExtractionTimeout = 30 * 60 * 1000;

signals:
    void processOutput(QString output);
    void processError(QString output);
    void processStart();
    void processFailed();
    void processStop();

public slots:
    void onReadyReadStandardOutput();

protected:
    void run() override;

private:
    // A bare name is looked up only in the absolute folders of PATH, never in the working
    // folder; empty text when there is no such program.
    QString resolvedProgram() const;
    bool waitForEnd();
    void fail();

    QString m_program;
    QStringList m_arguments;
    QIODevice::OpenMode m_openMode = QIODevice::NotOpen;
    // Lives in this thread's worker thread: only run() touches it while the thread runs.
    std::unique_ptr<QProcess> m_process;
    qint64 m_pid = 0;
    int m_timeout = kDefaultTimeout;
    std::atomic_bool m_stopRequested{false};
};
