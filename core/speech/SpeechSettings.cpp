#include "core/speech/SpeechSettings.h"

#include <algorithm>

#include <QUrl>

#include "core/base/AppConfig.h"
#include "core/base/Endpoints.h"
#include "core/base/Settings.h"

const QString SpeechSettings::kDefaultModel = QStringLiteral("whisper-1");

namespace {

QString withoutTrailingSlash(QString url)
{
    url = url.trimmed();
    while (url.endsWith(QLatin1Char('/')))
        url.chop(1);
    return url;
}

} // namespace

SpeechSettings SpeechSettings::load()
{
    const Settings* store = Settings::instance();
    SpeechSettings settings;
    const int provider = store->value(AppConfig::kSpeechProvider, 0).toInt();
    settings.m_provider = provider == int(Provider::OpenAiTranscription)
                              ? Provider::OpenAiTranscription
                              : Provider::PictorbService;
    settings.m_serviceUrl =
        withoutTrailingSlash(store->value(AppConfig::kSpeechServiceUrl, QString()).toString());
    settings.m_transcriptionUrl =
        withoutTrailingSlash(store->value(AppConfig::kTranscriptionUrl, QString()).toString());
    settings.setModel(store->value(AppConfig::kTranscriptionModel, kDefaultModel).toString());
    settings.setTimeoutSeconds(
        store->value(AppConfig::kSpeechTimeout, kDefaultTimeoutSeconds).toInt());
    return settings;
}

void SpeechSettings::save() const
{
    Settings* store = Settings::instance();
    store->setValue(AppConfig::kSpeechProvider, int(m_provider));
    store->setValue(AppConfig::kSpeechServiceUrl, m_serviceUrl);
    store->setValue(AppConfig::kTranscriptionUrl, m_transcriptionUrl);
    store->setValue(AppConfig::kTranscriptionModel, m_model);
    store->setValue(AppConfig::kSpeechTimeout, m_timeoutSeconds);
}

QString SpeechSettings::baseUrl() const
{
    const QString typed = typedBaseUrl();
    return typed.isEmpty() ? defaultBaseUrl(m_provider) : typed;
}

QString SpeechSettings::typedBaseUrl() const
{
    return m_provider == Provider::PictorbService ? m_serviceUrl : m_transcriptionUrl;
}

void SpeechSettings::setBaseUrl(const QString& url)
{
    (m_provider == Provider::PictorbService ? m_serviceUrl : m_transcriptionUrl) =
        withoutTrailingSlash(url);
}

void SpeechSettings::setModel(const QString& model)
{
    m_model = model.trimmed().isEmpty() ? kDefaultModel : model.trimmed();
}

void SpeechSettings::setTimeoutSeconds(int seconds)
{
    m_timeoutSeconds = std::clamp(seconds, 1, kMaxTimeoutSeconds);
}

QString SpeechSettings::defaultBaseUrl(Provider provider)
{
    return provider == Provider::PictorbService ? Endpoints::speechUrl()
                                                : Endpoints::transcriptionUrl();
}

bool SpeechSettings::isHttpUrl(const QString& url)
{
    const QUrl parsed(url.trimmed(), QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    return parsed.isValid() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !parsed.host().isEmpty();
}
