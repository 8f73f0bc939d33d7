#pragma once

// What every test program shares: a sandbox for the user's folders, a log capture, picture
// makers, cards for the merge, catchers for what would be opened on the desktop, and a small
// HTTP server on loopback.

#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QTcpServer;
class QTcpSocket;
class ImageItem;

namespace TestSupport {

// Points HOME, the XDG folders and TMPDIR into `root` before the application object exists,
// so settings, logs, pictures and work files of a test never reach the real user's.
void isolateUserFolders(const QString& root);

// Collects every log line (from any thread) while alive; lines still reach the test log.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    bool contains(const QString& part) const;
    int count(const QString& part) const;
    QStringList lines() const;
};

// Pictures made by the tests themselves.
QImage solid(int width, int height, const QColor& color);
// Random pixels: compresses badly, so its files are large.
QImage noise(int width, int height, quint32 seed);
// Picture `tag`: red names the picture, green the row, blue the column, so every pixel of a
// merge tells where it came from.
QImage pattern(int tag, int width, int height);
bool writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);
// A PNG whose header announces the size and whose pixel data is a few stray bytes.
QByteArray pngHeaderOnly(quint32 width, quint32 height);
// Count of pixels whose channels all lie above `level` (caption text is light).
int lightPixels(const QImage& image, const QRect& area = QRect(), int level = 200);
// A film-like still (a soft gradient with grain, `seed` choosing it) with `text` burnt in as a
// player draws subtitles: white, outlined in black, centred near the bottom; `rows` receives
// the rows the text's pixels take. No text leaves the still bare.
QImage subtitledStill(const QSize& size, quint32 seed, const QString& text, QRect* rows = nullptr);

// A ticked card holding `picture` on a canvas of its own size, without a subtitle.
std::unique_ptr<ImageItem> card(const QImage& picture);
// Ticked cards listed for the merge as the strip lists them; cleared when it goes.
class Selection
{
public:
    ~Selection();
    ImageItem* add(const QImage& picture);
    ImageItem* at(int i) const { return m_cards.at(size_t(i)).get(); }

private:
    std::vector<std::unique_ptr<ImageItem>> m_cards;
};

// Takes over what the application would open on the desktop: addresses handed to the
// browser and files revealed in the file manager.
class DesktopCatcher : public QObject
{
    Q_OBJECT

public:
    DesktopCatcher();
    ~DesktopCatcher() override;
    QList<QUrl> urls;
    QStringList revealed;

public slots:
    void openUrl(const QUrl& url) { urls << url; }
};

// A request as the server read it off the wire.
struct HttpRequest
{
    QByteArray method;
    QByteArray path; // without the query
    QByteArray query;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    QByteArray header(const QByteArray& name) const;
    // A part of a multipart body by its name: the Content-Disposition filename and the body.
    QPair<QByteArray, QByteArray> part(const QByteArray& name) const;
};

struct HttpResponse
{
    enum Delivery
    {
        Whole,
        Trickle,      // one byte per 5 ms
        CloseMidBody, // headers and half the body, then the connection closes
        NeverAnswer,  // the connection stays open and silent
        Drop,         // the connection closes without a byte of answer
    };
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers; // Content-Length is added unless given
    Delivery delivery = Whole;

    static HttpResponse ok(const QByteArray& body) { return {200, body, {}, Whole}; }
};

// An HTTP/1.1 server on 127.0.0.1 with a free port, run by the creating thread's event loop.
// Answers come from per-path handlers (404 for others); every request is recorded.
class LoopbackServer : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<HttpResponse(const HttpRequest&)>;

    LoopbackServer();
    ~LoopbackServer() override;

    QString baseUrl() const;
    void setHandler(const QByteArray& path, Handler handler);
    // Answers in this order, one per request; the last one repeats.
    void setResponses(const QByteArray& path, const QList<HttpResponse>& responses);
    QList<HttpRequest> requests() const { return m_requests; }
    int requestCount(const QByteArray& path) const;
    bool waitForRequests(int count, int timeout = 5000) const;

private:
    void accept();
    void read(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const HttpResponse& response);

    QTcpServer* m_server;
    std::map<QTcpSocket*, QByteArray> m_buffers;
    QMap<QByteArray, Handler> m_handlers;
    QList<HttpRequest> m_requests;
};

} // namespace TestSupport

// The main of a test program: a sandbox, the application object, then the test.
#define PICTORB_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QTemporaryDir sandbox;                                                                     \
        TestSupport::isolateUserFolders(sandbox.path());                                           \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
