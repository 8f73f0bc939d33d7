// Making a subtitle-strip sheet in the window: the cards arranged, pasted and ticked from the
// keys and the card menu, bands of their own dragged, typed and fitted to the captions, and the
// preview zoomed with the keys and the wheel. Every change is one step of the history.

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "core/preview/MergeLayout.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/History.h"
#include "gui/application/MetaTypes.h"
#include "gui/editor/BandEditor.h"
#include "gui/editor/BandOverlay.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/BandCommands.h"
#include "gui/images/CardActions.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/CollectionDocument.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/mainwindow/SheetActions.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/NoticeBar.h"
#include "gui/widgets/PropertyItem.h"
#include "gui/widgets/ScaleViewBar.h"
#include "support/TestSupport.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QUndoStack>

using namespace TestSupport;

namespace {

// A window holding pattern stills 0..count-1 of 320 x 180, the card at `current` edited and
// the history empty.
void fill(MainWindow& window, int count, int current)
{
    QList<ProjectStill> stills;
    for (int i = 0; i < count; ++i) {
        stills << window.imagesWidget()->newStill(pattern(i, 320, 180), StillOrigin());
        stills.last().origin.id = StillOrigin::newId();
    }
    window.imagesWidget()->replaceStills(stills, current);
    window.document()->history()->clear();
}

// The strip as "tags ticks": "0 2 1|101" for stills 0, 2 and 1 with the middle one unticked.
QString strip(MainWindow& window)
{
    QStringList tags;
    QString ticks;
    for (const ImageItem* card : window.imagesWidget()->cards()) {
        tags << QString::number((card->sourceImage().pixelColor(0, 0).red() - 10) / 20);
        ticks += card->isChecked() ? '1' : '0';
    }
    return tags.join(' ') + '|' + ticks;
}

QAction* action(QMenu* menu, const QString& text)
{
    for (QAction* item : menu->actions()) {
        if (item->text() == text)
            return item;
        if (item->menu())
            if (QAction* inner = action(item->menu(), text))
                return inner;
    }
    return nullptr;
}

void typeOver(PropertyItem* field, const QString& text)
{
    field->lineEdit()->selectAll();
    QTest::keyClicks(field->lineEdit(), text);
}

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cardCommands_data();
    void cardCommands();
    void captionStyleTravels();
    void ownBands();
    void bandsFitTheCaptions();
    void subtitlesInThePictures();
    void zoomKeysAndWheel();

private:
    QTemporaryDir m_files;
};

void TestSheet::initTestCase()
{
    registerMetaTypes();
    Settings::instance()->setValue(AppConfig::kFirstOpenApp, true);
}

void TestSheet::cleanup()
{
    GlobalManager::instance()->selectedItems().clear();
}

void TestSheet::cardCommands_data()
{
    QTest::addColumn<QString>("command"); // a key sequence, or the card menu's entry
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("ticks");
    QTest::addColumn<QString>("after");
    QTest::newRow("duplicate") << "Ctrl+D"
                               << "" << 1 << "1111"
                               << "0 1 1 2 3|11111";
    QTest::newRow("delete") << "Del"
                            << "" << 1 << "1111"
                            << "0 2 3|111";
    QTest::newRow("move left") << "Move Left"
                               << "" << 2 << "1111"
                               << "0 2 1 3|1111";
    QTest::newRow("move right") << "Move Right"
                                << "" << 1 << "1101"
                                << "0 2 1 3|1011";
    QTest::newRow("move to front") << "Move to Front"
                                   << "" << 2 << "1111"
                                   << "2 0 1 3|1111";
    QTest::newRow("use an unticked card as first") << "Use as First"
                                                   << "" << 2 << "1101"
                                                   << "2 0 1 3|1111";
    QTest::newRow("untick all") << "Ctrl+Shift+A"
                                << "" << 0 << "1101"
                                << "0 1 2 3|0000";
    QTest::newRow("tick all") << "Ctrl+A"
                              << "" << 0 << "0100"
                              << "0 1 2 3|1111";
    QTest::newRow("paste a screenshot") << "Ctrl+V"
                                        << "picture" << 1 << "1111"
                                        << "0 1 9 2 3|11111";
    QTest::newRow("paste files in name order") << "Ctrl+V"
                                               << "files" << 1 << "1111"
                                               << "0 1 8 10 2 3|111111";
}

