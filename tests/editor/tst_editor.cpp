// The caption editor typed into and clicked as a user does: what lands in the card's caption
// and where the subtitle is drawn.

#include "core/images/ImageCaption.h"
#include "gui/editor/CaptionStyleEditor.h"
#include "gui/editor/ColorEntry.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/ImageItem.h"
#include "gui/widgets/PropertyItem.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTextEdit>

namespace {

void typeOver(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Replaces the field's text in one go, as pasting does.
void pasteOver(QLineEdit* field, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    field->selectAll();
    QTest::keySequence(field, QKeySequence::Paste);
}

// The bounds of the light (subtitle) pixels on the dark card.
QRect textBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (TestSupport::lightPixels(image, QRect(x, y, 1, 1)) > 0)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void colourEntry_data();
    void colourEntry();
    void numberRowsClamp_data();
    void numberRowsClamp();
    void alignmentPlacesCaption_data();
    void alignmentPlacesCaption();
    void enterStoresLineBreak();
    void nothingEmittedWithoutCard();

private:
    // A 640 x 360 dark card with `text` centred 40 pixels above the bottom, shown in the panel
    // and redrawn on every edit, as the main window does.
    ImageItem* showCard(const QString& text);

    std::unique_ptr<VideoPlayWidget> m_panel;
    std::unique_ptr<ImageItem> m_card;
    CaptionStyleEditor* m_editor = nullptr;
};

void TestEditor::init()
{
    m_panel = std::make_unique<VideoPlayWidget>();
    m_panel->resize(600, 700);
    m_editor = m_panel->captionEditor();
    m_card.reset();
}

ImageItem* TestEditor::showCard(const QString& text)
{
    m_card = TestSupport::card(TestSupport::solid(640, 360, QColor(20, 30, 90)));
    m_card->caption()->text = text;
    m_card->caption()->placeOn(QSize(640, 360));
    m_card->updateImage();
    ImageItem* card = m_card.get();
    connect(m_panel.get(), &VideoPlayWidget::editSignal, card, &ImageItem::updateImage);
    m_panel->showImageItem(card);
    return card;
}

void TestEditor::colourEntry_data()
{
    // The hex field of the text colour, or the opacity field of the border colour.
    QTest::addColumn<bool>("opacity");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("readBack"); // the field once the card is loaded again
    const auto row = [](const char* name, bool opacity, const char* stored, const char* typed,
                        const char* caption, const char* shown, const char* readBack) {
        QTest::newRow(name) << opacity << QString(stored) << QString(typed) << QString(caption)
                            << QString(shown) << QString(readBack);
    };
    row("#00ff00 keeps full opacity", false, "#FFFFFFFF", "#00ff00", "#ff00ff00", "#00ff00",
        "00FF00");
    row("00ff00 keeps half opacity", false, "#80FFFFFF", "00ff00", "#8000ff00", "00ff00", "00FF00");
    row("not a colour is black, opacity kept", false, "#40123456", "zz", "#40000000", "zz",
        "000000");
    row("opacity 150 clamps to 100", true, "#80000000", "150", "#ff000000", "100", "100");
    row("opacity -5 clamps to 0", true, "#FF000000", "-5", "#00000000", "0", "0");
    // 50 % of 255 is 127.5, stored as 127, which reads back as round(49.8) = 50.
    row("opacity 50 stores alpha 127", true, "#FF000000", "50", "#7f000000", "50", "50");
}

void TestEditor::colourEntry()
{
    QFETCH(bool, opacity);
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    ImageItem* card = showCard(QStringLiteral("Hi"));
    QString& colour = opacity ? card->caption()->borderColor : card->caption()->color;
    colour = stored;
    m_panel->showImageItem(card);
    ColorEntry* entry = opacity ? m_editor->borderColorEntry() : m_editor->textColorEntry();
    QLineEdit* field = opacity ? entry->opacityField() : entry->hexField();
    if (opacity)
        pasteOver(field, typed);
    else
        typeOver(field, typed);
    QTEST(colour, "caption");
    QTEST(field->text(), "shown");
    m_panel->showImageItem(card);
    QTEST(field->text(), "readBack");
}

void TestEditor::numberRowsClamp_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    const auto row = [](const char* name, int id, const char* typed, const char* shown,
                        const char* stored) {
        QTest::newRow(name) << id << QString(typed) << QString(shown) << QString(stored);
    };
    row("size 250 becomes 100", CaptionStyleEditor::Size, "250", "100", "100");
    row("border -3 becomes 0", CaptionStyleEditor::Border, "-3", "0", "0");
    row("x below its minimum", CaptionStyleEditor::X, "-999", "-384", "-384");
    // An emptied size is no size and stays unapplied; an emptied X means 0.
    row("emptied size keeps the stored size", CaptionStyleEditor::Size, "", "", "18");
    row("emptied x applies 0", CaptionStyleEditor::X, "", "", "0");
}

void TestEditor::numberRowsClamp()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    const ImageCaption& caption = *showCard(QStringLiteral("Hi"))->caption();
    QLineEdit* field = m_editor->property(row)->lineEdit();
    typeOver(field, typed);
    QTEST(field->text(), "shown");
    const QMap<int, QString> stored = {
        {CaptionStyleEditor::Size, caption.fontSize},
        {CaptionStyleEditor::Border, QString::number(caption.border)},
        {CaptionStyleEditor::X, QString::number(caption.x)}};
    QTEST(stored.value(row), "stored");
}

