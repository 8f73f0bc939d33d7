#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Takes over the desktop's URL opening for "http", "https", "file" and any further schemes
// named while it lives, so a test sees every address the application would hand to the
// browser or file manager and nothing is ever opened for real.
class UrlCatcher final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UrlCatcher)

public:
    explicit UrlCatcher(const QStringList& extraSchemes = {}, QObject* parent = nullptr);
    ~UrlCatcher() override;

    QList<QUrl> urls() const { return m_urls; }
    void clear() { m_urls.clear(); }

public slots:
    void openUrl(const QUrl& url);

signals:
    void urlOpened(const QUrl& url);

private:
    QStringList m_schemes;
    QList<QUrl> m_urls;
};
