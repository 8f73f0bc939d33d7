#pragma once

#include <QString>

// Where and how speech is turned into subtitles: the provider, its base address, the
// transcription model and how long one recognition may take. A plain value: load() reads the
// settings store, save() writes it back (each key announcing itself as every setting does).
// The API key is not here: it lives in the system's secret store.
class SpeechSettings final
{
public:
    enum class Provider
    {
        PictorbService = 0,      // submit the audio, then query the task until it is done
        OpenAiTranscription = 1, // POST {base}/v1/audio/transcriptions
    };

    static SpeechSettings load();
    void save() const;

    Provider provider() const { return m_provider; }
    void setProvider(Provider provider) { m_provider = provider; }

    // The chosen provider's address without a trailing slash: the one typed, otherwise the
    // default endpoint (compiled in, overridden by the environment). Empty: switched off.
    QString baseUrl() const;
    // The address typed for the chosen provider; empty text means the default endpoint.
    QString typedBaseUrl() const;
    void setBaseUrl(const QString& url);

    // The model named in transcription requests; never empty.
    QString model() const { return m_model; }
    void setModel(const QString& model);

    int timeoutSeconds() const { return m_timeoutSeconds; }
    // Clamped to 1 second .. 24 hours.
    void setTimeoutSeconds(int seconds);

    static QString defaultBaseUrl(Provider provider);
    // An absolute http or https address with a host; what the base URL fields accept.
    static bool isHttpUrl(const QString& url);

    static constexpr int kDefaultTimeoutSeconds = 10 * 60;
    static constexpr int kMaxTimeoutSeconds = 24 * 60 * 60;
    static const QString kDefaultModel;

private:
    Provider m_provider = Provider::PictorbService;
    QString m_serviceUrl;
    QString m_transcriptionUrl;
    QString m_model = kDefaultModel;
    int m_timeoutSeconds = kDefaultTimeoutSeconds;
};
