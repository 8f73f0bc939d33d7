#include "app/TestHome.h"
#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "core/base/TranslateManager.h"
#include "core/images/ImageCaption.h"
#include "gui/application/GlobalManager.h"
#include "gui/editor/CaptionStyleEditor.h"
#include "gui/editor/ColorEntry.h"
#include "gui/editor/PlaybackBar.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/ImageItem.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/PropertyItem.h"
#include "gui/widgets/TinySlider.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace {

// Marks every text it is asked for, so a test sees which labels were re-read.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char*, const char* sourceText, const char*, int) const override
    {
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

// Answers the next modal colour dialog with a colour, or cancels it when none is given.
void answerColorDialog(const QColor& color)
{
    QTimer::singleShot(0, [color] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (color.isValid()) {
            dialog->setCurrentColor(color);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

// Keeps the key presses that reach it, to prove the panel let none through.
class KeyCountingParent : public QWidget
{
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

} // namespace

class TestVideoPlayWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void hexTypedKeepsOpacity_data();
    void hexTypedKeepsOpacity();
    void opacityIsClampedAndStoredAsAlpha_data();
    void opacityIsClampedAndStoredAsAlpha();
    void propertyRowsClampAndApply_data();
    void propertyRowsClampAndApply();
    void emptySizeIsNotAppliedButEmptyXIs();
    void alignmentOptionPlacesCaption_data();
    void alignmentOptionPlacesCaption();
    void typingPositionUntickesOptionsButKeepsAlignment();
    void lineBreakIsStoredAndGrowsTheTextBox();
    void loadingACardFillsTheEditor();
    void fontStylesAreApplied();
    void swatchPicksColourWithAlpha();
    void cancelledSwatchChangesNothing();
    void noCardMeansNothingIsApplied();
    void pictureFitsThePanel_data();
    void pictureFitsThePanel();
    void clearShowsPlaceholderAndKeepsEditorValues();
    void resizeWithoutCardOnlyAnnounces();
    void clickOnPanelTakesFocusFromColourField();
    void keysStopAtThePanel();
    void volumeIsStoredAndRestored();
    void languageChangeRelabelsButKeepsValues();

private:
    ImageItem* showCard(int width, int height, const QString& text = QString());

    std::unique_ptr<VideoPlayWidget> m_panel;
    std::unique_ptr<ImageItem> m_card;
    CaptionStyleEditor* m_editor = nullptr;
};

void TestVideoPlayWidget::init()
{
    m_card.reset();
    m_panel = std::make_unique<VideoPlayWidget>();
    m_panel->resize(600, 700);
    m_editor = m_panel->captionEditor();
}

ImageItem* TestVideoPlayWidget::showCard(int width, int height, const QString& text)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(20, 30, 90));
    m_card = std::make_unique<ImageItem>();
    m_card->setCanvasSize(width, height);
    m_card->setImage(picture);
    auto caption = std::make_shared<ImageCaption>();
    caption->text = text;
    caption->x = width / 2;
    caption->y = height - 40;
    m_card->setCaption(caption);
    m_card->updateImage();
    m_panel->showImageItem(m_card.get());
    return m_card.get();
}

void TestVideoPlayWidget::hexTypedKeepsOpacity_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("swatch");
    QTest::newRow("opaque") << "#FFFFFFFF"
                            << "#00ff00"
                            << "#ff00ff00"
                            << "#00ff00";
    QTest::newRow("half transparent") << "#80FFFFFF"
                                      << "00ff00"
                                      << "#8000ff00"
                                      << "#00ff00";
    QTest::newRow("not a colour is black") << "#40123456"
                                           << "zz"
                                           << "#40000000"
                                           << "#000000";
}

