#include "gui/images/CardActions.h"

#include "core/images/ImageFileWriter.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"
#include "gui/widgets/WindowCommand.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QJsonDocument>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

// A caption copied here keeps its whole style for "Paste Caption Style"; other programs get
// its text.
const QString kCaptionMime = QStringLiteral("application/x-pictorb-caption");

} // namespace

CardActions::CardActions(ImagesWidget* strip, QWidget* window)
    : QObject(window), m_strip(strip), m_window(window), m_moveMenu(new QMenu(window)),
      m_contextMenu(new QMenu(window))
{
    m_paste = addAction(QKeySequence::Paste);
    m_delete = addAction(QKeySequence::Delete);
    m_duplicate = addAction(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_moveLeft = addAction();
    m_moveRight = addAction();
    m_moveToFront = addAction();
    m_useAsFirst = addAction();
    m_copyPicture = addAction(QKeySequence::Copy);
    m_copyCaption = addAction();
    m_pasteStyle = addAction();
    m_tickAll = addAction(QKeySequence::SelectAll);
    m_untickAll = addAction(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    m_moveMenu->addActions({m_moveLeft, m_moveRight, m_moveToFront});
    m_contextMenu->addActions({m_delete, m_duplicate});
    m_contextMenu->addMenu(m_moveMenu);
    m_contextMenu->addAction(m_useAsFirst);
    m_contextMenu->addSeparator();
    m_contextMenu->addActions({m_copyPicture, m_copyCaption, m_pasteStyle});
    // The states set for one card's menu are not the keys' business: the keys work on
    // whatever card is edited when they are pressed.
    connect(m_contextMenu, &QMenu::aboutToHide, this, [this] {
        for (QAction* action : {m_moveLeft, m_moveRight, m_moveToFront, m_pasteStyle})
            action->setEnabled(true);
    });

    connect(m_paste, &QAction::triggered, this, &CardActions::paste);
    connect(m_delete, &QAction::triggered, this, &CardActions::deleteCard);
    connect(m_duplicate, &QAction::triggered, this, &CardActions::duplicate);
    connect(m_moveLeft, &QAction::triggered, this, [this] { move(-1); });
    connect(m_moveRight, &QAction::triggered, this, [this] { move(1); });
    connect(m_moveToFront, &QAction::triggered, this, [this] { move(-currentIndex()); });
    connect(m_useAsFirst, &QAction::triggered, this,
            [this] { m_strip->useAsFirst(currentIndex()); });
    connect(m_copyPicture, &QAction::triggered, this, &CardActions::copyPicture);
    connect(m_copyCaption, &QAction::triggered, this, &CardActions::copyCaption);
    connect(m_pasteStyle, &QAction::triggered, this, &CardActions::pasteCaptionStyle);
    connect(m_tickAll, &QAction::triggered, this, [this] { m_strip->selectAll(true); });
    connect(m_untickAll, &QAction::triggered, this, [this] { m_strip->selectAll(false); });
    retranslate();
}

QAction* CardActions::addAction(const QKeySequence& key)
{
    return windowCommand(this, m_window, key.isEmpty() ? QList<QKeySequence>() : QList{key});
}

void CardActions::retranslate()
{
    m_paste->setText(tr("Paste"));
    m_delete->setText(tr("Delete Picture"));
    m_duplicate->setText(tr("Duplicate"));
    m_moveMenu->setTitle(tr("Move"));
    m_moveLeft->setText(tr("Move Left"));
    m_moveRight->setText(tr("Move Right"));
    m_moveToFront->setText(tr("Move to Front"));
    m_useAsFirst->setText(tr("Use as First"));
    m_copyPicture->setText(tr("Copy Picture"));
    m_copyCaption->setText(tr("Copy Caption"));
    m_pasteStyle->setText(tr("Paste Caption Style"));
    m_tickAll->setText(tr("Tick All"));
    m_untickAll->setText(tr("Untick All"));
}

QList<QAction*> CardActions::editActions() const
{
    return {m_paste, m_delete, m_duplicate, m_tickAll, m_untickAll};
}

QMenu* CardActions::contextMenu(ImageItem* card)
{
    const int index = m_strip->cards().indexOf(card);
    m_moveLeft->setEnabled(index > 0);
    m_moveRight->setEnabled(index + 1 < m_strip->cards().size());
    m_moveToFront->setEnabled(index > 0);
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    m_pasteStyle->setEnabled(clipboard && clipboard->hasFormat(kCaptionMime));
    return m_contextMenu;
}

ImageItem* CardActions::current() const
{
    return m_strip->currentCard();
}

int CardActions::currentIndex() const
{
    return m_strip->cards().indexOf(current());
}

void CardActions::deleteCard()
{
    if (ImageItem* card = current())
        m_strip->deleteImage(card);
}

void CardActions::duplicate()
{
    const int index = currentIndex();
    if (index < 0)
        return;
    ProjectStill copy = m_strip->stillAt(index);
    copy.origin.id = StillOrigin::newId();
    m_strip->insertStills(index + 1, {copy}, tr("Duplicate picture"));
}

void CardActions::move(int by)
{
    const int index = currentIndex();
    if (index >= 0)
        m_strip->moveCard(index, index + by);
}

void CardActions::copyPicture()
{
    if (ImageItem* card = current())
        QApplication::clipboard()->setImage(card->composedImage());
}

void CardActions::copyCaption()
{
    ImageItem* card = current();
    if (!card || !card->caption())
        return;
    auto* data = new QMimeData;
    data->setText(
        QString(card->caption()->text).replace(QStringLiteral("\\N"), QStringLiteral("\n")));
    data->setData(kCaptionMime, QJsonDocument(card->caption()->toJson()).toJson());
    QApplication::clipboard()->setMimeData(data);
}

void CardActions::pasteCaptionStyle()
{
    const int index = currentIndex();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (index < 0 || !data->hasFormat(kCaptionMime))
        return;
    const ImageCaption style =
        ImageCaption::fromJson(QJsonDocument::fromJson(data->data(kCaptionMime)).object());
    ImageCaption caption = *m_strip->cards().at(index)->caption();
    caption.copyStyleFrom(style);
    m_strip->setCaptions({{index, caption}}, tr("Paste caption style"));
}

// Files copied in a file manager come in as an import would take them; a picture (a
// screenshot) becomes one new card. Both go after the card being edited.
void CardActions::paste()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const int at = currentIndex() + 1 > 0 ? currentIndex() + 1 : int(m_strip->cards().size());
    QStringList files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            files << url.toLocalFile();
    }
    if (!files.isEmpty()) {
        m_strip->importFiles(files, at);
        return;
    }
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    if (picture.isNull())
        return;
    // Kept as PNG, losslessly, in projects and the session.
    const StillOrigin origin =
        StillOrigin::fromBytes(ImageFileWriter::encode(picture, QStringLiteral("png"), -1, nullptr),
                               QStringLiteral("png"));
    m_strip->insertStills(at, {m_strip->newStill(picture, origin)}, tr("Paste picture"));
}
