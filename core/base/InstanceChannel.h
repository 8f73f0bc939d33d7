#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

// How a second start reaches the running instance: the running one listens on a local socket
// of the user's own (in the user's runtime folder), and a second start hands it the files it
// was given and asks for the window, instead of starting a second window or ending unheard.
class InstanceChannel final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InstanceChannel)

public:
    explicit InstanceChannel(QObject* parent = nullptr);
    ~InstanceChannel() override;

    // The running instance: listens for later starts. False when the socket cannot be made.
    bool listen();
    // A later start: hands the files (made absolute here) to the running instance; false when
    // no running instance answers.
    static bool send(const QStringList& files);

    // The socket's name: a path in the user's runtime folder, so every user has a channel of
    // their own.
    static QString serverName();

signals:
    // A later start asked for the window, with the files it was given.
    void activationRequested(const QStringList& files);

private:
    void readMessage();

    QLocalServer* m_server;
};