void TestVideoPlayWidget::hexTypedKeepsOpacity()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, swatch);
    ImageItem* card = showCard(640, 360, QStringLiteral("Hi"));
    card->caption()->color = stored;
    m_panel->loadCaption(*card->caption());

    QLineEdit* hex = m_editor->textColorEntry()->hexField();
    hex->clear();
    QTest::keyClicks(hex, typed);
    QCOMPARE(card->caption()->color, expected);
    QCOMPARE(hex->text(), typed); // the field keeps what was typed
    QCOMPARE(m_editor->textColorEntry()->swatch()->styleSheet(),
             QStringLiteral("background-color: %1;").arg(swatch));
}

void TestVideoPlayWidget::opacityIsClampedAndStoredAsAlpha_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("alpha");
    QTest::newRow("above 100") << "150"
                               << "100" << 255;
    QTest::newRow("negative") << "-5"
                              << "0" << 0;
    QTest::newRow("half") << "50"
                          << "50" << 127;
    QTest::newRow("not a number") << "ab"
                                  << "0" << 0;
}

void TestVideoPlayWidget::opacityIsClampedAndStoredAsAlpha()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, alpha);
    ImageItem* card = showCard(640, 360, QStringLiteral("Hi"));
    QLineEdit* opacity = m_editor->borderColorEntry()->opacityField();
    // Replaced in one go, as a paste does.
    opacity->selectAll();
    opacity->insert(typed);
    QCOMPARE(opacity->text(), shown);
    QCOMPARE(QColor(card->caption()->borderColor).alpha(), alpha);
    QCOMPARE(card->caption()->borderColor.mid(3), QStringLiteral("000000"));

    // What was stored reads back as the same percentage.
    m_panel->loadCaption(*card->caption());
    QCOMPARE(opacity->text(), shown);
}

void TestVideoPlayWidget::propertyRowsClampAndApply_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("size above 100") << int(CaptionStyleEditor::Size) << "250"
                                    << "100";
    QTest::newRow("negative border") << int(CaptionStyleEditor::Border) << "-3"
                                     << "0";
    QTest::newRow("x below its minimum") << int(CaptionStyleEditor::X) << "-999"
                                         << "-384";
    QTest::newRow("y in range") << int(CaptionStyleEditor::Y) << "123"
                                << "123";
}

void TestVideoPlayWidget::propertyRowsClampAndApply()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ImageItem* card = showCard(640, 360, QStringLiteral("Hi"));
    QLineEdit* field = m_editor->property(row)->lineEdit();
    field->clear();
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), shown);

    const ImageCaption& caption = *card->caption();
    const QMap<int, QString> stored = {
        {CaptionStyleEditor::Size, caption.fontSize},
        {CaptionStyleEditor::Border, QString::number(caption.border)},
        {CaptionStyleEditor::X, QString::number(caption.x)},
        {CaptionStyleEditor::Y, QString::number(caption.y)}};
    QCOMPARE(stored.value(row), shown);
}

void TestVideoPlayWidget::emptySizeIsNotAppliedButEmptyXIs()
{
    ImageItem* card = showCard(640, 360, QStringLiteral("Hi"));
    QSignalSpy edits(m_panel.get(), &VideoPlayWidget::editSignal);
    m_editor->property(CaptionStyleEditor::Size)->lineEdit()->clear();
    QCOMPARE(edits.count(), 0);
    QCOMPARE(card->caption()->fontSize, QStringLiteral("18"));

    m_editor->property(CaptionStyleEditor::X)->lineEdit()->clear();
    QCOMPARE(edits.count(), 1);
    QCOMPARE(card->caption()->x, 0);
}

void TestVideoPlayWidget::alignmentOptionPlacesCaption_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("id");
    QTest::newRow("right") << true << int(ImageCaption::Right);
    QTest::newRow("centre") << true << int(ImageCaption::HCenter);
    QTest::newRow("left") << true << int(ImageCaption::Left);
    QTest::newRow("top") << false << int(ImageCaption::Top);
    QTest::newRow("middle") << false << int(ImageCaption::VCenter);
    QTest::newRow("bottom") << false << int(ImageCaption::Bottom);
}

