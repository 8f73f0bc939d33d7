#include "core/speech/SubtitleGenerator.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include "core/captions/CaptionManager.h"
#include "core/speech/HttpManager.h"
#include "core/speech/ProcessThread.h"
#include "core/speech/TranscriptionClient.h"

SubtitleGenerator::SubtitleGenerator(QObject* parent)
    : QObject(parent), m_extraction(new ProcessThread(this)),
      m_transcription(new TranscriptionClient(this))
{
    qRegisterMetaType<SubtitleGenerator::Stage>();
    qRegisterMetaType<SpeechReply::Repairs>();
    connect(m_extraction, &QThread::finished, this, &SubtitleGenerator::extractionEnded);
    connectClient(HttpManager::instance());
    connectClient(m_transcription);
    // A run still going at quit ends with the application: the program is killed, the request
    // dropped, the partial audio removed.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { abandon(true); });
}

SubtitleGenerator::~SubtitleGenerator()
{
    abandon(true);
}

QString SubtitleGenerator::extractionFailedText()
{
    return tr("The sound of the film could not be extracted");
}

QString SubtitleGenerator::notWrittenText()
{
    return tr("The subtitles could not be written");
}

void SubtitleGenerator::connectClient(SpeechClient* client)
{
    // HttpManager is shared: only the client of the run going on is listened to.
    const auto current = [this, client] { return isRunning() && client == this->client(); };
    connect(client, &SpeechClient::uploadProgress, this,
            [this, current](qint64 sent, qint64 total) {
                if (current() && m_stage == Stage::Uploading)
                    setStage(Stage::Uploading, int(sent * 100 / total));
            });
    connect(client, &SpeechClient::recognising, this, [this, current] {
        if (current() && m_stage == Stage::Uploading)
            setStage(Stage::Recognising);
    });
    connect(client, &SpeechClient::received, this, [this, current](const QByteArray& body) {
        if (current())
            write(body);
    });
    connect(client, &SpeechClient::failed, this, [this, current](const QString& reason) {
        if (current())
            fail(reason);
    });
}

SpeechClient* SubtitleGenerator::client() const
{
    if (m_settings.provider() == SpeechSettings::Provider::OpenAiTranscription)
        return m_transcription;
    return HttpManager::instance();
}

bool SubtitleGenerator::start(const SpeechSettings& settings, const QString& apiKey,
                              qint64 durationMs)
{
    if (isRunning() || m_extraction->isRunning())
        return false;
    m_settings = settings;
    m_apiKey = apiKey;
    m_durationMs = durationMs;
    return run(true);
}

bool SubtitleGenerator::retry()
{
    if (isRunning() || m_extraction->isRunning() || m_language.isEmpty())
        return false;
    return run(!QFileInfo(m_audio).isFile());
}

bool SubtitleGenerator::run(bool extract)
{
    CaptionManager* captions = CaptionManager::instance();
    m_language = captions->speechLanguage().code;
    m_audio = captions->getAudioFilePath();
    if (m_audio.isEmpty())
        return false;
    if (!extract) {
        send();
        return true;
    }
    if (!m_extraction->extractAudio(captions->videoFile().absoluteFilePath(), m_audio))
        return false;
    setStage(Stage::Extracting);
    return true;
}

void SubtitleGenerator::setStage(Stage stage, int percent)
{
    m_stage = stage;
    emit stageChanged(stage, percent);
}

void SubtitleGenerator::extractionEnded()
{
    if (m_cancelling) {
        m_cancelling = false;
        QFile::remove(m_audio);
        return;
    }
    if (m_stage != Stage::Extracting)
        return;
    // ffmpeg writes nothing for a film without sound, and leaves a short file when it fails.
    if (QFileInfo(m_audio).size() <= 0) {
        QFile::remove(m_audio);
        fail(extractionFailedText());
        return;
    }
    send();
}

void SubtitleGenerator::send()
{
    setStage(Stage::Uploading, 0);
    // A receiver of the stage may have cancelled already.
    if (isRunning())
        client()->start(m_audio, m_language, m_settings, m_apiKey);
}

void SubtitleGenerator::write(const QByteArray& body)
{
    setStage(Stage::Writing);
    const SpeechReply::Format format =
        m_settings.provider() == SpeechSettings::Provider::OpenAiTranscription
            ? SpeechReply::Format::Segments
            : SpeechReply::Format::Utterances;
    QList<SpeechLine> lines;
    SpeechReply::Repairs repairs;
    if (!SpeechReply::read(body, format, m_durationMs, &lines, &repairs)) {
        fail(SpeechClient::unusableResultText());
        return;
    }
    CaptionManager* captions = CaptionManager::instance();
    QString script;
    const QMetaObject::Connection written =
        connect(captions, &CaptionManager::captionsCreated, this,
                [&script](const QString& path) { script = path; });
    captions->createCaptions(SpeechReply::toResult(lines), true);
    disconnect(written);
    if (script.isEmpty()) {
        fail(notWrittenText());
        return;
    }
    m_stage = Stage::Idle;
    emit finished(script, int(lines.size()), repairs);
}

void SubtitleGenerator::fail(const QString& reason)
{
    qWarning() << "Subtitle generation failed:" << reason << "- the audio stays at" << m_audio;
    m_stage = Stage::Idle;
    emit failed(reason);
}

void SubtitleGenerator::cancel()
{
    abandon(false);
}

void SubtitleGenerator::abandon(bool waitForTheProgram)
{
    if (!isRunning())
        return;
    qDebug() << "Subtitle generation cancelled at" << m_stage;
    const Stage stage = m_stage;
    m_stage = Stage::Idle;
    if (stage == Stage::Extracting && m_extraction->isRunning()) {
        m_cancelling = true;
        m_extraction->stop();
        // At quit no event loop is left to report the end: it is waited for here.
        if (waitForTheProgram) {
            m_extraction->wait();
            extractionEnded();
        }
    } else {
        client()->cancel();
        QFile::remove(m_audio);
    }
    emit cancelled();
}
