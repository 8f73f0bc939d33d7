#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "LogCapture.h"
#include "PictureFiles.h"
#include "core/base/AppConfig.h"
#include "core/base/PlatformShell.h"
#include "core/base/ScreenManager.h"
#include "core/images/CaptureData.h"
#include "core/images/SaveImageThread.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"

using PictureFiles::solid;

namespace {

// Records the strip's signals and the "select_image_complete" posts in arrival order.
class Recorder : public QObject
{
public:
    explicit Recorder(ImagesWidget* strip)
    {
        connect(GlobalManager::instance(), &GlobalManager::globalEvent, this,
                [this](const QString& name, const QVariant&) {
                    if (name == AppConfig::kEventSelectImageComplete)
                        events << name;
                });
        connect(strip, &ImagesWidget::applyStyleSignal, this,
                [this] { events << QStringLiteral("applyStyleSignal"); });
        connect(strip, &ImagesWidget::selectImageItemSignal, this, [this](ImageItem* item) {
            events << QStringLiteral("selectImageItemSignal");
            items << item;
        });
        connect(strip, &ImagesWidget::dragFileSignal, this, [this](const QString& path) {
            events << QStringLiteral("dragFileSignal");
            paths << path;
        });
        connect(strip, &ImagesWidget::deleteImageItem, this, [this](ImageItem* item) {
            events << QStringLiteral("deleteImageItem");
            items << item;
        });
        connect(strip, &ImagesWidget::clearAll, this,
                [this] { events << QStringLiteral("clearAll"); });
        connect(strip, &ImagesWidget::loadFileSignal, this,
                [this] { events << QStringLiteral("loadFileSignal"); });
    }

    QStringList take()
    {
        const QStringList taken = events;
        events.clear();
        items.clear();
        return taken;
    }

    QStringList events;
    QList<ImageItem*> items;
    QStringList paths;
};

const QString kComplete = QStringLiteral("select_image_complete");

QWidget* emptyPanel(ImagesWidget& strip)
{
    const auto panels = strip.findChildren<QWidget*>(QStringLiteral("images_widget"));
    for (QWidget* panel : panels) {
        if (panel->findChild<QWidget*>(QStringLiteral("logo_tip")))
            return panel;
    }
    return nullptr;
}

QPushButton* headerButton(ImagesWidget& strip, const QString& text)
{
    const auto buttons = strip.findChildren<QPushButton*>(QStringLiteral("show"));
    for (QPushButton* button : buttons) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QPushButton* deleteButton(ImageItem* card)
{
    return card->findChild<QPushButton*>(QStringLiteral("noborder"));
}

int lightPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += (qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200) ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class TestImagesStrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newStripShowsEmptyState();
    void importIntoEmptyStrip();
    void laterPicturesUseFirstCanvas();
    void styleInheritedWithoutText();
    void clickingCardMakesItCurrent();
    void applyCurrentStyle();
    void applyWithoutCurrentCard();
    void clearEmptiesTheStrip();
    void untickingEverything();
    void deleteButtonRemovesCard();
    void dropOfTwoFiles();
    void dropOfFolderAndNonPicture();
    void tipLinkAsksForFiles();
    void refusedFiles_data();
    void refusedFiles();
    void capturedPicture();
    void captureWithoutPicture_data();
    void captureWithoutPicture();
    void replaceCapturedPictures_data();
    void replaceCapturedPictures();
    void exportTickedCards();
    void exportWithoutStoredFolder();
    void showMirrorsTheCards();
    void dialogOperationsReachTheStrip();

private:
    QString picture(const QString& name, QSize size, QColor color, const char* format = "PNG");

    QTemporaryDir m_dir;
    QStringList m_revealed;
    ImagesWidget* m_strip = nullptr;
    Recorder* m_recorder = nullptr;
};

void TestImagesStrip::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // The Pictures folder is not redirected by the test mode; a home of our own keeps the
    // default output folder out of the real one even when run outside test.sh.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("home/config")));
    qputenv("HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("home"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("home/config"))));
    PlatformShell::setRevealHandler([this](const QStringList& paths) { m_revealed = paths; });
}

void TestImagesStrip::init()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName).clear();
    m_revealed.clear();
    m_strip = new ImagesWidget;
    m_strip->resize(900, m_strip->height());
    m_strip->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_strip));
    m_recorder = new Recorder(m_strip);
}