void TestVideoPlayWidget::alignmentOptionPlacesCaption()
{
    QFETCH(bool, horizontal);
    QFETCH(int, id);
    ImageItem* card = showCard(640, 360, QStringLiteral("A subtitle line"));
    const QList<int> ids = horizontal ? QList<int>{4, 5, 6} : QList<int>{1, 2, 3};
    const auto box = [&](int option) {
        return horizontal ? m_editor->horizontalBox(option) : m_editor->verticalBox(option);
    };
    // Start from another option of the group, which the chosen one must untick.
    const int other = ids.at((ids.indexOf(id) + 1) % 3);
    box(other)->setChecked(true);
    QVERIFY(box(other)->isChecked());

    box(id)->click();
    QVERIFY(box(id)->isChecked());
    for (int option : ids) {
        if (option != id)
            QVERIFY2(!box(option)->isChecked(), qPrintable(QString::number(option)));
    }
    const int expected = horizontal ? card->getXPos(id) : card->getYPos(id);
    PropertyItem* row =
        m_editor->property(horizontal ? CaptionStyleEditor::X : CaptionStyleEditor::Y);
    QCOMPARE(row->value(), expected);
    QCOMPARE(horizontal ? card->caption()->x : card->caption()->y, expected);
    QCOMPARE(horizontal ? card->caption()->hAlign : card->caption()->vAlign, id);
}

void TestVideoPlayWidget::typingPositionUntickesOptionsButKeepsAlignment()
{
    ImageItem* card = showCard(640, 360, QStringLiteral("Hi"));
    m_editor->horizontalBox(ImageCaption::HCenter)->click();
    m_editor->verticalBox(ImageCaption::Top)->click();
    QCOMPARE(card->caption()->x, 320);

    QTest::keyClicks(m_editor->property(CaptionStyleEditor::X)->lineEdit(), QStringLiteral("5"));
    for (QCheckBox* box : m_panel->findChildren<QCheckBox*>()) {
        if (box == m_editor->fontStyleBox(0) || box == m_editor->fontStyleBox(1) ||
            box == m_editor->fontStyleBox(2) || box == m_editor->fontStyleBox(3))
            continue;
        QVERIFY2(!box->isChecked(), qPrintable(box->text()));
    }
    QCOMPARE(card->caption()->x, 3205);
    QCOMPARE(card->caption()->hAlign, 5);
    QCOMPARE(card->caption()->vAlign, 3);
}

void TestVideoPlayWidget::lineBreakIsStoredAndGrowsTheTextBox()
{
    ImageItem* card = showCard(640, 360);
    QTextEdit* text = m_editor->textEdit();
    QCOMPARE(text->height(), scaled(25));
    QTest::keyClicks(text, QStringLiteral("first"));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, QStringLiteral("second"));
    QCOMPARE(card->caption()->text, QStringLiteral("first\\Nsecond"));
    QCOMPARE(text->height(), scaled(45));

    QTest::keyClick(text, Qt::Key_Home);
    QTest::keyClick(text, Qt::Key_Backspace);
    QCOMPARE(card->caption()->text, QStringLiteral("firstsecond"));
    QCOMPARE(text->height(), scaled(25));
}