// Each command changes the strip, and so the sheet, as one step that Undo takes back whole.
void TestSheet::cardCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, clipboard);
    QFETCH(int, current);
    QFETCH(QString, ticks);
    MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fill(window, 4, current);
    for (int i = 0; i < ticks.size(); ++i)
        window.imagesWidget()->setCheckedAt(i, ticks.at(i) == '1');
    const QString before = strip(window);
    auto* data = new QMimeData;
    if (clipboard == "picture")
        data->setImageData(pattern(9, 320, 180));
    for (int tag : {10, 8}) {
        const QString file = m_files.filePath(QStringLiteral("still %1.png").arg(tag));
        QVERIFY(pattern(tag, 320, 180).save(file));
        if (clipboard == "files")
            data->setUrls(data->urls() << QUrl::fromLocalFile(file));
    }
    QApplication::clipboard()->setMimeData(data);

    if (command.startsWith("Ctrl") || command == "Del") {
        QTest::keySequence(&window, QKeySequence(command));
    } else {
        ImageItem* card = window.imagesWidget()->cards().at(current);
        QAction* entry = action(window.sheetActions()->cardActions()->contextMenu(card), command);
        QVERIFY(entry && entry->isEnabled());
        entry->trigger();
    }
    QTRY_VERIFY(!window.imagesWidget()->isImporting());
    QTEST(strip(window), "after");
    QCOMPARE(window.document()->history()->stack()->count(), 1);
    window.document()->history()->stack()->undo();
    QCOMPARE(strip(window), before);
}

// Copy Caption gives other programs the words and Paste Caption Style another card the look.
void TestSheet::captionStyleTravels()
{
    MainWindow window;
    fill(window, 3, 0);
    ImageCaption& first = *window.imagesWidget()->cards().at(0)->caption();
    first.text = QStringLiteral("Where were you?\\Nout");
    first.bold = true;
    first.fontSize = QStringLiteral("40");
    CardActions* cards = window.sheetActions()->cardActions();
    action(cards->contextMenu(window.imagesWidget()->cards().at(0)), "Copy Caption")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Where were you?\nout"));

    ImageItem* target = window.imagesWidget()->cards().at(2);
    QAction* paste = action(cards->contextMenu(target), "Paste Caption Style");
    QVERIFY(paste->isEnabled());
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(80, 10));
    paste->trigger();
    QVERIFY(target->caption()->bold);
    QCOMPARE(target->caption()->fontSize, QStringLiteral("40"));
    QVERIFY(target->caption()->text.isEmpty());
    window.document()->history()->stack()->undo();
    QVERIFY(!target->caption()->bold);
}

