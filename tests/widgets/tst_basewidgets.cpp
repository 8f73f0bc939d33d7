#include "core/base/AppConfig.h"
#include "core/base/TranslateManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/widgets/BaseButton.h"
#include "gui/widgets/BaseDialog.h"
#include "gui/widgets/BaseWidget.h"
#include "gui/widgets/BaseWindow.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/TinySlider.h"

#include "../app/TestHome.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Counts what reaches it from its children, to see which events a child lets through.
class Backdrop : public QWidget
{
public:
    int mousePresses = 0;
    QList<int> keys;

protected:
    void mousePressEvent(QMouseEvent*) override { ++mousePresses; }
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
};

class CountingPanel : public BaseWidget
{
public:
    CountingPanel()
    {
        setLanguageCallback([this] { ++runs; });
    }
    int runs = 0;
};

class CountingOther : public BaseWidget
{
public:
    CountingOther() : BaseWidget(nullptr, 2, Plain)
    {
        setLanguageCallback([this] { ++runs; });
    }
    int runs = 0;
};

QPixmap solid(const QColor& color)
{
    QPixmap pixmap(8, 8);
    pixmap.fill(color);
    return pixmap;
}

QRgb iconColour(const BaseButton& button)
{
    return button.iconLabel()->pixmap(Qt::ReturnByValue).toImage().pixel(0, 0);
}

} // namespace

class BaseWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void objectNamesAndLayouts();
    void dialogIsTitledWithoutExtraButtons();
    void languageChangeRerunsEachCallbackOnce();

    void buttonPress_data();
    void buttonPress();
    void hoverSwapsIconsFromTheList();
    void hoverWithoutIconListKeepsTheIcon();
    void textColourRoundTrips();

    void sliderJumpsToTheClick_data();
    void sliderJumpsToTheClick();
    void sliderKeys_data();
    void sliderKeys();

    void closingADialogSignalsOnceAndFreesIt();

private:
    QTemporaryDir m_icons;
    QString m_normalIcon;
    QString m_hoverIcon;
};

void BaseWidgetsTest::initTestCase()
{
    QVERIFY(m_icons.isValid());
    m_normalIcon = m_icons.filePath("normal.png");
    m_hoverIcon = m_icons.filePath("hover.png");
    QVERIFY(solid(Qt::red).save(m_normalIcon));
    QVERIFY(solid(Qt::blue).save(m_hoverIcon));
}

void BaseWidgetsTest::objectNamesAndLayouts()
{
    BaseWidget panel(nullptr, 1);
    QCOMPARE(panel.contentWidget()->objectName(), QStringLiteral("widget"));
    QVERIFY(qobject_cast<QHBoxLayout*>(panel.innerLayout()));
    BaseWidget vertical(nullptr, 7);
    QVERIFY(qobject_cast<QVBoxLayout*>(vertical.innerLayout()));

    BaseWindow window(nullptr, 1);
    QCOMPARE(window.centralWidget()->objectName(), QStringLiteral("window"));
    QVERIFY(qobject_cast<QHBoxLayout*>(window.centralWidget()->layout()));

    BaseButton button;
    IconButton icon;
    NormalButton normal;
    QCOMPARE(button.objectName(), QStringLiteral("button"));
    QCOMPARE(icon.objectName(), QStringLiteral("icon_button"));
    QCOMPARE(normal.objectName(), QStringLiteral("button"));
    QVERIFY(icon.textLabel()->isHidden());
    QCOMPARE(normal.innerLayout()->contentsMargins(), QMargins(10, 4, 10, 4));
    QVERIFY(icon.testAttribute(Qt::WA_StyledBackground));
}

void BaseWidgetsTest::dialogIsTitledWithoutExtraButtons()
{
    QPointer<BaseDialog> dialog = new BaseDialog;
    QCOMPARE(dialog->windowTitle(), AppConfig::kProductName);
    const Qt::WindowFlags flags = dialog->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(dialog->contentWidget()->objectName(), QStringLiteral("widget"));
    QCOMPARE(dialog->innerLayout()->contentsMargins(), QMargins(20, 20, 20, 20));
    delete dialog;
}

void BaseWidgetsTest::languageChangeRerunsEachCallbackOnce()
{
    CountingPanel panel;
    CountingOther other;
    BaseWidget plain; // no callback: the change must simply pass it by
    QCOMPARE(panel.runs, 1);
    QCOMPARE(other.runs, 1);

    emit TranslateManager::instance()->changeTranslate(TranslateManager::French);
    QCOMPARE(panel.runs, 2);
    QCOMPARE(other.runs, 2);
    emit TranslateManager::instance()->changeTranslate(TranslateManager::English);
    QCOMPARE(panel.runs, 3);
    QCOMPARE(other.runs, 3);
}

void BaseWidgetsTest::buttonPress_data()
{
    QTest::addColumn<int>("mouseButton");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left clicks") << int(Qt::LeftButton) << 1;
    QTest::newRow("right is swallowed") << int(Qt::RightButton) << 0;
    QTest::newRow("middle is swallowed") << int(Qt::MiddleButton) << 0;
}