void TestImagesStrip::cleanup()
{
    delete m_recorder;
    delete m_strip;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString TestImagesStrip::picture(const QString& name, QSize size, QColor color, const char* format)
{
    const QString path = m_dir.filePath(name);
    if (!solid(size.width(), size.height(), color).save(path, format))
        qWarning() << "test picture not written" << path;
    return path;
}

void TestImagesStrip::newStripShowsEmptyState()
{
    QCOMPARE(m_strip->height(), scaled(150));
    QVERIFY(m_strip->acceptDrops());
    QWidget* empty = emptyPanel(*m_strip);
    QVERIFY(empty && empty->isVisible());
    QVERIFY(!m_strip->findChild<QScrollArea*>()->isVisible());
    for (const char* text : {"Apply Current Style", "Show", "Clear"})
        QVERIFY2(headerButton(*m_strip, QString::fromLatin1(text)), text);
    QVERIFY(m_strip->findChild<QWidget*>(QStringLiteral("sub_title")));
}

void TestImagesStrip::importIntoEmptyStrip()
{
    QVERIFY(m_strip->importFile(picture("a.png", {640, 360}, Qt::red)));

    QCOMPARE(m_recorder->events, (QStringList{"selectImageItemSignal", kComplete}));
    QCOMPARE(m_strip->cards().size(), 1);
    ImageItem* card = m_strip->cards().first();
    QCOMPARE(m_recorder->items, QList<ImageItem*>{card});
    QVERIFY(card->isChecked());
    QVERIFY(card->isSelected());
    QCOMPARE(m_strip->currentCard(), card);
    QCOMPARE(GlobalManager::instance()->selectedItems(), QList<ImageItem*>{card});
    QCOMPARE(card->size(), QSize(160, 90));
    QCOMPARE(card->canvasSize(), QSize(640, 360));
    QCOMPARE(card->caption()->x, 320);
    QCOMPARE(card->caption()->y, 320);
    QVERIFY(card->caption()->text.isEmpty());
    QVERIFY(!emptyPanel(*m_strip)->isVisible());
    QVERIFY(m_strip->findChild<QScrollArea*>()->isVisible());
}

void TestImagesStrip::laterPicturesUseFirstCanvas()
{
    QVERIFY(m_strip->importFile(picture("small.png", {640, 360}, Qt::red)));
    QVERIFY(m_strip->importFile(picture("big.png", {1920, 1080}, Qt::green)));
    QVERIFY(m_strip->importFile(picture("square.jpg", {500, 500}, Qt::blue, "JPG")));

    const QList<ImageItem*> cards = m_strip->cards();
    QCOMPARE(cards.size(), 3);
    for (ImageItem* card : cards)
        QCOMPARE(card->composedImage().size(), QSize(640, 360));
    QCOMPARE(cards.at(1)->composedImage().pixel(320, 180), qRgb(0, 255, 0));
    // The square is 360 high and centred: bars of (640 - 360) / 2 = 140 on each side.
    const QImage square = cards.at(2)->composedImage();
    QCOMPARE(square.pixel(10, 180), qRgb(0, 0, 0));
    QCOMPARE(square.pixel(630, 180), qRgb(0, 0, 0));
    QVERIFY(qBlue(square.pixel(320, 180)) > 200);
    // The newest card is the current one, alone.
    QVERIFY(!cards.at(0)->isSelected() && !cards.at(1)->isSelected() && cards.at(2)->isSelected());
}

void TestImagesStrip::styleInheritedWithoutText()
{
    QVERIFY(m_strip->importFile(picture("one.png", {640, 360}, Qt::red)));
    ImageCaption* first = m_strip->cards().first()->caption();
    first->text = QStringLiteral("first words");
    first->fontSize = QStringLiteral("30");
    first->color = QStringLiteral("#FF00FF00");
    first->bold = true;
    first->border = 2;
    first->x = 11;
    first->y = 22;
    first->hAlign = 5;
    first->vAlign = 3;

    QVERIFY(m_strip->importFile(picture("two.png", {300, 300}, Qt::blue)));
    const ImageCaption* second = m_strip->cards().at(1)->caption();
    QVERIFY(second->text.isEmpty());
    QCOMPARE(second->fontSize, QStringLiteral("30"));
    QCOMPARE(second->color, QStringLiteral("#FF00FF00"));
    QVERIFY(second->bold);
    QCOMPARE(second->border, 2);
    QCOMPARE(second->x, 11);
    QCOMPARE(second->y, 22);
    QCOMPARE(second->hAlign, 5);
    QCOMPARE(second->vAlign, 3);
    // Each card has its own record.
    QVERIFY(first != second);
}

void TestImagesStrip::clickingCardMakesItCurrent()
{
    QVERIFY(m_strip->importFile(picture("one.png", {640, 360}, Qt::red)));
    QVERIFY(m_strip->importFile(picture("two.png", {640, 360}, Qt::green)));
    ImageItem* first = m_strip->cards().at(0);
    ImageItem* second = m_strip->cards().at(1);
    m_recorder->take();

    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(80, 45));
    QCOMPARE(m_recorder->events, QStringList{"selectImageItemSignal"});
    QCOMPARE(m_recorder->items, QList<ImageItem*>{first});
    QVERIFY(first->isSelected());
    QVERIFY(!second->isSelected());
    QVERIFY(!first->styleSheet().isEmpty());
    QVERIFY(second->styleSheet().isEmpty());
    // A click picks the card; it does not untick it.
    QVERIFY(first->isChecked());
}

