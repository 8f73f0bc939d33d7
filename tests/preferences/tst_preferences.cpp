// The Preferences dialog as a user fills it in the real window: each field acts at once on the
// panels and stores that show it, and a value that cannot be used is refused with its reason.

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "core/base/TranslateManager.h"
#include "core/speech/SpeechSettings.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/MetaTypes.h"
#include "gui/application/SecretStore.h"
#include "gui/editor/PlaybackBar.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/SaveFileBar.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preferences/PreferencesDialog.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/NormalButton.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace TestSupport;

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensFromTheMenuAndItsKey();
    void fieldsActAtOnce_data();
    void fieldsActAtOnce();
    void unusableValuesAreRefused_data();
    void unusableValuesAreRefused();

private:
    // Types into a field and presses Return.
    static void type(QLineEdit* field, const QString& text);
    QString shown(const QString& field) const;

    QTemporaryDir m_files;
    std::unique_ptr<MainWindow> m_window;
    PreferencesDialog* m_dialog = nullptr;
};

void TestPreferences::initTestCase()
{
    registerMetaTypes();
    // The key stays in this process: no test talks to the desktop's secret store.
    SecretStore::instance()->setSystemStoreEnabled(false);
}

void TestPreferences::init()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_Comma, Qt::ControlModifier);
    m_dialog = m_window->findChild<PreferencesDialog*>();
    QVERIFY(m_dialog);
    QVERIFY(m_dialog->isVisible());
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
}

void TestPreferences::cleanup()
{
    m_window->changeLangByType(TranslateManager::English);
    m_window.reset();
    SaveFileBar::setFolderChooser({});
}

void TestPreferences::type(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void TestPreferences::opensFromTheMenuAndItsKey()
{
    QStringList entries;
    for (const QAction* action : m_window->settingMenu()->actions())
        entries << (action->menu() ? action->menu()->title() : action->text());
    // Before the language, which it offers too.
    QCOMPARE(entries.indexOf("Preferences..."), entries.indexOf("Language") - 1);
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Preferences"));
    QStringList pages;
    for (int i = 0; i < m_dialog->pages()->count(); ++i)
        pages << m_dialog->pages()->tabText(i);
    QCOMPARE(pages, (QStringList{"Output", "Speech", "General"}));
    // A second Ctrl+, brings the same dialog forward.
    QTest::keyClick(m_window.get(), Qt::Key_Comma, Qt::ControlModifier);
    QCOMPARE(m_window->findChildren<PreferencesDialog*>().size(), 1);
}

// What the rest of the program shows for one field.
QString TestPreferences::shown(const QString& field) const
{
    const SpeechSettings speech = SpeechSettings::load();
    if (field.startsWith("folder"))
        return m_window->previewWidget()->folderEdit()->text();
    if (field == "format")
        return m_window->previewWidget()->formatBox()->currentText();
    if (field == "captures")
        return m_window->videoPlayWidget()->playbackBar()->subtitlesBox()->isChecked() ? "on"
                                                                                       : "off";
    if (field == "language")
        return m_window->titleBar()->buttons().at(0)->text() + " / " +
               Settings::instance()->value(AppConfig::kAppLang, -1).toString();
    if (field == "updates")
        return Settings::instance()->value(AppConfig::kCheckUpdatesAtStart, true).toString();
    if (field == "provider")
        return QString::number(int(speech.provider())) + " " + speech.baseUrl();
    if (field == "address")
        return speech.baseUrl();
    if (field == "model")
        return speech.model();
    if (field == "time-out")
        return QString::number(speech.timeoutSeconds());
    if (field == "key") {
        QString key;
        SecretStore::instance()->readApiKey(m_window.get(), [&key](const QString& k) { key = k; });
        QTest::qWait(0);
        // Never in the settings file.
        const QByteArray settings =
            readBytes(QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                AppConfig::kProductName, QString())
                          .fileName());
        return settings.contains(key.toUtf8()) ? QStringLiteral("in the settings") : key;
    }
    return QString();
}

void TestPreferences::fieldsActAtOnce_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    const QString folder = QDir::tempPath() + QStringLiteral("/made/for/sheets");
    QTest::newRow("folder typed, made when missing") << "folder" << folder << folder;
    QTest::newRow("folder browsed") << "folder browsed" << QDir::tempPath() << QDir::tempPath();
    QTest::newRow("format") << "format"
                            << "WEBP"
                            << "WEBP";
    QTest::newRow("captures with the subtitle") << "captures"
                                                << "on"
                                                << "on";
    QTest::newRow("language") << "language"
                              << "Deutsch"
                              << "Bild hinzufügen / 1";
    QTest::newRow("no update check at start") << "updates"
                                              << "off"
                                              << "false";
    QTest::newRow("transcription server")
        << "provider"
        << "1"
        << "1 " + SpeechSettings::defaultBaseUrl(SpeechSettings::Provider::OpenAiTranscription);
    QTest::newRow("address, its last slash dropped") << "address"
                                                     << "http://127.0.0.1:8000/"
                                                     << "http://127.0.0.1:8000";
    QTest::newRow("model") << "model"
                           << "large-v3"
                           << "large-v3";
    QTest::newRow("time-out in minutes") << "time-out"
                                         << "5"
                                         << "300";
    QTest::newRow("API key, in the secret store only") << "key"
                                                       << "sk-test-1234"
                                                       << "sk-test-1234";
}

