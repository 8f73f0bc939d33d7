#include "common/UrlCatcher.h"
#include "core/base/AppConfig.h"
#include "core/base/PlatformShell.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/update/CheckUpdateDialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void welcomePageOpensOnlyOnFirstStart();
    void firstStartStoresDefaultFolders();
    void importsChosenFilesInOrder();
    void cancelledImportChangesNothing();
    void longImportKeepsOrderAndSignals();
    void settingsMenuListsEntriesInOrder();
    void languageChoiceRetranslatesAndIsStored();
    void startupUpdateAnswer_data();
    void startupUpdateAnswer();
    void viewLogRevealsThisRunsLogFile();

private:
    QString writePicture(const QString& name, int width, int height);
    static void clearSettings();

    QTemporaryDir m_files;
};

void MainWindowTest::clearSettings()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName, QString())
        .clear();
}

void MainWindowTest::init()
{
    clearSettings();
    qputenv("PICTORB_SITE_URL", "http://127.0.0.1:9");
}

void MainWindowTest::cleanup()
{
    MainWindow::setFileChooser({});
    PlatformShell::setRevealHandler({});
}

QString MainWindowTest::writePicture(const QString& name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = m_files.filePath(name);
    image.save(path);
    return path;
}

void MainWindowTest::welcomePageOpensOnlyOnFirstStart()
{
    UrlCatcher catcher;
    {
        MainWindow first;
    }
    {
        MainWindow second;
    }
    QCOMPARE(catcher.urls().size(), 1);
    QCOMPARE(catcher.urls().first().toString(),
             QStringLiteral("http://127.0.0.1:9/thankyou/install-pictorb-successful-for-windows/"));
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kFirstOpenApp, false).toBool(), true);
}

void MainWindowTest::firstStartStoresDefaultFolders()
{
    UrlCatcher catcher;
    MainWindow window;
    const QString pictures =
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Pictorb";
    GlobalManager* manager = GlobalManager::instance();
    QCOMPARE(manager->getSetting(AppConfig::kFileSavePath, QString()).toString(), pictures);
    QVERIFY(QDir(pictures).exists());
    QCOMPARE(manager->getSetting(AppConfig::kOpenFilePath, QString()).toString(),
             QStandardPaths::writableLocation(QStandardPaths::MoviesLocation));
}

void MainWindowTest::importsChosenFilesInOrder()
{
    UrlCatcher catcher;
    const QStringList files = {writePicture("one.png", 64, 36), writePicture("two.png", 32, 32),
                               writePicture("three.png", 20, 40)};
    QString seenFilter;
    MainWindow::setFileChooser(
        [&](QWidget*, const QString&, const QString&, const QString& filter) {
            seenFilter = filter;
            return files;
        });
    MainWindow window;
    window.openImageFiles();

    QCOMPARE(seenFilter, QStringLiteral("Image Files  (*.jpg *.png *.jpeg *.svg *.bmp *.webp)"));
    QTRY_VERIFY(!window.imagesWidget()->isImporting());
    const QList<ImageItem*> cards = window.imagesWidget()->cards();
    QCOMPARE(cards.size(), 3);
    // Every card takes the canvas of the first picture; the sources keep their own sizes.
    for (ImageItem* card : cards)
        QCOMPARE(card->canvasSize(), QSize(64, 36));
    QCOMPARE(cards.at(1)->sourceImage().size(), QSize(32, 32));
    QCOMPARE(cards.at(2)->sourceImage().size(), QSize(20, 40));
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kOpenFilePath, QString()).toString(),
             files.last());
    QCOMPARE(GlobalManager::instance()->selectedItems().size(), 3);
}

// Decoding runs on worker threads, where small files finish before large ones; the cards
// must still arrive in the chosen order, each with the signals of a single import, while
// the window keeps handling events.
void MainWindowTest::longImportKeepsOrderAndSignals()
{
    UrlCatcher catcher;
    QStringList files;
    for (int i = 0; i < 24; ++i) {
        const int width = i % 3 == 0 ? 1600 : 40 + i;
        files << writePicture(QStringLiteral("still %1.png").arg(i), width, width / 2);
    }
    MainWindow::setFileChooser(
        [&](QWidget*, const QString&, const QString&, const QString&) { return files; });
    MainWindow window;
    QList<ImageItem*> selected;
    connect(window.imagesWidget(), &ImagesWidget::selectImageItemSignal, this,
            [&](ImageItem* item) { selected << item; });
    QStringList remembered;
    // The window is the context: the connection must end with this test's locals.
    connect(GlobalManager::instance(), &GlobalManager::globalEvent, &window,
            [&](const QString& name, const QVariant& key) {
                if (name == AppConfig::kEventSettingChange && key == AppConfig::kOpenFilePath)
                    remembered << GlobalManager::instance()
                                      ->getSetting(AppConfig::kOpenFilePath, QString())
                                      .toString();
            });
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
    ticker.start(1);

    window.openImageFiles();
    QVERIFY(window.imagesWidget()->isImporting());
    QTRY_VERIFY_WITH_TIMEOUT(!window.imagesWidget()->isImporting(), 20000);

    const QList<ImageItem*> cards = window.imagesWidget()->cards();
    QCOMPARE(cards.size(), files.size());
    QCOMPARE(selected, cards);
    QCOMPARE(remembered, files);
    for (int i = 0; i < cards.size(); ++i) {
        const int width = i % 3 == 0 ? 1600 : 40 + i;
        QCOMPARE(cards.at(i)->sourceImage().width(), width);
    }
    QVERIFY(ticks > 0);
    // The preview caught up once the last card was in.
    QCOMPARE(GlobalManager::instance()->selectedItems().size(), files.size());
    QVERIFY(!window.previewWidget()->mergedImage().isNull());
    QCOMPARE(window.previewWidget()->mergedImage().width(), 1600);
}

