#include "TestHome.h"

#include "core/base/AppConfig.h"
#include "gui/application/GlobalManager.h"

#include <QSignalSpy>

class TestGlobalManager : public QObject
{
    Q_OBJECT

private slots:
    void eventsReachReceiversInConnectionOrder();
    void eventNamesMatchExactly();
    void settingsFallBackToDefault();
    void settingWriteAnnouncesKey();
    void unchangedSettingStillAnnounced();
    void nullTempValueReadsAsDefault();
    void formatTime_data();
    void formatTime();
};

void TestGlobalManager::eventsReachReceiversInConnectionOrder()
{
    GlobalManager* manager = GlobalManager::instance();
    QObject context;
    QStringList order;
    for (const QString& who :
         {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")}) {
        connect(manager, &GlobalManager::globalEvent, &context,
                [&order, who](const QString& name, const QVariant& value) {
                    order << who + QLatin1Char(':') + name + QLatin1Char('=') + value.toString();
                });
    }
    manager->sendGlobalEvent(QStringLiteral("time_pos"), 42);
    // Synchronous delivery: every receiver has run before the call returns.
    QCOMPARE(order,
             QStringList({QStringLiteral("first:time_pos=42"), QStringLiteral("second:time_pos=42"),
                          QStringLiteral("third:time_pos=42")}));
}

void TestGlobalManager::eventNamesMatchExactly()
{
    GlobalManager* manager = GlobalManager::instance();
    QObject context;
    int hits = 0;
    connect(manager, &GlobalManager::globalEvent, &context, [&hits](const QString& name) {
        if (name == AppConfig::kEventCaptureImage)
            ++hits;
    });
    QSignalSpy spy(manager, &GlobalManager::globalEvent);
    manager->sendGlobalEvent(QStringLiteral("Capture_Image"), QVariant());
    manager->sendGlobalEvent(QStringLiteral("capture_image "), QVariant());
    QCOMPARE(hits, 0);
    manager->sendGlobalEvent(QStringLiteral("capture_image"), QVariant());
    QCOMPARE(hits, 1);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Capture_Image"));
}

void TestGlobalManager::settingsFallBackToDefault()
{
    GlobalManager* manager = GlobalManager::instance();
    QCOMPARE(manager->getSetting(QStringLiteral("never_written_key"), 7).toInt(), 7);
    QCOMPARE(manager->getSetting(AppConfig::kFileExtension, QStringLiteral("png")).toString(),
             QStringLiteral("png"));
    manager->setSetting(AppConfig::kFileExtension, QStringLiteral("jpg"));
    QCOMPARE(manager->getSetting(AppConfig::kFileExtension, QStringLiteral("png")).toString(),
             QStringLiteral("jpg"));
    // The value lives in the isolated user's configuration folder.
    const QString conf = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    QVERIFY(QFileInfo::exists(conf + QStringLiteral("/Pictorb.conf")));
}

void TestGlobalManager::settingWriteAnnouncesKey()
{
    GlobalManager* manager = GlobalManager::instance();
    QObject context;
    QVariant seenWhileAnnounced;
    connect(manager, &GlobalManager::globalEvent, &context,
            [&](const QString& name, const QVariant& value) {
                if (name == AppConfig::kEventSettingChange)
                    seenWhileAnnounced = manager->getSetting(value.toString(), QVariant());
            });
    QSignalSpy spy(manager, &GlobalManager::globalEvent);
    manager->setSetting(AppConfig::kRadioType, 3);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("setting_change"));
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("radio_type"));
    // Listeners read the new value while the announcement is delivered.
    QCOMPARE(seenWhileAnnounced.toInt(), 3);
}

void TestGlobalManager::unchangedSettingStillAnnounced()
{
    GlobalManager* manager = GlobalManager::instance();
    manager->setSetting(AppConfig::kPlayerVolume, 55);
    QSignalSpy spy(manager, &GlobalManager::globalEvent);
    manager->setSetting(AppConfig::kPlayerVolume, 55);
    manager->setSetting(AppConfig::kPlayerVolume, 55);
    QCOMPARE(spy.count(), 2);
    for (const QList<QVariant>& args : spy) {
        QCOMPARE(args.at(0).toString(), AppConfig::kEventSettingChange);
        QCOMPARE(args.at(1).toString(), AppConfig::kPlayerVolume);
    }
}

void TestGlobalManager::nullTempValueReadsAsDefault()
{
    GlobalManager* manager = GlobalManager::instance();
    QCOMPARE(manager->getTempValue(QStringLiteral("property_scale0"), 1.5).toDouble(), 1.5);
    manager->setTempValue(QStringLiteral("property_scale0"), 2.0);
    QCOMPARE(manager->getTempValue(QStringLiteral("property_scale0"), 1.5).toDouble(), 2.0);
    manager->setTempValue(QStringLiteral("property_scale0"), QVariant());
    QCOMPARE(manager->getTempValue(QStringLiteral("property_scale0"), 1.5).toDouble(), 1.5);
    // A zero is a real value, not a missing one.
    manager->setTempValue(QStringLiteral("property_width0"), 0);
    QCOMPARE(manager->getTempValue(QStringLiteral("property_width0"), 640).toInt(), 0);
}

void TestGlobalManager::formatTime_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "00:00:00";
    QTest::newRow("fraction truncated") << 3725.9 << "01:02:05";
    QTest::newRow("just under a minute") << 59.999 << "00:00:59";
    QTest::newRow("last second of a day") << 86399.0 << "23:59:59";
    QTest::newRow("a full day wraps") << 86400.0 << "00:00:00";
    QTest::newRow("a day and a bit") << 86461.0 << "00:01:01";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "00:00:00";
}

void TestGlobalManager::formatTime()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(GlobalManager::formatTime(seconds), text);
}

PICTORB_ISOLATED_TEST_MAIN(TestGlobalManager)
#include "tst_globalmanager.moc"