void TestVideoPlayWidget::loadingACardFillsTheEditor()
{
    ImageItem* card = showCard(640, 360);
    ImageCaption& caption = *card->caption();
    caption.text = QStringLiteral("one\\Ntwo");
    caption.fontSize = QStringLiteral("32");
    caption.x = 100;
    caption.y = 200;
    caption.border = 4;
    caption.italic = true;
    caption.color = QStringLiteral("#7f102030");
    caption.borderColor = QStringLiteral("#ff0000ff");
    caption.hAlign = 6;
    caption.vAlign = 2;

    QSignalSpy edits(m_panel.get(), &VideoPlayWidget::editSignal);
    m_panel->showImageItem(card);
    QCOMPARE(edits.count(), 0); // loading applies nothing
    QCOMPARE(m_editor->textEdit()->toPlainText(), QStringLiteral("one\ntwo"));
    QCOMPARE(m_editor->textEdit()->height(), scaled(45));
    QCOMPARE(m_editor->property(CaptionStyleEditor::Size)->text(), QStringLiteral("32"));
    QCOMPARE(m_editor->property(CaptionStyleEditor::X)->text(), QStringLiteral("100"));
    QCOMPARE(m_editor->property(CaptionStyleEditor::Y)->text(), QStringLiteral("200"));
    QCOMPARE(m_editor->property(CaptionStyleEditor::Border)->text(), QStringLiteral("4"));
    QVERIFY(m_editor->fontStyleBox(CaptionStyleEditor::Italic)->isChecked());
    QVERIFY(!m_editor->fontStyleBox(CaptionStyleEditor::Bold)->isChecked());
    QCOMPARE(m_editor->textColorEntry()->hexField()->text(), QStringLiteral("102030"));
    QCOMPARE(m_editor->textColorEntry()->opacityField()->text(), QStringLiteral("50"));
    QCOMPARE(m_editor->borderColorEntry()->hexField()->text(), QStringLiteral("0000FF"));
    QVERIFY(m_editor->horizontalBox(ImageCaption::Right)->isChecked());
    QVERIFY(m_editor->verticalBox(ImageCaption::VCenter)->isChecked());

    // The card's own alignment survives the next edit.
    QTest::keyClicks(m_editor->textEdit(), QStringLiteral("!"));
    QCOMPARE(edits.count(), 1);
    QCOMPARE(caption.hAlign, 6);
    QCOMPARE(caption.vAlign, 2);
    QCOMPARE(caption.color, QStringLiteral("#7f102030"));
}

void TestVideoPlayWidget::fontStylesAreApplied()
{
    ImageItem* card = showCard(640, 360, QStringLiteral("Hi"));
    QSignalSpy edits(m_panel.get(), &VideoPlayWidget::editSignal);
    m_editor->fontStyleBox(CaptionStyleEditor::Bold)->click();
    m_editor->fontStyleBox(CaptionStyleEditor::StrikeOut)->click();
    QCOMPARE(edits.count(), 2);
    const ImageCaption& caption = *card->caption();
    QVERIFY(caption.bold && caption.strikeOut);
    QVERIFY(!caption.italic && !caption.underline);
}

void TestVideoPlayWidget::swatchPicksColourWithAlpha()
{
    ImageItem* card = showCard(640, 360, QStringLiteral("Hi"));
    answerColorDialog(QColor(10, 20, 30, 128));
    m_editor->textColorEntry()->swatch()->click();
    QCOMPARE(card->caption()->color, QStringLiteral("#800a141e"));
    QCOMPARE(m_editor->textColorEntry()->hexField()->text(), QStringLiteral("0A141E"));
    QCOMPARE(m_editor->textColorEntry()->opacityField()->text(), QStringLiteral("50"));
    QCOMPARE(m_editor->textColorEntry()->swatch()->styleSheet(),
             QStringLiteral("background-color: #0a141e;"));
}

void TestVideoPlayWidget::cancelledSwatchChangesNothing()
{
    ImageItem* card = showCard(640, 360, QStringLiteral("Hi"));
    QSignalSpy edits(m_panel.get(), &VideoPlayWidget::editSignal);
    answerColorDialog(QColor());
    m_editor->borderColorEntry()->swatch()->click();
    QCOMPARE(edits.count(), 0);
    QCOMPARE(card->caption()->borderColor, QStringLiteral("#FF000000"));
    QCOMPARE(m_editor->borderColorEntry()->hexField()->text(), QStringLiteral("000000"));
}