void TestEditor::alignmentPlacesCaption_data()
{
    QTest::addColumn<int>("option");
    QTest::newRow("left") << int(ImageCaption::Left);
    QTest::newRow("centre") << int(ImageCaption::HCenter);
    QTest::newRow("right on a 640-pixel card") << int(ImageCaption::Right);
    QTest::newRow("top") << int(ImageCaption::Top);
    QTest::newRow("middle") << int(ImageCaption::VCenter);
    QTest::newRow("bottom") << int(ImageCaption::Bottom);
}

void TestEditor::alignmentPlacesCaption()
{
    QFETCH(int, option);
    ImageItem* card = showCard(QStringLiteral("A subtitle line"));
    const bool horizontal = option >= ImageCaption::Left;
    const QList<int> group =
        horizontal ? QList<int>{ImageCaption::Left, ImageCaption::HCenter, ImageCaption::Right}
                   : QList<int>{ImageCaption::Bottom, ImageCaption::VCenter, ImageCaption::Top};
    const auto box = [this, horizontal](int id) {
        return horizontal ? m_editor->horizontalBox(id) : m_editor->verticalBox(id);
    };
    box(group.at((group.indexOf(option) + 1) % 3))->click(); // another option first
    box(option)->click();
    for (int id : group)
        QCOMPARE(box(id)->isChecked(), id == option);

    // An aligned subtitle keeps 13 pixels (a 27th of the 360 rows) from its edge, and stays
    // there when it grows.
    for (const QString& size : {QStringLiteral("60"), QStringLiteral("18")}) {
        typeOver(m_editor->property(CaptionStyleEditor::Size)->lineEdit(), size);
        const QRect text = textBounds(card->composedImage());
        const QMap<int, int> distance = {
            {ImageCaption::Left, text.left() - 13},
            {ImageCaption::HCenter, text.center().x() - 320},
            {ImageCaption::Right, 639 - text.right() - 13},
            {ImageCaption::Top, text.top() - 13},
            {ImageCaption::VCenter, text.center().y() - 180},
            {ImageCaption::Bottom, 359 - text.bottom() - 13},
        };
        QVERIFY2(qAbs(distance.value(option)) <= 2,
                 qPrintable(QString::asprintf("size %s: subtitle at %d,%d %dx%d", qPrintable(size),
                                              text.x(), text.y(), text.width(), text.height())));
        QCOMPARE(box(option)->isChecked(), true);
    }

    // A typed position replaces the alignment of its own axis only.
    PropertyItem* field =
        m_editor->property(horizontal ? CaptionStyleEditor::X : CaptionStyleEditor::Y);
    typeOver(field->lineEdit(), QStringLiteral("100"));
    for (int id : group)
        QVERIFY(!box(id)->isChecked());
    const QPoint centre = textBounds(card->composedImage()).center();
    QVERIFY(qAbs((horizontal ? centre.x() : centre.y()) - 100) <= 2);
    QCOMPARE(horizontal ? card->caption()->hAlign : card->caption()->vAlign, 0);
    QCOMPARE(horizontal ? card->caption()->vAlign : card->caption()->hAlign,
             horizontal ? int(ImageCaption::Bottom) : int(ImageCaption::HCenter));
}

void TestEditor::enterStoresLineBreak()
{
    ImageItem* card = showCard(QString());
    QTextEdit* box = m_editor->textEdit();
    const int oneLine = box->height();
    QTest::keyClicks(box, QStringLiteral("first"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("second"));
    QCOMPARE(card->caption()->text, QStringLiteral("first\\Nsecond"));
    QVERIFY(box->height() > oneLine);

    // A stored line break comes back as a line break in the box.
    card->caption()->text = QStringLiteral("one\\Ntwo");
    m_panel->showImageItem(card);
    QCOMPARE(box->toPlainText(), QStringLiteral("one\ntwo"));
    QVERIFY(box->height() > oneLine);
}

// Once the shown card is cleared, every edit stays in the widgets.
void TestEditor::nothingEmittedWithoutCard()
{
    showCard(QStringLiteral("kept"));
    m_panel->clearImageItem();
    const QImage before = m_card->composedImage();
    QSignalSpy edits(m_panel.get(), &VideoPlayWidget::editSignal);
    QTest::keyClicks(m_editor->textEdit(), QStringLiteral("typed"));
    typeOver(m_editor->property(CaptionStyleEditor::Size)->lineEdit(), QStringLiteral("50"));
    m_editor->fontStyleBox(CaptionStyleEditor::Bold)->click();
    m_editor->horizontalBox(ImageCaption::Right)->click();
    typeOver(m_editor->textColorEntry()->hexField(), QStringLiteral("00ff00"));
    pasteOver(m_editor->borderColorEntry()->opacityField(), QStringLiteral("50"));
    QCOMPARE(edits.count(), 0);
    // Drawn again from its caption, the card looks as it did.
    m_card->updateImage();
    QCOMPARE(m_card->composedImage(), before);
}

PICTORB_TEST_MAIN(TestEditor)
#include "tst_editor.moc"
