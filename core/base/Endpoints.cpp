#include "core/base/Endpoints.h"

#include <QByteArray>

QString Endpoints::siteUrl()
{
    return configured("PICTORB_SITE_URL", QStringLiteral("https://www.quellony.com"));
}

QString Endpoints::updateUrl()
{
    return configured("PICTORB_UPDATE_URL", QStringLiteral("https://www.quellony.com"));
}

QString Endpoints::speechUrl()
{
    return configured("PICTORB_SPEECH_URL", QStringLiteral("https://speech.quellony.com"));
}

QString Endpoints::transcriptionUrl()
{
    return configured("PICTORB_TRANSCRIPTION_URL", QStringLiteral("https://api.openai.com"));
}

QString Endpoints::sitePage(const QString& path)
{
    const QString site = siteUrl();
    return site.isEmpty() ? QString() : site + path;
}

QString Endpoints::configured(const char* variable, const QString& fallback)
{
    // A variable that is set but empty deliberately disables the endpoint.
    if (!qEnvironmentVariableIsSet(variable))
        return fallback;
    QString value = qEnvironmentVariable(variable).trimmed();
    while (value.endsWith(QLatin1Char('/')))
        value.chop(1);
    return value;
}