// A card's own band, dragged over its picture or typed, is what the sheet shows of it; the
// sheet's first picture stays whole and has none to set.
void TestSheet::ownBands()
{
    MainWindow window;
    window.resize(1366, 728);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fill(window, 3, 1);
    PreviewWidget* preview = window.previewWidget();
    typeOver(preview->property(PreviewWidget::Band), QStringLiteral("60"));
    ImageItem* card = window.imagesWidget()->cards().at(1);
    BandEditor* row = window.videoPlayWidget()->bandEditor();
    BandOverlay* overlay = window.videoPlayWidget()->bandOverlay();
    QTRY_VERIFY(overlay->isVisible());
    QCOMPARE(row->topField()->value(), 120);
    QCOMPARE(row->heightField()->value(), 60);

    // The band's top line, dragged up by a sixth of the picture's height.
    const QPoint grip(overlay->pictureRect().center().x(), overlay->edgeY(120));
    const QPoint up = grip - QPoint(0, overlay->pictureRect().height() / 6);
    QTest::mousePress(overlay, Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, up, Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(overlay, &move);
    QTest::mouseRelease(overlay, Qt::LeftButton, {}, up);
    const StillBand dragged = card->band();
    QVERIFY2(dragged.top < 100 && dragged.top + dragged.height == 180,
             qPrintable(QStringLiteral("%1 %2").arg(dragged.top).arg(dragged.height)));
    QCOMPARE(row->topField()->value(), dragged.top);
    QList<QImage> composed;
    for (const ImageItem* each : window.imagesWidget()->cards())
        composed << each->composedImage();
    MergeLayout::Params params = preview->settings().layout;
    params.bands = {{}, dragged, {}};
    QCOMPARE(preview->groupImage(), MergeLayout::merge(composed, params));

    typeOver(row->topField(), QStringLiteral("30"));
    const StillBand typed{30, dragged.height}; // the height kept
    QCOMPARE(card->band(), typed);
    QCOMPARE(preview->groupImage().height(), 180 + dragged.height + 60);
    QTest::mouseClick(row->sharedButton(), Qt::LeftButton);
    QVERIFY(!card->band().isSet());
    QUndoStack* history = window.document()->history()->stack();
    QCOMPARE(history->undoText(), QStringLiteral("Use shared band"));
    history->undo();
    QCOMPARE(card->band(), typed);
    history->undo();
    QCOMPARE(card->band(), dragged);

    QTest::mouseClick(window.imagesWidget()->cards().at(0), Qt::LeftButton, {}, QPoint(80, 10));
    QVERIFY(!row->isEnabled());
    QVERIFY(!overlay->isVisible());
}

// Fitted to captions drawn by Pictorb, bands hold all of each caption, two lines or one.
void TestSheet::bandsFitTheCaptions()
{
    MainWindow window;
    window.show();
    fill(window, 3, 0);
    const QStringList texts = {"", "Two\\Nlines", "One"};
    for (int i = 0; i < 3; ++i) {
        ImageItem* card = window.imagesWidget()->cards().at(i);
        card->caption()->text = texts.at(i);
        card->caption()->fontSize = QStringLiteral("30");
        card->updateImage();
    }
    window.sheetActions()->bandCommands()->fitToCaptions();
    QCOMPARE(window.noticeBar()->text(), QStringLiteral("Bands fitted to captions: 2."));
    for (int i = 1; i < 3; ++i) {
        const ImageItem* card = window.imagesWidget()->cards().at(i);
        const QImage picture = card->composedImage();
        const QRect band(0, card->band().top, 320, card->band().height);
        const int inside = lightPixels(picture, band);
        QVERIFY2(inside > 0 && inside == lightPixels(picture), qPrintable(texts.at(i)));
    }
    QVERIFY(window.imagesWidget()->cards().at(1)->band().height >
            window.imagesWidget()->cards().at(2)->band().height);
    QVERIFY(!window.imagesWidget()->cards().at(0)->band().isSet());
    window.document()->history()->stack()->undo();
    QVERIFY(!window.imagesWidget()->cards().at(1)->band().isSet());
}

// Stills that carry their subtitles: bands found around them, and a line shown twice in a row
// unticked once.
void TestSheet::subtitlesInThePictures()
{
    MainWindow window;
    window.show();
    const QStringList lines = {"Where were you?", "Where were you?", "", "Out, all night."};
    QVector<QRect> rows(lines.size());
    QList<ProjectStill> stills;
    for (int i = 0; i < lines.size(); ++i) {
        stills << window.imagesWidget()->newStill(
            subtitledStill({640, 360}, quint32(i), lines.at(i), &rows[i]), StillOrigin());
        stills.last().origin.id = StillOrigin::newId();
    }
    window.imagesWidget()->replaceStills(stills, 0);
    window.previewWidget()->layoutButton(MergeLayout::Vertical)->click();
    typeOver(window.previewWidget()->property(PreviewWidget::YSpace), QStringLiteral("0"));
    BandCommands* commands = window.sheetActions()->bandCommands();
    commands->detectSubtitles();
    QVERIFY2(window.noticeBar()->text().contains("None in picture 3"),
             qPrintable(window.noticeBar()->text()));
    for (int i : {0, 1, 3}) {
        const StillBand band = window.imagesWidget()->cards().at(i)->band();
        QVERIFY(band.top <= rows[i].top() && band.top + band.height > rows[i].bottom());
    }
    QVERIFY(!window.imagesWidget()->cards().at(2)->band().isSet());
    // The stack became a strip whose shared band is as tall as the tallest found.
    int tallest = 0;
    for (const ImageItem* card : window.imagesWidget()->cards())
        tallest = std::max(tallest, card->band().height);
    QCOMPARE(window.previewWidget()->sharedBand(), tallest);

    commands->dropRepeatedLines();
    QCOMPARE(strip(window).section('|', 1), QStringLiteral("1011"));
    window.document()->history()->stack()->undo();
    QCOMPARE(strip(window).section('|', 1), QStringLiteral("1111"));
}

// The View keys zoom by steps of a tenth; Ctrl and the wheel zoom around the pointer.
void TestSheet::zoomKeysAndWheel()
{
    MainWindow window;
    window.resize(1366, 728);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fill(window, 8, 0);
    window.previewWidget()->showImage();
    ScaleViewBar* zoom = window.previewWidget()->scaleViewBar();
    const int fit = zoom->value();
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+1")));
    QCOMPARE(zoom->value(), 100);
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+-")));
    QCOMPARE(zoom->value(), 91);
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+0")));
    QCOMPARE(zoom->value(), fit);

    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+1")));
    QScrollArea* area = window.previewWidget()->scrollArea();
    QLabel* picture = window.previewWidget()->pictureLabel();
    const QPoint pointer(area->viewport()->width() / 3, area->viewport()->height() / 2);
    const QPointF before = picture->mapFrom(area->viewport(), pointer);
    const QPointF share(0, before.y() / picture->height());
    QWheelEvent wheel(pointer, area->viewport()->mapToGlobal(pointer), {}, {0, -120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area->viewport(), &wheel);
    QCOMPARE(zoom->value(), 91);
    // Along the stack, where the picture scrolls (across it the narrow sheet stays centred).
    const QPointF after = picture->mapFrom(area->viewport(), pointer);
    QVERIFY(qAbs(after.y() / picture->height() - share.y()) * picture->height() <= 1.0);
}

PICTORB_TEST_MAIN(TestSheet)
#include "tst_sheet.moc"