void TestImagesStrip::applyCurrentStyle()
{
    QVERIFY(m_strip->importFile(picture("one.png", {400, 200}, QColor(60, 60, 60))));
    QVERIFY(m_strip->importFile(picture("two.png", {400, 200}, QColor(60, 60, 60))));
    ImageItem* first = m_strip->cards().at(0);
    ImageItem* second = m_strip->cards().at(1);
    first->caption()->text = QStringLiteral("first");
    first->updateImage();
    const int before = lightPixels(first->composedImage());

    ImageCaption* style = second->caption();
    style->text = QStringLiteral("second");
    style->fontSize = QStringLiteral("40");
    style->x = 200;
    style->y = 100;
    m_recorder->take();

    headerButton(*m_strip, QStringLiteral("Apply Current Style"))->click();

    QCOMPARE(m_recorder->events, (QStringList{kComplete, "applyStyleSignal"}));
    QCOMPARE(first->caption()->text, QStringLiteral("first"));
    QCOMPARE(first->caption()->fontSize, QStringLiteral("40"));
    QCOMPARE(first->caption()->x, 200);
    // The first card was redrawn with the larger font.
    QVERIFY(lightPixels(first->composedImage()) > before);
    QVERIFY(lightPixels(second->composedImage()) > 0);
}

void TestImagesStrip::applyWithoutCurrentCard()
{
    QVERIFY(m_strip->importFile(picture("one.png", {400, 200}, Qt::red)));
    QVERIFY(m_strip->importFile(picture("two.png", {400, 200}, Qt::green)));
    ImageItem* first = m_strip->cards().at(0);
    m_strip->cards().at(1)->caption()->fontSize = QStringLiteral("44");
    // Deleting the current card leaves none.
    deleteButton(m_strip->cards().at(1))->click();
    QVERIFY(!m_strip->currentCard());
    m_recorder->take();

    m_strip->applyCurrentStyle();
    QCOMPARE(m_recorder->events, (QStringList{kComplete, "applyStyleSignal"}));
    QCOMPARE(first->caption()->fontSize, QStringLiteral("18"));
}

void TestImagesStrip::clearEmptiesTheStrip()
{
    QVERIFY(m_strip->importFile(picture("one.png", {400, 200}, Qt::red)));
    QVERIFY(m_strip->importFile(picture("two.png", {400, 200}, Qt::green)));
    QPointer<ImageItem> card = m_strip->cards().first();
    m_recorder->take();

    headerButton(*m_strip, QStringLiteral("Clear"))->click();
    QCOMPARE(m_recorder->events, (QStringList{"clearAll", kComplete}));
    QVERIFY(m_strip->cards().isEmpty());
    QVERIFY(card.isNull());
    QVERIFY(GlobalManager::instance()->selectedItems().isEmpty());
    QVERIFY(emptyPanel(*m_strip)->isVisible());
    QVERIFY(!m_strip->findChild<QScrollArea*>()->isVisible());
}

