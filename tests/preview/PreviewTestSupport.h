#pragma once

#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"

#include <QApplication>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace PreviewTest {

// Points HOME and the XDG folders at a fresh temporary folder before the application object
// exists, so settings, pictures and logs of the real user are never touched.
class Sandbox
{
public:
    Sandbox()
    {
        const QByteArray root = m_dir.path().toLocal8Bit();
        qputenv("HOME", root + "/home");
        qputenv("XDG_CONFIG_HOME", root + "/config");
        qputenv("XDG_DATA_HOME", root + "/data");
        qputenv("XDG_CACHE_HOME", root + "/cache");
    }

private:
    QTemporaryDir m_dir;
};

// Picture `tag` of width × height: red names the picture, green the row, blue the column.
inline QImage pattern(int tag, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(10 + 20 * tag, y % 251, x % 241);
    }
    return image;
}

// A card holding `picture` on a canvas of its own size, without a subtitle.
inline std::unique_ptr<ImageItem> card(const QImage& picture)
{
    auto item = std::make_unique<ImageItem>();
    item->setCanvasSize(picture.width(), picture.height());
    item->setImage(picture);
    item->setCaption(std::make_shared<ImageCaption>());
    item->setChecked(true);
    return item;
}

// Ticked cards as the strip would list them for the merge.
class Selection
{
public:
    void add(const QImage& picture)
    {
        m_cards.push_back(card(picture));
        GlobalManager::instance()->selectedItems().append(m_cards.back().get());
    }
    ImageItem* at(int i) const { return m_cards.at(size_t(i)).get(); }
    ~Selection() { GlobalManager::instance()->selectedItems().clear(); }

private:
    std::vector<std::unique_ptr<ImageItem>> m_cards;
};

// Counts the log lines that contain a text while alive; lines still reach the test log.
class LogCounter
{
public:
    explicit LogCounter(const QString& part)
    {
        part_() = part;
        count_() = 0;
        m_previous = qInstallMessageHandler(&LogCounter::handle);
        previous_() = m_previous;
    }
    ~LogCounter() { qInstallMessageHandler(m_previous); }
    int count() const { return count_(); }
    void reset() { count_() = 0; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (message.contains(part_()))
            ++count_();
        if (previous_())
            previous_()(type, context, message);
    }
    static QString& part_()
    {
        static QString part;
        return part;
    }
    static int& count_()
    {
        static int count = 0;
        return count;
    }
    static QtMessageHandler& previous_()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    QtMessageHandler m_previous;
};

} // namespace PreviewTest

#define PREVIEW_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        PreviewTest::Sandbox sandbox;                                                              \
        QApplication app(argc, argv);                                                              \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
