#include "common/UrlCatcher.h"

#include <QDesktopServices>
#include <QString>

UrlCatcher::UrlCatcher(const QStringList& extraSchemes, QObject* parent)
    : QObject(parent), m_schemes(QStringList{QStringLiteral("http"), QStringLiteral("https"),
                                             QStringLiteral("file")} +
                                 extraSchemes)
{
    for (const QString& scheme : qAsConst(m_schemes))
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
}

UrlCatcher::~UrlCatcher()
{
    for (const QString& scheme : qAsConst(m_schemes))
        QDesktopServices::unsetUrlHandler(scheme);
}

void UrlCatcher::openUrl(const QUrl& url)
{
    m_urls.append(url);
    emit urlOpened(url);
}