void TestPreferences::fieldsActAtOnce()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QVERIFY(shown(field) != expected);
    PreferencesDialog* d = m_dialog;
    if (field == "folder") {
        type(d->folderField(), value);
        QVERIFY(QFileInfo(value).isDir());
    } else if (field == "folder browsed") {
        SaveFileBar::setFolderChooser(
            [&](QWidget*, const QString&, const QString&) { return value; });
        const auto buttons = d->findChildren<QPushButton*>();
        const auto browse = std::find_if(buttons.cbegin(), buttons.cend(), [](QPushButton* b) {
            return b->text() == QStringLiteral("Browse...");
        });
        QVERIFY(browse != buttons.cend());
        QTest::mouseClick(*browse, Qt::LeftButton);
    } else if (field == "format") {
        d->formatBox()->setCurrentText(value);
    } else if (field == "captures") {
        QTest::mouseClick(d->subtitlesBox(), Qt::LeftButton);
    } else if (field == "language") {
        d->languageBox()->setCurrentText(value);
    } else if (field == "updates") {
        QTest::mouseClick(d->updatesBox(), Qt::LeftButton);
    } else if (field == "provider") {
        d->providerBox()->setCurrentIndex(d->providerBox()->findData(value.toInt()));
        QVERIFY(d->modelField()->isEnabled());
    } else {
        d->pages()->setCurrentIndex(1);
        d->providerBox()->setCurrentIndex(
            d->providerBox()->findData(int(SpeechSettings::Provider::OpenAiTranscription)));
        if (field == "address")
            type(d->baseUrlField(), value);
        else if (field == "model")
            type(d->modelField(), value);
        else if (field == "time-out")
            d->timeoutBox()->setValue(value.toInt());
        else if (field == "key")
            type(d->apiKeyField(), value);
    }
    QCOMPARE(shown(field), expected);
    QVERIFY(d->outputMessage()->isHidden());
    QVERIFY(d->speechMessage()->isHidden());
}

void TestPreferences::unusableValuesAreRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    const QString file = QDir::tempPath() + QStringLiteral("/plain.txt");
    const QString cannot =
        QStringLiteral("Pictorb cannot write into \"%1\": choose a folder you can write to.");
    const QString notWeb = QStringLiteral(
        "\"%1\" is not a web address: it must start with http:// or https:// and name a host, "
        "as http://127.0.0.1:8000 does.");
    QTest::newRow("folder inside a file")
        << "folder" << file + "/inside" << cannot.arg(file + "/inside");
    QTest::newRow("folder not absolute") << "folder"
                                         << "sheets" << cannot.arg("sheets");
    QTest::newRow("no folder") << "folder"
                               << ""
                               << "Choose a folder for the exported pictures.";
    QTest::newRow("address of another protocol")
        << "address"
        << "ftp://127.0.0.1/" << notWeb.arg("ftp://127.0.0.1/");
    QTest::newRow("address without a scheme") << "address"
                                              << "localhost:8000" << notWeb.arg("localhost:8000");
    QTest::newRow("address without a host") << "address"
                                            << "http://" << notWeb.arg("http://");
    QTest::newRow("no model") << "model"
                              << "  "
                              << "Name the model the server runs, for example whisper-1.";
}

void TestPreferences::unusableValuesAreRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QVERIFY(writeBytes(QDir::tempPath() + QStringLiteral("/plain.txt"), "text"));
    PreferencesDialog* d = m_dialog;
    d->providerBox()->setCurrentIndex(
        d->providerBox()->findData(int(SpeechSettings::Provider::OpenAiTranscription)));
    const bool output = field == "folder";
    d->pages()->setCurrentIndex(output ? 0 : 1);
    QLabel* reason = output ? d->outputMessage() : d->speechMessage();
    QLineEdit* edit = output               ? d->folderField()
                      : field == "address" ? d->baseUrlField()
                                           : d->modelField();
    const QString before = shown(field);
    const QString folderBefore =
        Settings::instance()->value(AppConfig::kFileSavePath, QString()).toString();
    type(edit, value);
    QCOMPARE(reason->text(), message);
    QVERIFY(reason->isVisible());
    QCOMPARE(shown(field), before);
    QCOMPARE(Settings::instance()->value(AppConfig::kFileSavePath, QString()).toString(),
             folderBefore);
    // A usable value takes the reason away.
    const QString usable = output               ? QDir::tempPath()
                           : field == "address" ? QStringLiteral("https://speech.example")
                                                : QStringLiteral("whisper-1");
    type(edit, usable);
    QVERIFY(reason->isHidden());
    QCOMPARE(shown(field), usable);
}

PICTORB_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
