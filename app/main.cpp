#include "core/base/AppConfig.h"
#include "core/base/InstanceChannel.h"
#include "core/base/InstanceGuard.h"
#include "core/base/ScreenManager.h"
#include "core/base/Settings.h"
#include "core/base/TranslateManager.h"
#include "core/update/DownloadManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/MetaTypes.h"
#include "gui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QFile>
#include <QIcon>
#include <QScreen>
#include <QSslSocket>

#include <cstdio>
#include <cstring>
#include <memory>

static QScreen* screenUnderCursor()
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    return screen ? screen : QGuiApplication::primaryScreen();
}

static QString applicationStyleSheet()
{
    QFile file(QStringLiteral(":/qss/application.qss"));
    QString css;
    if (file.open(QIODevice::ReadOnly))
        css = QString::fromUtf8(file.readAll());
    scaleStyleSheet(css);
    return css;
}

static const char kUsage[] =
    "Usage: pictorb [file...]\n"
    "Opens the pictures (JPG, PNG, WEBP, BMP, SVG) or the Pictorb project (.pictorb) named\n"
    "here in the window; when Pictorb runs already, its window takes them instead.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Displays help on commandline options.\n"
    "  -v, --version  Displays version information.\n";

// Answers --help and --version before anything starts, so packagers and scripts can ask
// without a display and without disturbing a running window. Returns false for other lines.
static bool printInformation(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--version") == 0 || std::strcmp(argument, "-v") == 0) {
            std::printf("pictorb %s\n", PICTORB_VERSION);
            return true;
        }
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            std::fputs(kUsage, stdout);
            return true;
        }
    }
    return false;
}

// The files named on the command line (a file manager's "Open with" passes them so).
static QStringList fileArguments(int argc, char* argv[])
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (!argument.startsWith(QLatin1Char('-')))
            files << argument;
    }
    return files;
}

int main(int argc, char* argv[])
{
    if (printInformation(argc, argv))
        return 0;
    const QStringList files = fileArguments(argc, argv);
    InstanceGuard guard(AppConfig::kProductName);
    if (!guard.acquire()) {
        // Pictorb runs already: its window comes to the front and takes the files instead.
        QCoreApplication app(argc, argv);
        return InstanceChannel::send(files) ? 0 : 1;
    }

    registerMetaTypes();
    QApplication app(argc, argv);
    // Lets the desktop match the window to its entry (launcher, task bar and Wayland icon).
    QGuiApplication::setDesktopFileName(AppConfig::kDesktopId);
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/images/pictorb.svg")));
    // Listening from the start: a later start's request waits in the socket until the window
    // is there to take it.
    InstanceChannel channel;
    channel.listen();

    GlobalManager::instance()->initLog();
    qDebug() << "sslLibraryBuildVersionString" << QSslSocket::sslLibraryBuildVersionString();
    qDebug() << "supportsSsl" << QSslSocket::supportsSsl();
    qDebug() << "sslLibraryVersionString" << QSslSocket::sslLibraryVersionString();

    ScreenManager::instance()->init(screenUnderCursor());
    TranslateManager::instance()->init();
    app.setStyleSheet(applicationStyleSheet());

    auto window = std::make_unique<MainWindow>();
    window->show();
    window->restoreSession(files);
    window->openFiles(files);
    QObject::connect(&channel, &InstanceChannel::activationRequested, window.get(),
                     [&window](const QStringList& later) {
                         window->bringToFront();
                         window->openFiles(later);
                     });
    if (Settings::instance()->value(AppConfig::kCheckUpdatesAtStart, true).toBool())
        DownloadManager::instance()->downloadLastVersion(QStringLiteral("start"), 5);

    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [&guard] { guard.release(); });
    return app.exec();
}