void TestImagesStrip::untickingEverything()
{
    QVERIFY(m_strip->importFile(picture("one.png", {400, 200}, Qt::red)));
    QVERIFY(m_strip->importFile(picture("two.png", {400, 200}, Qt::green)));
    m_recorder->take();

    for (ImageItem* card : m_strip->cards())
        card->setChecked(false);
    QCOMPARE(m_recorder->take(), (QStringList{kComplete, kComplete}));
    QVERIFY(GlobalManager::instance()->selectedItems().isEmpty());
    QCOMPARE(m_strip->cards().size(), 2);

    m_strip->selectAll(true);
    QCOMPARE(m_recorder->take(), QStringList{kComplete});
    QCOMPARE(GlobalManager::instance()->selectedItems(), m_strip->cards());

    m_strip->selectImage(m_strip->cards().first());
    QCOMPARE(m_recorder->take(), QStringList{kComplete});
    QCOMPARE(GlobalManager::instance()->selectedItems(), QList<ImageItem*>{m_strip->cards().at(1)});
}

void TestImagesStrip::deleteButtonRemovesCard()
{
    QVERIFY(m_strip->importFile(picture("one.png", {400, 200}, Qt::red)));
    QVERIFY(m_strip->importFile(picture("two.png", {400, 200}, Qt::green)));
    QPointer<ImageItem> first = m_strip->cards().first();
    m_recorder->take();

    deleteButton(first)->click();
    QCOMPARE(m_recorder->events, (QStringList{"deleteImageItem", kComplete}));
    QCOMPARE(m_recorder->items, QList<ImageItem*>{first.data()});
    QCOMPARE(m_strip->cards().size(), 1);
    QVERIFY(!GlobalManager::instance()->selectedItems().contains(first.data()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
}

void TestImagesStrip::dropOfTwoFiles()
{
    const QString one = picture("drop1.png", {320, 180}, Qt::red);
    const QString two = picture("drop2.png", {320, 180}, Qt::blue);
    connect(m_strip, &ImagesWidget::dragFileSignal, m_strip, &ImagesWidget::importFile);

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(one), QUrl::fromLocalFile(two)});
    QDragEnterEvent enter(QPoint(20, 60), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_strip, &enter);
    QVERIFY(enter.isAccepted());

    LogCapture log;
    QDropEvent drop(QPointF(20, 60), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_strip, &drop);

    QCOMPARE(m_recorder->paths, (QStringList{one, two}));
    QCOMPARE(m_strip->cards().size(), 2);
    QCOMPARE(m_strip->cards().at(0)->sourceImage().pixel(1, 1), qRgb(255, 0, 0));
    QCOMPARE(m_strip->cards().at(1)->sourceImage().pixel(1, 1), qRgb(0, 0, 255));
    QVERIFY(log.contains(QStringLiteral("Dropped file path: ") + one));
    QVERIFY(log.contains(QStringLiteral("Dropped file path: ") + two));
}

void TestImagesStrip::dropOfFolderAndNonPicture()
{
    const QString text = m_dir.filePath("notes.png");
    QVERIFY(PictureFiles::writeBytes(text, "just words"));
    QVERIFY(QDir(m_dir.path()).mkpath("folder"));
    connect(m_strip, &ImagesWidget::dragFileSignal, m_strip, &ImagesWidget::importFile);

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(m_dir.filePath("folder")), QUrl::fromLocalFile(text),
                  QUrl(QStringLiteral("https://example.invalid/a.png"))});
    QMimeData words;
    words.setText(QStringLiteral("no urls"));
    QDragEnterEvent refused(QPoint(20, 60), Qt::CopyAction, &words, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QCoreApplication::sendEvent(m_strip, &refused);
    QVERIFY(!refused.isAccepted());

    QDragEnterEvent enter(QPoint(20, 60), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_strip, &enter);
    QVERIFY(enter.isAccepted());

    LogCapture log;
    QDropEvent drop(QPointF(20, 60), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_strip, &drop);
    QVERIFY(m_recorder->paths.isEmpty());
    QVERIFY(m_strip->cards().isEmpty());
    QVERIFY(log.contains(QStringLiteral("a folder is not a picture")));
    QVERIFY(log.contains(QStringLiteral("not a picture file")));
    QVERIFY(log.contains(QStringLiteral("not a local file")));
}

