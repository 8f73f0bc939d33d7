#include "core/base/ScreenManager.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

// The factor comes from the logical DPI; every hand-set length and style-sheet pixel length
// is multiplied by it and truncated.
class ScreenManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { useDpi(96); }

    void factorFromDpi_data();
    void factorFromDpi();
    void lengthsAreTruncated();
    void realScreenGivesAtLeastOne();
    void styleSheetRewrite_data();
    void styleSheetRewrite();

private:
    static void useDpi(double dpi) { ScreenManager::instance()->init(dpi, dpi, 1.0); }
};

void ScreenManagerTest::factorFromDpi_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("scale");
    QTest::newRow("96") << 96.0 << 1.0;
    QTest::newRow("120") << 120.0 << 1.25;
    QTest::newRow("144") << 144.0 << 1.5;
    QTest::newRow("192") << 192.0 << 2.0;
    QTest::newRow("below 96 counts as 96") << 72.0 << 1.0;
}

void ScreenManagerTest::factorFromDpi()
{
    QFETCH(double, dpi);
    QFETCH(double, scale);
    useDpi(dpi);
    QCOMPARE(ScreenManager::instance()->scale(), scale);
}

void ScreenManagerTest::lengthsAreTruncated()
{
    useDpi(144);
    QCOMPARE(scaled(30), 45);
    QCOMPARE(scaled(5), 7);
    QCOMPARE(scaled(0), 0);
    QCOMPARE(scaledSize(QSize(1100, 741)), QSize(1650, 1111));
    QCOMPARE(scaledRect(10, 5, 3, 1), QMargins(15, 7, 4, 1));
    useDpi(120);
    QCOMPARE(scaled(1), 1);
    QCOMPARE(scaledSize(QSize(1000, 630)), QSize(1250, 787));
}

void ScreenManagerTest::realScreenGivesAtLeastOne()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    ScreenManager::instance()->init(screen);
    QCOMPARE(ScreenManager::instance()->scale(), qMax(1.0, screen->logicalDotsPerInch() / 96.0));
}

void ScreenManagerTest::styleSheetRewrite_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QString>("css");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1px stays at 1.25") << 120.0 << "border: 1px solid"
                                       << "border: 1px solid";
    QTest::newRow("12px at 1.25") << 120.0 << "padding-left: 12px;"
                                  << "padding-left: 15px;";
    QTest::newRow("every length") << 144.0 << "margin: 2px 4px 10px 0px;"
                                  << "margin: 3px 6px 15px 0px;";
    QTest::newRow("decimal keeps its integer part") << 144.0 << "width: 1.5px;"
                                                    << "width: 1.7px;";
    QTest::newRow("minus sign stays") << 144.0 << "top: -2px;"
                                      << "top: -3px;";
    QTest::newRow("points untouched") << 144.0 << "font: 8pt;"
                                      << "font: 8pt;";
    QTest::newRow("percent untouched") << 144.0 << "width: 50%;"
                                       << "width: 50%;";
    QTest::newRow("no digits gets 0") << 144.0 << "a: px;"
                                      << "a: 0px;";
    QTest::newRow("growing number") << 192.0 << "9px 99px"
                                    << "18px 198px";
    QTest::newRow("upper case PX untouched") << 144.0 << "10PX"
                                             << "10PX";
    QTest::newRow("nothing to do") << 144.0 << ""
                                   << "";
    QTest::newRow("scale 1 unchanged") << 96.0 << "QLabel { font-size: 13px; border-radius: 4px; }"
                                       << "QLabel { font-size: 13px; border-radius: 4px; }";
    QTest::newRow("rules in a sheet")
        << 120.0 << "QPushButton { min-height: 28px; }\n#title { height: 40px; }"
        << "QPushButton { min-height: 35px; }\n#title { height: 50px; }";
}

void ScreenManagerTest::styleSheetRewrite()
{
    QFETCH(double, dpi);
    QFETCH(QString, css);
    QFETCH(QString, expected);
    useDpi(dpi);
    scaleStyleSheet(css);
    QCOMPARE(css, expected);
}

QTEST_MAIN(ScreenManagerTest)
#include "tst_screenmanager.moc"
