#include "gui/application/SecretStore.h"

#include <QDebug>
#include <QPointer>

#include <qt5keychain/keychain.h>

#include "core/base/AppConfig.h"

namespace {

const QString kApiKeyName = QStringLiteral("transcription_api_key");

} // namespace

SecretStore* SecretStore::instance()
{
    static SecretStore* store = new SecretStore;
    return store;
}

QString SecretStore::unavailableText()
{
    return tr("No secret store is running: the API key is kept for this session only");
}

void SecretStore::readApiKey(QObject* context, std::function<void(const QString&)> done)
{
    QPointer<QObject> guard(context);
    if (m_sessionKeySet || !m_systemStore) {
        // Still answered later, as the store would be.
        const QString key = m_sessionKey;
        QMetaObject::invokeMethod(
            this,
            [guard, done, key] {
                if (guard)
                    done(key);
            },
            Qt::QueuedConnection);
        return;
    }
    auto* job = new QKeychain::ReadPasswordJob(AppConfig::kProductName, this);
    job->setKey(kApiKeyName);
    job->setInsecureFallback(false);
    connect(job, &QKeychain::Job::finished, this, [guard, done, job] {
        if (job->error() != QKeychain::NoError && job->error() != QKeychain::EntryNotFound)
            qWarning() << "The secret store could not be read:" << job->errorString();
        if (guard)
            done(job->error() == QKeychain::NoError ? job->textData() : QString());
    });
    job->start();
}

void SecretStore::writeApiKey(const QString& key)
{
    if (!m_systemStore) {
        keepForSession(key, QStringLiteral("the system's store is not used"));
        return;
    }
    QKeychain::Job* job = nullptr;
    if (key.isEmpty()) {
        job = new QKeychain::DeletePasswordJob(AppConfig::kProductName, this);
    } else {
        auto* write = new QKeychain::WritePasswordJob(AppConfig::kProductName, this);
        write->setTextData(key);
        job = write;
    }
    job->setKey(kApiKeyName);
    job->setInsecureFallback(false);
    connect(job, &QKeychain::Job::finished, this, [this, job, key] {
        if (job->error() == QKeychain::NoError ||
            (key.isEmpty() && job->error() == QKeychain::EntryNotFound)) {
            m_sessionKeySet = false;
            m_sessionKey.clear();
            emit keyWritten();
            return;
        }
        keepForSession(key, job->errorString());
    });
    job->start();
}

void SecretStore::keepForSession(const QString& key, const QString& why)
{
    qWarning() << "The API key is kept for this session only:" << why;
    m_sessionKey = key;
    m_sessionKeySet = true;
    emit keyWritten();
    if (!m_told && !key.isEmpty()) {
        m_told = true;
        emit unavailable(unavailableText());
    }
}