void TestImagesStrip::tipLinkAsksForFiles()
{
    auto* tip = m_strip->findChild<QLabel*>(QStringLiteral("logo_tip"));
    QVERIFY(tip);
    QVERIFY(tip->text().contains(QStringLiteral("href=\"clicked\"")));
    QVERIFY(tip->text().contains(QStringLiteral("Click here to import image.")));
    emit tip->linkActivated(QStringLiteral("clicked"));
    QCOMPARE(m_recorder->events, QStringList{"loadFileSignal"});
}

void TestImagesStrip::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("20000 px wide") << PictureFiles::pngHeaderOnly(20000, 50);
    QTest::newRow("160 megapixels") << PictureFiles::pngHeaderOnly(16000, 10000);
    QTest::newRow("undecodable") << QByteArray("\x89PNG\r\n\x1a\nbroken", 14);
    QTest::newRow("empty file") << QByteArray();
}

void TestImagesStrip::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath("refused.png");
    QVERIFY(PictureFiles::writeBytes(path, bytes));

    LogCapture log;
    QVERIFY(!m_strip->importFile(path));
    QVERIFY(m_strip->cards().isEmpty());
    QVERIFY(m_recorder->events.isEmpty());
    QVERIFY(emptyPanel(*m_strip)->isVisible());
    QVERIFY(log.contains(QStringLiteral("skipped")));

    // A good picture afterwards still sets the canvas.
    QVERIFY(m_strip->importFile(picture("good.png", {200, 100}, Qt::red)));
    QCOMPARE(m_strip->cards().first()->canvasSize(), QSize(200, 100));
}

void TestImagesStrip::capturedPicture()
{
    QVERIFY(m_strip->importFile(picture("first.png", {640, 360}, Qt::red)));
    ImageItem* imported = m_strip->cards().first();
    m_recorder->take();

    AppConfig::CaptureData capture;
    capture.image = QPixmap::fromImage(solid(300, 200, Qt::green));
    capture.position = 12.5;
    capture.index = 4;
    LogCapture log;
    m_strip->addImage(QVariant::fromValue(capture));

    QCOMPARE(m_recorder->take(), QStringList{kComplete});
    QCOMPARE(m_strip->cards().size(), 2);
    ImageItem* card = m_strip->cards().at(1);
    QVERIFY(log.contains(QStringLiteral("addImage: 12.5 4")));
    QCOMPARE(card->capturePosition(), 12.5);
    QCOMPARE(card->captureIndex(), 4);
    // 150 wide, 200 * 150 / 300 = 100 high (at the test's screen scale of 1).
    QCOMPARE(card->size(), QSize(scaled(150), int(200.0f * (float(scaled(150)) / 300.0f))));
    QCOMPARE(card->canvasSize(), QSize(640, 360));
    QVERIFY(card->isChecked());
    // A capture does not take the current card's place.
    QVERIFY(!card->isSelected());
    QVERIFY(imported->isSelected());

    // A click on a captured card toggles its tick.
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!card->isChecked());
    QCOMPARE(GlobalManager::instance()->selectedItems(), QList<ImageItem*>{imported});
    QVERIFY(!m_recorder->take().contains("selectImageItemSignal"));

    // Its delete button removes it without announcing a deleted item.
    deleteButton(card)->click();
    QCOMPARE(m_recorder->take(), QStringList{kComplete});
    QCOMPARE(m_strip->cards(), QList<ImageItem*>{imported});
}

void TestImagesStrip::captureWithoutPicture_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("null picture") << QVariant::fromValue(AppConfig::CaptureData());
    QTest::newRow("another type") << QVariant(QStringLiteral("not a capture"));
    QTest::newRow("invalid") << QVariant();
}

