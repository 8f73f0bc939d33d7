#pragma once

#include <functional>

#include <QObject>
#include <QString>

// The API key of the transcription service, kept by the system's secret store (QtKeychain),
// never in the settings file, a log line or an address. Without a secret store the key is kept
// for this session only, and unavailable() says so once.
class SecretStore final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SecretStore)

public:
    static SecretStore* instance();

    // `done` gets the key (empty when none is stored), on the GUI thread, unless `context`
    // went first.
    void readApiKey(QObject* context, std::function<void(const QString&)> done);
    // An empty key removes the stored one.
    void writeApiKey(const QString& key);

    // Whether the system's store is asked at all; without it every key is kept in memory, as
    // when no store is running.
    void setSystemStoreEnabled(bool enabled) { m_systemStore = enabled; }
    bool hasSessionKey() const { return m_sessionKeySet; }

    static QString unavailableText();

signals:
    void unavailable(const QString& text);
    void keyWritten();

private:
    SecretStore() = default;
    void keepForSession(const QString& key, const QString& why);

    QString m_sessionKey;
    bool m_sessionKeySet = false;
    bool m_systemStore = true;
    bool m_told = false;
};