void BaseWidgetsTest::buttonPress()
{
    QFETCH(int, mouseButton);
    QFETCH(int, clicks);
    Backdrop backdrop;
    auto* button = new BaseButton(&backdrop);
    button->resize(40, 20);
    QSignalSpy clicked(button, &BaseButton::clicked);

    QTest::mousePress(button, Qt::MouseButton(mouseButton), {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), clicks);
    if (clicks)
        QCOMPARE(clicked.first().first().value<QObject*>(), button);
    // Every press is consumed, whatever the button: nothing falls through to the widget below.
    QCOMPARE(backdrop.mousePresses, 0);
}

void BaseWidgetsTest::hoverSwapsIconsFromTheList()
{
    BaseButton button;
    button.setIconList({m_normalIcon, m_hoverIcon});
    button.setIcon(m_normalIcon);
    QSignalSpy entered(&button, &BaseButton::mouseEnter);
    QSignalSpy left(&button, &BaseButton::mouseLeave);

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&button, &enter);
    QCOMPARE(iconColour(button), QColor(Qt::blue).rgb());
    QCOMPARE(entered.count(), 1);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    QCOMPARE(iconColour(button), QColor(Qt::red).rgb());
    QCOMPARE(left.count(), 1);
}

void BaseWidgetsTest::hoverWithoutIconListKeepsTheIcon()
{
    BaseButton button;
    button.setIcon(m_normalIcon);
    QSignalSpy entered(&button, &BaseButton::mouseEnter);
    QSignalSpy left(&button, &BaseButton::mouseLeave);

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&button, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    QCOMPARE(iconColour(button), QColor(Qt::red).rgb());
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 1);
}

void BaseWidgetsTest::textColourRoundTrips()
{
    NormalButton button;
    QVERIFY(!button.textColor().isValid());
    button.setTextColor(QColor("#12ab34"));
    QCOMPARE(button.textColor(), QColor("#12ab34"));
    QCOMPARE(button.textLabel()->styleSheet(), QStringLiteral("color: #12ab34;"));
    // The style sheet reaches the same setter through the property.
    QVERIFY(button.setProperty("textColor", QColor(Qt::white)));
    QCOMPARE(button.textColor(), QColor(Qt::white));
}

void BaseWidgetsTest::sliderJumpsToTheClick_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("expected");
    QTest::newRow("quarter") << 200 << 50 << 0 << 100 << 25;
    QTest::newRow("truncated") << 300 << 100 << 0 << 100 << 33;
    QTest::newRow("offset range") << 200 << 100 << 20 << 40 << 30;
    QTest::newRow("left edge") << 200 << 0 << 0 << 100 << 0;
}

void BaseWidgetsTest::sliderJumpsToTheClick()
{
    QFETCH(int, width);
    QFETCH(int, x);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, expected);
    TinySlider slider(Qt::Horizontal);
    slider.setRange(minimum, maximum);
    slider.resize(width, 20);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(x, 10));
    QCOMPARE(slider.value(), expected);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(x, 10));
}

void BaseWidgetsTest::sliderKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("reachesParent");
    QTest::newRow("left") << int(Qt::Key_Left) << true;
    QTest::newRow("right") << int(Qt::Key_Right) << true;
    QTest::newRow("page up") << int(Qt::Key_PageUp) << true;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << true;
    QTest::newRow("up is swallowed") << int(Qt::Key_Up) << false;
    QTest::newRow("home is swallowed") << int(Qt::Key_Home) << false;
    QTest::newRow("letter is swallowed") << int(Qt::Key_A) << false;
}

void BaseWidgetsTest::sliderKeys()
{
    QFETCH(int, key);
    QFETCH(bool, reachesParent);
    Backdrop backdrop;
    auto* slider = new TinySlider(Qt::Horizontal, &backdrop);
    slider->setValue(50);

    QTest::keyClick(slider, Qt::Key(key));
    QCOMPARE(slider->value(), 50);
    QCOMPARE(backdrop.keys, reachesParent ? QList<int>{key} : QList<int>{});
}

void BaseWidgetsTest::closingADialogSignalsOnceAndFreesIt()
{
    QPointer<BaseDialog> dialog = new BaseDialog;
    QSignalSpy closed(dialog.data(), &BaseDialog::closeDialogSignal);
    int events = 0;
    connect(GlobalManager::instance(), &GlobalManager::globalEvent, dialog.data(),
            [&events] { ++events; });
    dialog->show();
    QVERIFY(dialog->close());
    QCOMPARE(closed.count(), 1);

    // Between the close and the deferred deletion the bus no longer reaches it.
    GlobalManager::instance()->sendGlobalEvent(QStringLiteral("probe"), 1);
    QCOMPARE(events, 0);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
    QCOMPARE(closed.count(), 1);
}

PICTORB_ISOLATED_TEST_MAIN(BaseWidgetsTest)
#include "tst_basewidgets.moc"