void MainWindowTest::cancelledImportChangesNothing()
{
    UrlCatcher catcher;
    MainWindow::setFileChooser(
        [](QWidget*, const QString&, const QString&, const QString&) { return QStringList(); });
    MainWindow window;
    const QString before =
        GlobalManager::instance()->getSetting(AppConfig::kOpenFilePath, QString()).toString();
    window.openImageFiles();
    QVERIFY(window.imagesWidget()->cards().isEmpty());
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kOpenFilePath, QString()).toString(),
             before);
}

void MainWindowTest::settingsMenuListsEntriesInOrder()
{
    UrlCatcher catcher;
    MainWindow window;
    QStringList texts;
    QList<int> types;
    for (QAction* action : window.settingMenu()->actions()) {
        texts << action->text();
        types << action->property("type").toInt();
    }
    QCOMPARE(texts, QStringList({"Language", "Support", "User Guide", "View Log",
                                 "Check for Updates", "About"}));
    QCOMPARE(types.mid(1), QList<int>({2, 5, 7, 8, 9}));
    QCOMPARE(window.languageMenu()->actions().size(), 9);
    QCOMPARE(window.languageMenu()->actions().at(8)->text(), QStringLiteral("日本語"));
}

void MainWindowTest::languageChoiceRetranslatesAndIsStored()
{
    UrlCatcher catcher;
    MainWindow window;
    QAction* german = window.languageMenu()->actions().at(1);
    german->trigger();
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kAppLang, -1).toInt(), 1);
    // Language names stay in their own language whatever the interface language.
    QCOMPARE(window.languageMenu()->actions().at(0)->text(), QStringLiteral("English"));
    window.languageMenu()->actions().at(0)->trigger();
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kAppLang, -1).toInt(), 0);
    QCOMPARE(window.settingMenu()->actions().at(1)->text(), QStringLiteral("Support"));
}

void MainWindowTest::startupUpdateAnswer_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("manifest");
    QTest::addColumn<bool>("dialogShown");

    const QByteArray newer = R"({"win":{"version":"1.0.1","url":"https://example.test/"}})";
    QTest::newRow("newer version at start-up")
        << int(DownloadManager::Finished) << "http://127.0.0.1/u.json,start" << newer << true;
    QTest::newRow("same version") << int(DownloadManager::Finished)
                                  << "http://127.0.0.1/u.json,start"
                                  << QByteArray(R"({"win":{"version":"1.0.0"}})") << false;
    QTest::newRow("older version")
        << int(DownloadManager::Finished) << "http://127.0.0.1/u.json,start"
        << QByteArray(R"({"win":{"version":"0.9"}})") << false;
    QTest::newRow("manual check is answered by its own dialog")
        << int(DownloadManager::Finished) << "http://127.0.0.1/u.json," << newer << false;
    QTest::newRow("not finished") << int(DownloadManager::Start) << "http://127.0.0.1/u.json,start"
                                  << newer << false;
    QTest::newRow("not json") << int(DownloadManager::Finished) << "http://127.0.0.1/u.json,start"
                              << QByteArray("<html>") << false;
}

void MainWindowTest::startupUpdateAnswer()
{
    QFETCH(int, state);
    QFETCH(QString, message);
    QFETCH(QByteArray, manifest);
    QFETCH(bool, dialogShown);

    UrlCatcher catcher;
    MainWindow window;
    window.downloadLastVersionStatus(DownloadManager::DownloadState(state), message, manifest);
    const QList<CheckUpdateDialog*> dialogs = window.findChildren<CheckUpdateDialog*>();
    QCOMPARE(!dialogs.isEmpty(), dialogShown);
    if (dialogShown) {
        QVERIFY(dialogs.first()->isVisible());
        QVERIFY(dialogs.first()->isModal());
    }
}

void MainWindowTest::viewLogRevealsThisRunsLogFile()
{
    UrlCatcher catcher;
    QStringList revealed;
    PlatformShell::setRevealHandler([&](const QStringList& paths) { revealed = paths; });
    MainWindow window;
    QAction* viewLog = window.settingMenu()->actions().at(3);
    QCOMPARE(viewLog->property("type").toInt(), 7);
    viewLog->trigger();
    QCOMPARE(revealed, QStringList{GlobalManager::instance()->logFilePath()});
}

int main(int argc, char* argv[])
{
    // Settings, pictures and logs of this run stay inside a throw-away folder.
    QTemporaryDir sandbox;
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, (sandbox.path() + "/" + variable).toLocal8Bit());
    QApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
