#include "core/base/TranslateManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/widgets/AboutDialog.h"
#include "gui/widgets/BaseButton.h"
#include "gui/widgets/LoadingDialog.h"
#include "gui/widgets/MessageDialog.h"
#include "gui/widgets/TinySlider.h"
#include "support/TestSupport.h"

#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// Counts what its children let through.
class Backdrop : public QWidget
{
public:
    int presses = 0;
    QList<int> keys;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
};

class Panel : public BaseWidget
{
public:
    explicit Panel(Frame frame) : BaseWidget(nullptr, 2, frame)
    {
        setLanguageCallback([this] { ++runs; });
    }
    int runs = 0;
};

} // namespace

class WidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void panelsRelabelOncePerLanguageChange();
    void buttonClicksOnTheLeftOnlyAndTakesEveryPress();
    void slider_data();
    void slider();
    void messageButtons_data();
    void messageButtons();
    void loadingCancelAsksToStopEachTime();
    void aboutLinksOpenInTheBrowser();
};

void WidgetsTest::panelsRelabelOncePerLanguageChange()
{
    Panel framed(BaseWidget::WithContentWidget);
    Panel plain(BaseWidget::Plain);
    BaseWidget silent; // without a hook the change passes it by
    // A framed panel holds its content in a child the style sheet paints as "widget".
    QCOMPARE(framed.contentWidget()->parentWidget(), &framed);
    QCOMPARE(framed.contentWidget()->objectName(), QStringLiteral("widget"));
    QCOMPARE(plain.contentWidget(), &plain);
    QCOMPARE(framed.runs + plain.runs, 2); // the hook sets the texts at once
    for (int type : {int(TranslateManager::French), int(TranslateManager::English)})
        emit TranslateManager::instance()->changeTranslate(type);
    QCOMPARE(framed.runs + plain.runs, 6);
}

void WidgetsTest::buttonClicksOnTheLeftOnlyAndTakesEveryPress()
{
    Backdrop backdrop;
    auto* button = new BaseButton(&backdrop);
    QSignalSpy clicked(button, &BaseButton::clicked);
    for (Qt::MouseButton mouse : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton})
        QTest::mousePress(button, mouse, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().value<QObject*>(), button);
    QCOMPARE(backdrop.presses, 0); // no press falls through to the widget below
}

void WidgetsTest::slider_data()
{
    QTest::addColumn<int>("x"); // of a click on the 300 pixels of a 20..40 slider at 30
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("keyReachesParent");
    QTest::newRow("click at the left edge") << 0 << 0 << 20 << false;
    QTest::newRow("click a third in, truncated") << 100 << 0 << 26 << false;
    QTest::newRow("click near the right edge") << 270 << 0 << 38 << false;
    for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Up})
        QTest::addRow("%s key", qPrintable(QKeySequence(key).toString()))
            << -1 << key << 30 << (key != Qt::Key_Up);
}

void WidgetsTest::slider()
{
    QFETCH(int, x);
    QFETCH(int, key);
    QFETCH(int, value);
    QFETCH(bool, keyReachesParent);
    Backdrop backdrop;
    auto* slider = new TinySlider(Qt::Horizontal, &backdrop);
    slider->setRange(20, 40);
    slider->setValue(30);
    slider->resize(300, 20);
    if (x >= 0)
        QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(x, 10));
    else
        QTest::keyClick(slider, Qt::Key(key));
    QCOMPARE(slider->value(), value);
    QCOMPARE(backdrop.keys, keyReachesParent ? QList<int>{key} : QList<int>{});
}

void WidgetsTest::messageButtons_data()
{
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("reported"); // by the last button shown
    QTest::newRow("submit alone") << QStringList{"Retry"} << 1;
    QTest::newRow("both, cancel pressed") << QStringList{"Yes", "No"} << 2;
    QTest::newRow("empty label hides submit") << QStringList{"", "Stop"} << 2;
}

void WidgetsTest::messageButtons()
{
    QFETCH(QStringList, labels);
    QFETCH(int, reported);
    QPointer<MessageDialog> dialog = new MessageDialog;
    dialog->setMessage(QStringLiteral("Disk is full."), 1, labels);
    dialog->show();
    QStringList shown;
    QPushButton* last = nullptr;
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->isVisible())
            shown << (last = button)->text();
    }
    labels.removeAll(QString());
    QCOMPARE(shown, labels);
    QSignalSpy clicked(dialog.data(), &MessageDialog::buttonClicked);
    QSignalSpy closed(dialog.data(), &MessageDialog::closeDialogSignal);
    QTest::mouseClick(last, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toInt(), reported);
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(dialog.isNull()); // closing frees it
}

void WidgetsTest::loadingCancelAsksToStopEachTime()
{
    LoadingDialog dialog;
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    for (int press = 1; press <= 2; ++press) {
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(events.count(), press);
        QCOMPARE(events.last().first().toString(), QStringLiteral("stop_ai_caption"));
    }
}

void WidgetsTest::aboutLinksOpenInTheBrowser()
{
    qputenv("PICTORB_SITE_URL", "https://maker.example/");
    TestSupport::DesktopCatcher desktop;
    AboutDialog dialog;
    qputenv("PICTORB_SITE_URL", QByteArray());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1String("<a ")))
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, label->height() / 2));
    }
    QCOMPARE(desktop.urls,
             (QList<QUrl>{QUrl("https://maker.example"), QUrl("https://maker.example/pictorb/")}));
    QVERIFY(dialog.isVisible()); // a link leaves the dialog open
}

PICTORB_TEST_MAIN(WidgetsTest)
#include "tst_widgets.moc"
