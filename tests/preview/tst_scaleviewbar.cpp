#include "gui/widgets/IconButton.h"
#include "gui/widgets/ScaleViewBar.h"
#include "gui/widgets/TinySlider.h"

#include "PreviewTestSupport.h"

#include <QLabel>
#include <QSignalSpy>

class TestScaleViewBar : public QObject
{
    Q_OBJECT

private slots:
    void startsAtHundred();
    void buttonsFollowTheValue_data();
    void buttonsFollowTheValue();
    void setValueNeverEmits();
    void readoutShowsPercent();
    void zoomButtonsStepByOne();
    void disabledButtonDoesNothing();
    void fitButtonsAsk();
    void sliderMoveEmits();
    void fitValueIsAppliedAtNextSetValue();
    void borderStyle();
};

void TestScaleViewBar::startsAtHundred()
{
    ScaleViewBar bar;
    QCOMPARE(bar.value(), 100);
    QCOMPARE(bar.readoutLabel()->text(), QStringLiteral("100%"));
    QCOMPARE(bar.slider()->maximum(), 200);
    QCOMPARE(bar.slider()->objectName(), QStringLiteral("progress_slider"));
    QCOMPARE(bar.button(ScaleViewBar::ZoomIn)->objectName(), QStringLiteral("scale_view"));
}

void TestScaleViewBar::buttonsFollowTheValue_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("zoomOut");
    QTest::addColumn<bool>("zoomIn");
    QTest::addColumn<bool>("fit");
    QTest::addColumn<bool>("hundred");
    // Range 10..200, fit value 40, actual size 100.
    QTest::newRow("at minimum") << 10 << false << true << true << true;
    QTest::newRow("at maximum") << 200 << true << false << true << true;
    QTest::newRow("at fit value") << 40 << true << true << false << true;
    QTest::newRow("at hundred") << 100 << true << true << true << false;
    QTest::newRow("in between") << 55 << true << true << true << true;
}

void TestScaleViewBar::buttonsFollowTheValue()
{
    QFETCH(int, value);
    ScaleViewBar bar;
    bar.setRange(10, 200, 40, 100);
    bar.setValue(value);
    QTEST(bar.button(ScaleViewBar::ZoomOut)->isEnabled(), "zoomOut");
    QTEST(bar.button(ScaleViewBar::ZoomIn)->isEnabled(), "zoomIn");
    QTEST(bar.button(ScaleViewBar::FitToWindow)->isEnabled(), "fit");
    QTEST(bar.button(ScaleViewBar::FitTo100)->isEnabled(), "hundred");
    QCOMPARE(bar.slider()->value(), value);
}

void TestScaleViewBar::setValueNeverEmits()
{
    ScaleViewBar bar;
    QSignalSpy slider(&bar, &ScaleViewBar::sliderValueChanged);
    QSignalSpy buttons(&bar, &ScaleViewBar::scaleButtonClicked);
    bar.setRange(1, 100, 50, 100);
    bar.setValue(37);
    bar.setValue(99);
    QCOMPARE(slider.count(), 0);
    QCOMPARE(buttons.count(), 0);
}

void TestScaleViewBar::readoutShowsPercent()
{
    ScaleViewBar bar;
    bar.setValue(75);
    QCOMPARE(bar.readoutLabel()->text(), QStringLiteral("75%"));
}

void TestScaleViewBar::zoomButtonsStepByOne()
{
    ScaleViewBar bar;
    bar.setRange(1, 100, 50, 100);
    bar.setValue(50);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSignalSpy spy(&bar, &ScaleViewBar::scaleButtonClicked);
    QTest::mouseClick(bar.button(ScaleViewBar::ZoomIn), Qt::LeftButton);
    QCOMPARE(bar.value(), 51);
    QTest::mouseClick(bar.button(ScaleViewBar::ZoomOut), Qt::LeftButton);
    QTest::mouseClick(bar.button(ScaleViewBar::ZoomOut), Qt::LeftButton);
    QCOMPARE(bar.value(), 49);
    QCOMPARE(bar.readoutLabel()->text(), QStringLiteral("49%"));
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QCOMPARE(spy.at(1).at(0).toInt(), -1);
}

void TestScaleViewBar::disabledButtonDoesNothing()
{
    ScaleViewBar bar;
    bar.setRange(1, 100, 50, 100);
    bar.setValue(100);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSignalSpy spy(&bar, &ScaleViewBar::scaleButtonClicked);
    QTest::mouseClick(bar.button(ScaleViewBar::ZoomIn), Qt::LeftButton);
    QCOMPARE(bar.value(), 100);
    QCOMPARE(spy.count(), 0);
}

void TestScaleViewBar::fitButtonsAsk()
{
    ScaleViewBar bar;
    bar.setRange(1, 100, 50, 100);
    bar.setValue(70);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSignalSpy spy(&bar, &ScaleViewBar::fitToWindow);
    QTest::mouseClick(bar.button(ScaleViewBar::FitToWindow), Qt::LeftButton);
    QTest::mouseClick(bar.button(ScaleViewBar::FitTo100), Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(spy.at(1).at(0).toBool(), true);
    // The bar only asks; the owner sets the value.
    QCOMPARE(bar.value(), 70);
}

void TestScaleViewBar::sliderMoveEmits()
{
    ScaleViewBar bar;
    bar.setRange(10, 200, 50, 100);
    QSignalSpy spy(&bar, &ScaleViewBar::sliderValueChanged);
    bar.slider()->setValue(120); // as a drag of the handle does
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 120);
    QCOMPARE(bar.value(), 120);
    QCOMPARE(bar.readoutLabel()->text(), QStringLiteral("120%"));
}

void TestScaleViewBar::fitValueIsAppliedAtNextSetValue()
{
    ScaleViewBar bar;
    bar.setRange(1, 100, 50, 100);
    bar.setValue(60);
    bar.setFitValue(60);
    QVERIFY(bar.button(ScaleViewBar::FitToWindow)->isEnabled());
    bar.setValue(60);
    QVERIFY(!bar.button(ScaleViewBar::FitToWindow)->isEnabled());
}

void TestScaleViewBar::borderStyle()
{
    ScaleViewBar bar;
    bar.setBorderStyle(true);
    QCOMPARE(bar.contentWidget()->objectName(), QStringLiteral("widget_no_bottom"));
    bar.setBorderStyle(false);
    QCOMPARE(bar.contentWidget()->objectName(), QString());
}

PREVIEW_TEST_MAIN(TestScaleViewBar)
#include "tst_scaleviewbar.moc"
