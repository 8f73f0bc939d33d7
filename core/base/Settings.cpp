#include "core/base/Settings.h"

#include "core/base/AppConfig.h"

#include <QSettings>

Settings* Settings::instance()
{
    static Settings* settings = new Settings;
    return settings;
}

QVariant Settings::value(const QString& key, const QVariant& defaultValue) const
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName,
                          QString());
    return store.value(key, defaultValue);
}

void Settings::setValue(const QString& key, const QVariant& value)
{
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName,
                        QString());
        store.setValue(key, value);
    }
    emit changed(key);
}

QString Settings::exportFormat()
{
    const QString stored =
        instance()->value(AppConfig::kFileExtension, AppConfig::kDefaultExportFormat).toString();
    return AppConfig::kExportFormats.contains(stored) ? stored : AppConfig::kDefaultExportFormat;
}
