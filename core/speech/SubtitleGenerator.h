#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "core/speech/SpeechReply.h"
#include "core/speech/SpeechSettings.h"

class ProcessThread;
class SpeechClient;
class TranscriptionClient;

// Subtitles from the speech of the film of the caption store, in the store's recognition
// language: the sound track is extracted to the audio work file (ffmpeg), sent to the chosen
// provider, and the timed lines that come back become the captions and their script.
// Every run ends with exactly one of finished(), failed() or cancelled(). A failure keeps the
// audio, so retry() sends it again without extracting; a cancel, also at quit, stops the
// program or the request and leaves no work file of the run behind.
class SubtitleGenerator final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SubtitleGenerator)

public:
    enum class Stage
    {
        Idle,
        Extracting,
        Uploading,
        Recognising,
        Writing
    };
    Q_ENUM(Stage)

    explicit SubtitleGenerator(QObject* parent = nullptr);
    ~SubtitleGenerator() override;

    // durationMs: the film's length, which no recognised time may pass (0: unknown). False,
    // with nothing started, while a run is going on or no film is loaded.
    bool start(const SpeechSettings& settings, const QString& apiKey, qint64 durationMs);
    // The last run again with the audio it extracted (extracted anew when it is gone).
    bool retry();
    void cancel();

    bool isRunning() const { return m_stage != Stage::Idle; }
    Stage stage() const { return m_stage; }
    QString audioPath() const { return m_audio; }
    ProcessThread* extraction() const { return m_extraction; }

    static QString extractionFailedText();
    static QString notWrittenText();

signals:
    // percent: of the upload while Uploading, otherwise -1.
    void stageChanged(SubtitleGenerator::Stage stage, int percent);
    void finished(const QString& scriptPath, int lines, SpeechReply::Repairs repairs);
    void failed(const QString& reason);
    void cancelled();

private:
    bool run(bool extract);
    void abandon(bool waitForTheProgram);
    void setStage(Stage stage, int percent = -1);
    void extractionEnded();
    void send();
    void connectClient(SpeechClient* client);
    void write(const QByteArray& body);
    void fail(const QString& reason);
    SpeechClient* client() const;

    ProcessThread* m_extraction;
    TranscriptionClient* m_transcription;
    SpeechSettings m_settings;
    QString m_apiKey;
    QString m_language;
    QString m_audio;
    qint64 m_durationMs = 0;
    Stage m_stage = Stage::Idle;
    bool m_cancelling = false; // an extraction is being stopped; its audio goes when it ends
};