void TestImagesStrip::captureWithoutPicture()
{
    QFETCH(QVariant, value);
    LogCapture log;
    m_strip->addImage(value);
    QVERIFY(m_strip->cards().isEmpty());
    QVERIFY(m_recorder->events.isEmpty());
    QVERIFY(log.contains(QStringLiteral("holds no picture")));
}

void TestImagesStrip::replaceCapturedPictures_data()
{
    QTest::addColumn<int>("pictureCount");
    QTest::addColumn<QList<QRgb>>("expected"); // centre pixel of each card afterwards
    QTest::newRow("one per card") << 2 << QList<QRgb>{qRgb(0, 0, 255), qRgb(0, 0, 255)};
    QTest::newRow("shorter list") << 1 << QList<QRgb>{qRgb(0, 0, 255), qRgb(0, 255, 0)};
    QTest::newRow("longer list") << 3 << QList<QRgb>{qRgb(0, 0, 255), qRgb(0, 0, 255)};
    QTest::newRow("empty list") << 0 << QList<QRgb>{qRgb(255, 0, 0), qRgb(0, 255, 0)};
}

void TestImagesStrip::replaceCapturedPictures()
{
    QFETCH(int, pictureCount);
    QFETCH(QList<QRgb>, expected);
    QVERIFY(m_strip->importFile(picture("r.png", {320, 180}, Qt::red)));
    QVERIFY(m_strip->importFile(picture("g.png", {320, 180}, Qt::green)));
    m_strip->cards().at(0)->caption()->text = QStringLiteral("stays in the record");
    m_strip->cards().at(0)->updateImage();
    m_recorder->take();

    QList<QPixmap> pictures;
    for (int i = 0; i < pictureCount; ++i)
        pictures << QPixmap::fromImage(solid(640, 360, Qt::blue));
    m_strip->updateImages(pictures);

    QCOMPARE(m_recorder->events, QStringList{kComplete});
    for (int i = 0; i < 2; ++i) {
        const QImage composed = m_strip->cards().at(i)->composedImage();
        QCOMPARE(composed.size(), QSize(320, 180));
        QCOMPARE(composed.pixel(5, 5), expected.at(i));
    }
    QCOMPARE(m_strip->cards().at(0)->caption()->text, QStringLiteral("stays in the record"));
}

void TestImagesStrip::exportTickedCards()
{
    const QString output = m_dir.filePath("out");
    GlobalManager::instance()->setSetting(AppConfig::kFileSavePath, output);
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
    QVERIFY(m_strip->importFile(picture("r.png", {320, 180}, Qt::red)));
    QVERIFY(m_strip->importFile(picture("g.png", {320, 180}, Qt::green)));
    QVERIFY(m_strip->importFile(picture("b.png", {320, 180}, Qt::blue)));
    m_strip->cards().at(1)->setChecked(false);
    m_strip->cards().at(2)->caption()->text = QStringLiteral("burnt in");
    m_strip->cards().at(2)->updateImage();

    QSignalSpy progress(m_strip->saveThread(), &SaveImageThread::saveProgress);
    m_strip->exportSelected();
    QVERIFY(QTest::qWaitFor([this] { return !m_revealed.isEmpty(); }, 20000));

    QCOMPARE(m_revealed, (QStringList{output + "/Pictorb_1.png", output + "/Pictorb_2.png"}));
    QCOMPARE(progress.count(), 2);
    QCOMPARE(QImage(m_revealed.at(0)).pixel(5, 5), qRgb(255, 0, 0));
    const QImage second(m_revealed.at(1));
    QCOMPARE(second.pixel(5, 5), qRgb(0, 0, 255));
    QVERIFY(lightPixels(second) > 0);
    // The temporary folder is emptied by the move.
    QVERIFY(QDir(output + "/tmp").entryList(QDir::Files).isEmpty());
    ImageListViewDialog* dialog = m_strip->imageListDialog();
    QVERIFY(dialog->progressBar()->isHidden());
    QCOMPARE(dialog->progressBar()->maximum(), 2);

    // A second export finds the names taken and counts up.
    m_revealed.clear();
    m_strip->exportSelected();
    QVERIFY(QTest::qWaitFor([this] { return !m_revealed.isEmpty(); }, 20000));
    QCOMPARE(m_revealed, (QStringList{output + "/Pictorb_1(1).png", output + "/Pictorb_2(1).png"}));
}

