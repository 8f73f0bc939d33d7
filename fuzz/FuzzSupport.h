#pragma once

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Shared by the fuzz targets: the application object every target needs is made once, on the
// offscreen platform, and the product's log lines are dropped so millions of runs stay fast.
namespace fuzz {

inline void dropMessage(QtMsgType, const QMessageLogContext&, const QString&)
{
}

template <typename Application> void startApplication(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropMessage);
    // Lives for the whole process: libFuzzer ends it with exit(), never back through main.
    static Application* application = new Application(*argc, *argv);
    Q_UNUSED(application)
}

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

inline QString text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
}

} // namespace fuzz
