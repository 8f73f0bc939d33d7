#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

// The persistent settings: the platform's per-user store under the organisation "Pictorb",
// with every key in the organisation-wide section. Reading is safe from any thread (each call
// opens its own store); writes happen on the GUI thread and announce themselves.
class Settings final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Settings)

public:
    static Settings* instance();

    QVariant value(const QString& key, const QVariant& defaultValue) const;
    // Emits changed(key) for every write, also when the value stays the same.
    void setValue(const QString& key, const QVariant& value);

    // The output format as the format boxes show it: the stored one when the boxes offer it,
    // otherwise the default, so what a box shows is always what an export writes.
    static QString exportFormat();

signals:
    void changed(const QString& key);

private:
    Settings() = default;
};