void TestVideoPlayWidget::noCardMeansNothingIsApplied()
{
    QSignalSpy edits(m_panel.get(), &VideoPlayWidget::editSignal);
    QTest::keyClicks(m_editor->textEdit(), QStringLiteral("typed"));
    QTest::keyClicks(m_editor->property(CaptionStyleEditor::Size)->lineEdit(), QStringLiteral("0"));
    m_editor->fontStyleBox(CaptionStyleEditor::Bold)->click();
    m_editor->horizontalBox(ImageCaption::Right)->click();
    m_panel->applyCaptionEdit();
    QCOMPARE(edits.count(), 0);
    QCOMPARE(m_editor->textEdit()->toPlainText(), QStringLiteral("typed"));
    QCOMPARE(m_editor->property(CaptionStyleEditor::Size)->text(), QStringLiteral("100"));
    QCOMPARE(m_editor->property(CaptionStyleEditor::X)->text(), QStringLiteral("192"));
}

void TestVideoPlayWidget::pictureFitsThePanel_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<bool>("fitsHeight");
    QTest::newRow("tall picture, wide panel") << QSize(300, 900) << QSize(900, 700) << true;
    QTest::newRow("wide picture, tall panel") << QSize(1600, 400) << QSize(500, 900) << false;
}

void TestVideoPlayWidget::pictureFitsThePanel()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, panel);
    QFETCH(bool, fitsHeight);
    m_panel->resize(panel);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    showCard(picture.width(), picture.height(), QStringLiteral("Hi"));
    QVERIFY(m_panel->placeholder()->isHidden());
    QVERIFY(m_panel->pictureContainer()->isVisible());

    const QSize area = m_panel->pictureContainer()->size();
    QTRY_VERIFY(!m_panel->pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
    const QSize shown = m_panel->pictureLabel()->pixmap(Qt::ReturnByValue).size();
    if (fitsHeight) {
        QCOMPARE(shown.height(), area.height());
        QVERIFY(shown.width() < area.width());
    } else {
        QCOMPARE(shown.width(), area.width());
        QVERIFY(shown.height() < area.height());
    }
    // The aspect ratio is kept within a pixel of rounding.
    QVERIFY(qAbs(shown.width() * picture.height() - shown.height() * picture.width()) <=
            qMax(picture.width(), picture.height()));
}

