#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "CaptionSandbox.h"
#include "core/base/AppConfig.h"
#include "core/captions/CaptionManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/captions/CaptionItem.h"
#include "gui/captions/CaptionWidget.h"

namespace {

// count captions "line 1", "line 2", ... one second apart.
void makeCaptions(int count, int firstStartMs = 0)
{
    QJsonArray list;
    for (int i = 0; i < count; ++i) {
        list.append(QJsonObject{{"start_time", firstStartMs + i * 1000},
                                {"end_time", firstStartMs + i * 1000 + 500},
                                {"text", QStringLiteral("line %1").arg(i + 1)}});
    }
    CaptionManager::instance()->createCaptions(
        QJsonDocument(QJsonObject{{"utterances", list}}).toJson(), false);
}

QStringList indexTexts(const CaptionWidget& panel)
{
    QStringList texts;
    for (const CaptionItem* row : panel.rows())
        texts << row->indexLabel()->text();
    return texts;
}

// Scrolls to the end as a user would, until no more rows arrive.
void scrollToEnd(CaptionWidget& panel)
{
    for (int before = -1; before != panel.rows().size();) {
        before = panel.rows().size();
        QScrollBar* bar = panel.listWidget()->verticalScrollBar();
        bar->setValue(bar->maximum());
        QCoreApplication::processEvents();
    }
}

void click(CaptionWidget& panel, int row)
{
    QListWidget* list = panel.listWidget();
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

} // namespace

using CaptionTest::posted;

class TestCaptionWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void placeholderUntilLoaded();
    void paging_data();
    void paging();
    void indexPadding_data();
    void indexPadding();
    void searchMatchingNothing();
    void searchFiltersByText();
    void clickPostsTimeAndSelects();
    void timeOfTheRow();
    void clearingTheStoreDropsTheRows();
    void buttonsAnnounce();

private:
    std::unique_ptr<CaptionSandbox> m_sandbox;
};

void TestCaptionWidget::initTestCase()
{
    m_sandbox = std::make_unique<CaptionSandbox>();
    QVERIFY(m_sandbox->isValid());
    CaptionSandbox::loadVideo(m_sandbox->root() + QStringLiteral("/movie.mkv"));
}

void TestCaptionWidget::init()
{
    CaptionManager::instance()->clearCaptions();
}

void TestCaptionWidget::cleanup()
{
    // Typing shows the search field's clear button with a fade that Qt runs as a parentless
    // animation; it is freed only once it has noticed its button is gone, so let it run out.
    QTest::qWait(200);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestCaptionWidget::placeholderUntilLoaded()
{
    CaptionWidget panel;
    panel.resize(400, 300);
    panel.show();
    QVERIFY(panel.placeholder()->isVisible());
    QVERIFY(!panel.listWidget()->isVisible());
    QCOMPARE(panel.countLabel()->text(), QStringLiteral("Captions (0)"));

    makeCaptions(3);
    panel.reload();
    QVERIFY(!panel.placeholder()->isVisible());
    QVERIFY(panel.listWidget()->isVisible());
    QCOMPARE(panel.countLabel()->text(), QStringLiteral("Captions (3)"));
    QCOMPARE(panel.listWidget()->count(), 3);
}

void TestCaptionWidget::paging_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstPage");
    QTest::newRow("one full page") << 36 << 36;
    QTest::newRow("one more than a page") << 37 << 36;
    QTest::newRow("three pages") << 100 << 36;
}

void TestCaptionWidget::paging()
{
    QFETCH(int, count);
    QFETCH(int, firstPage);
    makeCaptions(count);
    CaptionWidget panel;
    panel.resize(400, 300);
    panel.show();
    panel.reload();
    QCOMPARE(panel.listWidget()->count(), firstPage);
    QCOMPARE(panel.countLabel()->text(), QStringLiteral("Captions (%1)").arg(count));

    scrollToEnd(panel);
    QCOMPARE(panel.listWidget()->count(), count);
    QCOMPARE(panel.rows().size(), count);
    QCOMPARE(panel.rows().last()->textLabel()->text(), QStringLiteral("line %1").arg(count));
    // Rows stay in caption order across pages.
    QCOMPARE(panel.listWidget()->item(count - 1)->data(Qt::UserRole).value<CaptionInfo*>(),
             CaptionManager::instance()->captions().last());
}

