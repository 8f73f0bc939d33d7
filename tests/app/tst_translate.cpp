#include "core/base/AppConfig.h"
#include "core/base/TranslateManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/mainwindow/MainWindow.h"

#include "TestHome.h"
#include "common/UrlCatcher.h"

#include <QSettings>
#include <QTranslator>
#include <QtTest>

namespace {

const char* const kContext = "MainWindow";
const char* const kSource = "View Log";

QString expectedText(int type)
{
    QTranslator reference;
    if (!reference.load(TranslateManager::instance()->qmFiles().value(type)))
        return QString::fromLatin1(kSource);
    const QString text = reference.translate(kContext, kSource);
    return text.isEmpty() ? QString::fromLatin1(kSource) : text;
}

QString shownText()
{
    return QCoreApplication::translate(kContext, kSource);
}

// Counts the language-change events the application receives: one per translator installed
// or removed.
class LanguageChangeCounter : public QObject
{
public:
    LanguageChangeCounter() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == qApp && event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

} // namespace

class TranslateTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void tablesListNineLanguages();
    void startLanguage_data();
    void startLanguage();
    void storedJapaneseStartsTheWindowInJapanese();
    void switchingKeepsOneTranslator();
};

void TranslateTest::init()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName, QString())
        .clear();
}

void TranslateTest::tablesListNineLanguages()
{
    const TranslateManager* languages = TranslateManager::instance();
    QCOMPARE(languages->qmFiles().size(), 9);
    QCOMPARE(languages->qmFiles().value(TranslateManager::Japanese),
             QStringLiteral(":/i18n/pictorb_jp.qm"));
    QCOMPARE(languages->languageNames().value(TranslateManager::German), QStringLiteral("Deutsch"));
    QCOMPARE(languages->languageNames().value(TranslateManager::ChineseTraditional),
             QString::fromUtf8("繁體中文"));
    const QStringList codes{"en", "de", "es", "fr", "it", "pt", "cn", "hk", "jp"};
    for (int type = 0; type < codes.size(); ++type) {
        QCOMPARE(TranslateManager::shortName(type), codes.at(type));
        // Every language is compiled in.
        QTranslator translator;
        QVERIFY2(translator.load(languages->qmFiles().value(type)), qPrintable(codes.at(type)));
    }
    QCOMPARE(TranslateManager::shortName(9), QStringLiteral("en"));
    QCOMPARE(TranslateManager::shortName(-1), QStringLiteral("en"));
}

void TranslateTest::startLanguage_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("expected");
    const QVariant unset;
    QTest::newRow("fr_FR") << unset << "fr_FR" << int(TranslateManager::French);
    QTest::newRow("en_GB") << unset << "en_GB" << int(TranslateManager::English);
    QTest::newRow("de_AT") << unset << "de_AT" << int(TranslateManager::German);
    QTest::newRow("pt_BR") << unset << "pt_BR" << int(TranslateManager::Portuguese);
    QTest::newRow("es_US") << unset << "es_US" << int(TranslateManager::Spanish);
    QTest::newRow("unmatched ru_RU") << unset << "ru_RU" << int(TranslateManager::English);
    QTest::newRow("zh_CN needs the menu") << unset << "zh_CN" << int(TranslateManager::English);
    QTest::newRow("ja_JP needs the menu") << unset << "ja_JP" << int(TranslateManager::English);
    QTest::newRow("stored 8 beats the locale") << QVariant(8) << "de_DE" << 8;
    QTest::newRow("stored 0 beats the locale") << QVariant(0) << "fr_FR" << 0;
    QTest::newRow("stored out of range is kept") << QVariant(12) << "fr_FR" << 12;
}

void TranslateTest::startLanguage()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, locale);
    QFETCH(int, expected);
    if (stored.isValid())
        GlobalManager::instance()->setSetting(AppConfig::kAppLang, stored);
    // Whatever ran before must not leak into the choice.
    TranslateManager::instance()->setCurrentLanguage(TranslateManager::Italian);
    TranslateManager::instance()->init(QLocale(locale));
    QCOMPARE(TranslateManager::instance()->currentLanguage(), expected);
}

void TranslateTest::storedJapaneseStartsTheWindowInJapanese()
{
    GlobalManager::instance()->setSetting(AppConfig::kAppLang, int(TranslateManager::Japanese));
    TranslateManager::instance()->init(QLocale(QStringLiteral("fr_FR")));
    UrlCatcher welcomePage;
    MainWindow window;
    QVERIFY(expectedText(TranslateManager::Japanese) != QLatin1String(kSource));
    QCOMPARE(shownText(), expectedText(TranslateManager::Japanese));
    QCOMPARE(TranslateManager::instance()->currentLanguage(), int(TranslateManager::Japanese));
}

void TranslateTest::switchingKeepsOneTranslator()
{
    TranslateManager::instance()->init(QLocale(QStringLiteral("de_DE")));
    UrlCatcher welcomePage;
    MainWindow window;
    QCOMPARE(shownText(), expectedText(TranslateManager::German));

    LanguageChangeCounter changes;
    QSignalSpy announced(TranslateManager::instance(), &TranslateManager::changeTranslate);
    window.changeLangByType(TranslateManager::Italian);
    // German out, Italian in.
    QCOMPARE(changes.count, 2);
    QCOMPARE(shownText(), expectedText(TranslateManager::Italian));
    window.changeLangByType(TranslateManager::Italian);
    QCOMPARE(changes.count, 4);
    QCOMPARE(shownText(), expectedText(TranslateManager::Italian));
    QCOMPARE(announced.count(), 2);
    QCOMPARE(announced.last().first().toInt(), int(TranslateManager::Italian));

    // A type without a translation removes the last one: nothing stale is left installed.
    window.changeLangByType(42);
    QCOMPARE(changes.count, 5);
    QCOMPARE(shownText(), QString::fromLatin1(kSource));
    QCOMPARE(TranslateManager::instance()->currentLanguage(), 42);

    window.changeLangByType(TranslateManager::French);
    QCOMPARE(shownText(), expectedText(TranslateManager::French));
}

PICTORB_ISOLATED_TEST_MAIN(TranslateTest)
#include "tst_translate.moc"