void TestImagesStrip::exportWithoutStoredFolder()
{
    QVERIFY(m_strip->importFile(picture("r.png", {32, 18}, Qt::red)));
    m_strip->exportSelected();
    QVERIFY(QTest::qWaitFor([this] { return !m_revealed.isEmpty(); }, 20000));
    const QString pictures = GlobalManager::instance()->getPicturesDir(AppConfig::kProductName);
    QCOMPARE(m_revealed.size(), 1);
    QVERIFY(pictures.startsWith(m_dir.path()));
    QCOMPARE(QFileInfo(m_revealed.first()).absolutePath(), QFileInfo(pictures).absoluteFilePath());
    QVERIFY(QFile::remove(m_revealed.first()));
}

void TestImagesStrip::showMirrorsTheCards()
{
    QVERIFY(m_strip->importFile(picture("r.png", {320, 180}, Qt::red)));
    QVERIFY(m_strip->importFile(picture("g.png", {320, 180}, Qt::green)));
    m_strip->cards().at(1)->setChecked(false);
    ImageCaption* caption = m_strip->cards().at(0)->caption();
    caption->text = QStringLiteral("edited before showing");

    headerButton(*m_strip, QStringLiteral("Show"))->click();
    ImageListViewDialog* dialog = m_strip->imageListDialog();
    QVERIFY(dialog->isVisible());
    const QList<ImageItem*> mirrors = dialog->mirrorItems();
    QCOMPARE(mirrors.size(), 2);
    QVERIFY(mirrors.at(0)->isChecked());
    QVERIFY(!mirrors.at(1)->isChecked());
    QCOMPARE(mirrors.at(0)->caption(), caption);
    QVERIFY(lightPixels(mirrors.at(0)->composedImage()) > 0);

    m_strip->closeImageListDialog();
    QVERIFY(!dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_strip->imageListDialog());
    // The strip keeps working without its dialog.
    m_strip->showButtonClickedHandle();
    headerButton(*m_strip, QStringLiteral("Clear"))->click();
    QVERIFY(m_strip->cards().isEmpty());
}

void TestImagesStrip::dialogOperationsReachTheStrip()
{
    QVERIFY(m_strip->importFile(picture("r.png", {320, 180}, Qt::red)));
    QVERIFY(m_strip->importFile(picture("g.png", {320, 180}, Qt::green)));
    QVERIFY(m_strip->importFile(picture("b.png", {320, 180}, Qt::blue)));
    m_strip->showButtonClickedHandle();
    ImageListViewDialog* dialog = m_strip->imageListDialog();

    // Unticking a mirror unticks its strip card.
    dialog->mirrorItems().at(0)->setChecked(false);
    QVERIFY(!m_strip->cards().at(0)->isChecked());

    // "Select all" in the dialog ticks every strip card.
    auto* selectAll = dialog->findChild<QCheckBox*>(QStringLiteral("select_all"));
    QVERIFY(selectAll);
    selectAll->setChecked(false);
    selectAll->setChecked(true);
    for (ImageItem* card : m_strip->cards())
        QVERIFY(card->isChecked());

    // Deleting a mirror deletes the strip card.
    ImageItem* middle = m_strip->cards().at(1);
    m_recorder->take();
    deleteButton(dialog->mirrorItems().at(1))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_recorder->events.first(), QStringLiteral("deleteImageItem"));
    QCOMPARE(m_strip->cards().size(), 2);
    QVERIFY(!m_strip->cards().contains(middle));
    QCOMPARE(dialog->mirrorItems().size(), 2);

    // Deleting on the strip while the dialog is open leaves no stale mirror.
    deleteButton(m_strip->cards().at(0))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(dialog->mirrorItems().size(), 1);

    // The dialog's Clear empties the strip.
    emit dialog->deleteAllSignal();
    QVERIFY(m_strip->cards().isEmpty());
    QVERIFY(dialog->mirrorItems().isEmpty());
}

QTEST_MAIN(TestImagesStrip)
#include "tst_imagesstrip.moc"
