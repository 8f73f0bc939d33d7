#pragma once

#include <QPointer>

#include "core/speech/SpeechClient.h"

class QNetworkReply;

// Client of an OpenAI-compatible transcription server, as local Whisper servers and hosted
// APIs offer it: one multipart POST to {base}/v1/audio/transcriptions with the audio, the
// model, the language and response_format=verbose_json, answered with timed segments.
class TranscriptionClient final : public SpeechClient
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TranscriptionClient)

public:
    explicit TranscriptionClient(QObject* parent = nullptr);

    void start(const QString& audioPath, const QString& language, const SpeechSettings& settings,
               const QString& apiKey) override;
    void cancel() override;

    // The language as these servers name it: the ISO 639-1 code ("en" for "en-US"); Cantonese
    // ("yue") has none and is sent as it is.
    static QString languageCode(const QString& language);

private:
    void finished(QNetworkReply* reply);

    QPointer<QNetworkReply> m_reply;
};
