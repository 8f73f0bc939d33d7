#include "gui/widgets/PropertyItem.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class TestPropertyItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void setDescriptorFillsRow();
    void setValueClamps_data();
    void setValueClamps();
    void blockedSetValueEmitsNothing();
    void typingIsForwarded();
    void dragChangesValueByHalfTheDistance();
    void returnClearsFocus();

private:
    static PropertyDescriptor descriptor(int minimum, int maximum, const QString& value)
    {
        return {QStringLiteral("test_key"), 7, QStringLiteral("Label"), value, minimum, maximum};
    }
};

void TestPropertyItem::setDescriptorFillsRow()
{
    PropertyItem item;
    item.setDescriptor(descriptor(1, 500, QStringLiteral("100")));
    QCOMPARE(item.label()->text(), QStringLiteral("Label"));
    QCOMPARE(item.text(), QStringLiteral("100"));
    QCOMPARE(item.minimum(), 1);
    QCOMPARE(item.maximum(), 500);
    QCOMPARE(item.id(), 7);
    QCOMPARE(item.key(), QStringLiteral("test_key"));
    QCOMPARE(item.objectName(), QStringLiteral("widget_property"));
    QCOMPARE(item.lineEdit()->objectName(), QStringLiteral("property"));
}

void TestPropertyItem::setValueClamps_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("scale above maximum") << 1 << 500 << "600"
                                         << "500";
    QTest::newRow("scale below minimum") << 1 << 500 << "0"
                                         << "1";
    QTest::newRow("in range kept as typed") << 1 << 500 << "250"
                                            << "250";
    QTest::newRow("lone minus left for typing") << -9999 << 9999 << "-"
                                                << "-";
    QTest::newRow("empty left for typing") << 1 << 500 << ""
                                           << "";
    // Text that is not a number reads as 0, which lies below the minimum 1.
    QTest::newRow("garbage reads as zero") << 1 << 500 << "abc"
                                           << "1";
    QTest::newRow("garbage in a range holding zero kept") << -10 << 10 << "abc"
                                                          << "abc";
    QTest::newRow("negative below minimum") << -9999 << 9999 << "-10000"
                                            << "-9999";
    QTest::newRow("negative in range") << -9999 << 9999 << "-300"
                                       << "-300";
}

void TestPropertyItem::setValueClamps()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    PropertyItem item;
    item.setDescriptor(descriptor(minimum, maximum, QStringLiteral("5")));
    item.setValue(typed, true);
    QCOMPARE(item.text(), shown);
}

void TestPropertyItem::blockedSetValueEmitsNothing()
{
    PropertyItem item;
    item.setDescriptor(descriptor(1, 500, QStringLiteral("100")));
    QSignalSpy spy(&item, &PropertyItem::valueTextChanged);
    item.setValue(QStringLiteral("42"), true);
    QCOMPARE(spy.count(), 0);
    item.setValue(QStringLiteral("43"), false);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("43"));
    // The field's own signals are unblocked again afterwards.
    QVERIFY(!item.lineEdit()->signalsBlocked());
}

void TestPropertyItem::typingIsForwarded()
{
    PropertyItem item;
    item.setDescriptor(descriptor(-9999, 9999, QStringLiteral("0")));
    item.show();
    QVERIFY(QTest::qWaitForWindowExposed(&item));
    QSignalSpy spy(&item, &PropertyItem::valueTextChanged);
    item.lineEdit()->selectAll();
    QTest::keyClicks(item.lineEdit(), QStringLiteral("-3"));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("-"));
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("-3"));
}

void TestPropertyItem::dragChangesValueByHalfTheDistance()
{
    PropertyItem item;
    item.setDescriptor(descriptor(1, 10, QStringLiteral("3")));
    item.show();
    QVERIFY(QTest::qWaitForWindowExposed(&item));
    QLabel* label = item.label();
    QSignalSpy spy(&item, &PropertyItem::valueTextChanged);

    const QPoint start(2, 2);
    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, start);
    QCOMPARE(item.cursor().shape(), Qt::SizeHorCursor);
    // 20 pixels to the right in one move: 20 div 2 = 10 steps, 3 + 10 = 13, clamped to 10.
    QMouseEvent move(QEvent::MouseMove, start + QPoint(20, 0), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(label, &move);
    QCOMPARE(item.text(), QStringLiteral("10"));
    QCOMPARE(spy.count(), 1);
    QVERIFY(item.lineEdit()->hasFocus());

    // Moving back 5 pixels from the new position: -5 div 2 = -2 (truncated), 10 - 2 = 8.
    QMouseEvent back(QEvent::MouseMove, start + QPoint(15, 0), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(label, &back);
    QCOMPARE(item.text(), QStringLiteral("8"));

    // Without the left button held a move changes nothing.
    QMouseEvent hover(QEvent::MouseMove, start + QPoint(60, 0), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(label, &hover);
    QCOMPARE(item.text(), QStringLiteral("8"));

    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, start + QPoint(15, 0));
    QCOMPARE(item.cursor().shape(), Qt::ArrowCursor);
}

void TestPropertyItem::returnClearsFocus()
{
    PropertyItem item;
    item.setDescriptor(descriptor(1, 10, QStringLiteral("3")));
    item.show();
    QVERIFY(QTest::qWaitForWindowExposed(&item));
    item.activateWindow();
    item.lineEdit()->setFocus();
    QTRY_VERIFY(item.lineEdit()->hasFocus());
    QTest::keyClick(item.lineEdit(), Qt::Key_Return);
    QVERIFY(!item.lineEdit()->hasFocus());
}

QTEST_MAIN(TestPropertyItem)
#include "tst_propertyitem.moc"