void TestVideoPlayWidget::clearShowsPlaceholderAndKeepsEditorValues()
{
    showCard(640, 360, QStringLiteral("kept"));
    QCOMPARE(m_panel->currentImageItem(), m_card.get());
    m_panel->clearImageItem();
    QCOMPARE(m_panel->currentImageItem(), nullptr);
    QVERIFY(!m_panel->placeholder()->isHidden());
    QVERIFY(m_panel->pictureContainer()->isHidden());
    QVERIFY(m_panel->pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(m_editor->textEdit()->toPlainText(), QStringLiteral("kept"));

    // With the card gone, later edits reach nothing.
    QSignalSpy edits(m_panel.get(), &VideoPlayWidget::editSignal);
    QTest::keyClicks(m_editor->textEdit(), QStringLiteral("x"));
    QCOMPARE(edits.count(), 0);
    QCOMPARE(m_card->caption()->text, QStringLiteral("kept"));
}

void TestVideoPlayWidget::resizeWithoutCardOnlyAnnounces()
{
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    QSignalSpy sizes(m_panel.get(), &VideoPlayWidget::playerSizeChangeSignal);
    m_panel->resize(777, 666);
    QTRY_COMPARE(sizes.count(), 1);
    QCOMPARE(sizes.at(0).at(0).toInt(), 777);
    QCOMPARE(sizes.at(0).at(1).toInt(), 666);
    QVERIFY(!m_panel->placeholder()->isHidden());
    QVERIFY(m_panel->pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
}

void TestVideoPlayWidget::clickOnPanelTakesFocusFromColourField()
{
    m_panel->show();
    m_panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
    QLineEdit* hex = m_editor->borderColorEntry()->hexField();
    hex->setFocus();
    QTRY_VERIFY(hex->hasFocus());

    // The title strip passes the press on to the panel.
    auto* title = m_panel->findChild<QWidget*>(QStringLiteral("sub_title"));
    QVERIFY(title);
    QTest::mouseClick(title, Qt::LeftButton, {}, QPoint(title->width() - 5, 5));
    QVERIFY(!hex->hasFocus());
}

void TestVideoPlayWidget::keysStopAtThePanel()
{
    KeyCountingParent parent;
    m_panel.release()->setParent(&parent);
    auto* panel = parent.findChild<VideoPlayWidget*>();
    QTest::keyClick(panel, Qt::Key_Space);
    QTest::keyClick(panel, Qt::Key_Left);
    QCOMPARE(parent.keys, 0);
    m_panel.reset(); // the parent owns and deletes the panel
}

void TestVideoPlayWidget::volumeIsStoredAndRestored()
{
    GlobalManager* manager = GlobalManager::instance();
    QSignalSpy events(manager, &GlobalManager::globalEvent);
    m_panel->playbackBar()->volumeSlider()->setValue(42);
    QCOMPARE(manager->getSetting(AppConfig::kPlayerVolume, 100).toInt(), 42);
    QCOMPARE(events.count(), 1);
    QCOMPARE(events.at(0).at(0).toString(), AppConfig::kEventSettingChange);

    VideoPlayWidget second;
    second.restorePlayerSettings();
    QCOMPARE(second.playbackBar()->volumeSlider()->value(), 42);
    QCOMPARE(events.count(), 1); // restoring writes nothing back
    QVERIFY(second.playbackBar()->isHidden());
}

void TestVideoPlayWidget::languageChangeRelabelsButKeepsValues()
{
    showCard(640, 360, QStringLiteral("words"));
    m_editor->property(CaptionStyleEditor::Size)->setValue(QStringLiteral("33"), false);
    MarkingTranslator translator;
    QApplication::installTranslator(&translator);
    emit TranslateManager::instance()->changeTranslate(1);
    QApplication::removeTranslator(&translator);

    auto* title = m_panel->findChild<QWidget*>(QStringLiteral("sub_title"))->findChild<QLabel*>();
    QCOMPARE(title->text(), QStringLiteral("<Edit>"));
    QCOMPARE(m_editor->fontStyleBox(CaptionStyleEditor::StrikeOut)->text(),
             QStringLiteral("<Strikethrough>"));
    QCOMPARE(m_editor->verticalBox(ImageCaption::Top)->text(), QStringLiteral("<Top>"));
    QCOMPARE(m_editor->property(CaptionStyleEditor::Border)->label()->text(),
             QStringLiteral("<Border>"));
    QCOMPARE(m_editor->property(CaptionStyleEditor::X)->label()->text(), QStringLiteral("X"));
    QCOMPARE(m_editor->textColorEntry()->nameLabel()->text(), QStringLiteral("<Text Color>"));
    QCOMPARE(m_panel->playbackBar()->playButton()->toolTip(), QStringLiteral("<Play [Space]>"));
    QCOMPARE(m_editor->textEdit()->toPlainText(), QStringLiteral("words"));
    QCOMPARE(m_editor->property(CaptionStyleEditor::Size)->text(), QStringLiteral("33"));

    // A moment later the paired labels share one width.
    QLabel* size = m_editor->property(CaptionStyleEditor::Size)->label();
    QLabel* border = m_editor->property(CaptionStyleEditor::Border)->label();
    QTRY_VERIFY(size->minimumWidth() > 0);
    QCOMPARE(border->minimumWidth(), size->minimumWidth());
    QCOMPARE(size->maximumWidth(), size->minimumWidth());
    QCOMPARE(size->minimumWidth(),
             size->fontMetrics().horizontalAdvance(QStringLiteral("<Border>")));
}

PICTORB_ISOLATED_TEST_MAIN(TestVideoPlayWidget)

#include "tst_videoplaywidget.moc"