void TestCaptionWidget::indexPadding_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("9 captions") << 9 << "1"
                                << "9";
    QTest::newRow("10 captions") << 10 << "01"
                                 << "10";
    QTest::newRow("99 captions") << 99 << "01"
                                 << "99";
    QTest::newRow("100 captions") << 100 << "001"
                                  << "100";
}

void TestCaptionWidget::indexPadding()
{
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    makeCaptions(count);
    CaptionWidget panel;
    panel.resize(400, 300);
    panel.show();
    panel.reload();
    scrollToEnd(panel);
    const QStringList texts = indexTexts(panel);
    QCOMPARE(texts.size(), count);
    QCOMPARE(texts.first(), first);
    QCOMPARE(texts.last(), last);
}

void TestCaptionWidget::searchMatchingNothing()
{
    makeCaptions(5);
    CaptionWidget panel;
    panel.reload();
    panel.searchField()->setText(QStringLiteral("no such words"));
    QCOMPARE(panel.countLabel()->text(), QStringLiteral("Captions (0)"));
    QCOMPARE(panel.listWidget()->count(), 0);
    QVERIFY(panel.rows().isEmpty());
}

void TestCaptionWidget::searchFiltersByText()
{
    makeCaptions(20);
    CaptionWidget panel;
    panel.reload();
    // "line 1" and "line 10" to "line 19".
    panel.searchField()->setText(QStringLiteral("line 1"));
    QCOMPARE(panel.countLabel()->text(), QStringLiteral("Captions (11)"));
    QCOMPARE(panel.rows().first()->textLabel()->text(), QStringLiteral("line 1"));
    QCOMPARE(panel.rows().last()->textLabel()->text(), QStringLiteral("line 19"));
    // Case matters.
    panel.searchField()->setText(QStringLiteral("LINE"));
    QCOMPARE(panel.listWidget()->count(), 0);
    panel.searchField()->clear();
    QCOMPARE(panel.listWidget()->count(), 20);
}

void TestCaptionWidget::clickPostsTimeAndSelects()
{
    makeCaptions(5, 1500);
    CaptionWidget panel;
    panel.resize(400, 300);
    panel.show();
    panel.reload();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);

    click(panel, 2);
    click(panel, 2);
    QCOMPARE(posted(events, AppConfig::kEventTimePos), QVariantList({3500, 3500}));
    CaptionItem* third = panel.rows().at(2);
    QVERIFY(third->isSelected());
    QCOMPARE(third->textLabel()->styleSheet(), QStringLiteral("color:#000"));
    QCOMPARE(panel.selectedRow(), third);

    click(panel, 0);
    QCOMPARE(posted(events, AppConfig::kEventTimePos), QVariantList({3500, 3500, 1500}));
    QVERIFY(!third->isSelected());
    QVERIFY(third->textLabel()->styleSheet().isEmpty());
    QVERIFY(panel.rows().at(0)->isSelected());
    QVERIFY(!panel.rows().at(0)->isEditing());
}

void TestCaptionWidget::timeOfTheRow()
{
    makeCaptions(1, 3723050);
    CaptionWidget panel;
    panel.reload();
    QCOMPARE(panel.rows().first()->timeLabel()->text(), QStringLiteral("01:02:03"));
    QCOMPARE(panel.rows().first()->indexLabel()->objectName(), QStringLiteral("index"));
    QCOMPARE(panel.rows().first()->timeLabel()->objectName(), QStringLiteral("time"));
}

void TestCaptionWidget::clearingTheStoreDropsTheRows()
{
    makeCaptions(4);
    CaptionWidget panel;
    panel.resize(400, 300);
    panel.show();
    panel.reload();
    QCOMPARE(panel.listWidget()->count(), 4);

    CaptionManager::instance()->clearCaptions();
    QCOMPARE(panel.listWidget()->count(), 0);
    QVERIFY(panel.rows().isEmpty());
    QVERIFY(panel.placeholder()->isVisible());
    QCOMPARE(panel.countLabel()->text(), QStringLiteral("Captions (0)"));
}

void TestCaptionWidget::buttonsAnnounce()
{
    CaptionWidget panel;
    panel.show();
    QSignalSpy create(&panel, &CaptionWidget::createCaptionSignal);
    QSignalSpy clear(&panel, &CaptionWidget::clearCaptionSignal);
    const QList<QPushButton*> buttons = panel.findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(create.count(), 1);
    QCOMPARE(clear.count(), 1);
}

QTEST_MAIN(TestCaptionWidget)
#include "tst_captionwidget.moc"
