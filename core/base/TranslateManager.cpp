#include "core/base/TranslateManager.h"

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"

#include <QDebug>

namespace {

struct Language
{
    const char* code;
    const char* name; // in the language itself, UTF-8
};

// Indexed by LanguageType.
constexpr Language kLanguages[] = {
    {"en", "English"},  {"de", "Deutsch"},  {"es", "Español"},
    {"fr", "Français"}, {"it", "Italiano"}, {"pt", "Português"},
    {"cn", "简体中文"}, {"hk", "繁體中文"}, {"jp", "日本語"},
};
constexpr int kLanguageCount = int(sizeof(kLanguages) / sizeof(kLanguages[0]));

} // namespace

TranslateManager* TranslateManager::instance()
{
    static TranslateManager* manager = new TranslateManager;
    return manager;
}

// The tables are built at once so that menus built before the start-up choice list every
// language.
TranslateManager::TranslateManager()
{
    for (int type = 0; type < kLanguageCount; ++type) {
        m_qmFiles.insert(
            type, QStringLiteral(":/i18n/pictorb_%1.qm").arg(QLatin1String(kLanguages[type].code)));
        m_languageNames.insert(type, QString::fromUtf8(kLanguages[type].name));
    }
}

void TranslateManager::init(const QLocale& systemLocale)
{
    const int stored = Settings::instance()->value(AppConfig::kAppLang, -1).toInt();
    qDebug() << "Current system language: " << QLocale::languageToString(systemLocale.language())
             << systemLocale.name() << stored;
    if (stored >= 0) {
        m_currentLanguage = stored;
        return;
    }
    // Case-sensitive on purpose: zh_CN or ja_JP never match "cn" or "jp", and with no
    // match at all the interface stays English.
    m_currentLanguage = English;
    for (int type = 0; type < kLanguageCount; ++type) {
        const QString code = QLatin1String(kLanguages[type].code);
        if (systemLocale.name().contains(code, Qt::CaseSensitive)) {
            qDebug() << "short" << code << systemLocale.name();
            m_currentLanguage = type;
            return;
        }
    }
}

QString TranslateManager::shortName(int type)
{
    if (type < 0 || type >= kLanguageCount)
        return QStringLiteral("en");
    return QLatin1String(kLanguages[type].code);
}
