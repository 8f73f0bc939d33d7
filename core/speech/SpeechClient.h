#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class SpeechSettings;

// One way of turning an audio file into timed lines over HTTP. start() sends the audio; the
// client then reports the upload's progress, recognising() once the audio is sent, and ends
// with exactly one of received() (the body holding the lines) or failed() (a sentence for the
// user), unless cancel() came first, after which it reports nothing more.
class SpeechClient : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpeechClient)

public:
    explicit SpeechClient(QObject* parent = nullptr);

    virtual void start(const QString& audioPath, const QString& language,
                       const SpeechSettings& settings, const QString& apiKey) = 0;
    virtual void cancel() = 0;

    // Answers larger than this are abandoned rather than buffered: an hour of speech is well
    // under a mebibyte of lines.
    static constexpr qint64 kMaxResponseBytes = 50 * 1024 * 1024;

    static QString noAnswerText();
    static QString unusableResultText();

signals:
    void uploadProgress(qint64 sent, qint64 total);
    void recognising();
    void received(QByteArray body);
    void failed(QString reason);

protected:
    QNetworkAccessManager* network() const { return m_network; }
    // Bounds a reply in time (silent for `timeoutMs`, or its answer not complete that long after
    // the request went out) and in size (kMaxResponseBytes); either way it is aborted.
    static void limitResponse(QNetworkReply* reply, int timeoutMs);
    // The body, or nothing when the reply was abandoned for its size.
    static QByteArray readBody(QNetworkReply* reply);
    static bool wasTooLarge(QNetworkReply* reply);
    // The file part of a multipart upload named `file`, carrying only the file's name.
    static QByteArray contentDisposition(const QString& fileName);

private:
    QNetworkAccessManager* m_network;
};
