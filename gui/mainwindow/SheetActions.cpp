#include "gui/mainwindow/SheetActions.h"

#include "gui/images/BandCommands.h"
#include "gui/images/CardActions.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/DocumentActions.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/ScaleViewBar.h"
#include "gui/widgets/WindowCommand.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

SheetActions::SheetActions(ImagesWidget* strip, PreviewWidget* preview, DocumentActions* document,
                           QWidget* window)
    : QObject(window), m_window(window), m_preview(preview),
      m_cards(new CardActions(strip, window)), m_bands(new BandCommands(strip, this)),
      m_viewMenu(new QMenu(window))
{
    m_export = windowCommand(this, window, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    m_exportEach = windowCommand(this, window, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)});
    connect(m_export, &QAction::triggered, preview, &PreviewWidget::exportButtonClickHandle);
    connect(m_exportEach, &QAction::triggered, strip, &ImagesWidget::exportSelected);
    document->fileMenu()->addSeparator();
    document->fileMenu()->addActions({m_export, m_exportEach});

    QMenu* edit = document->editMenu();
    edit->addSeparator();
    edit->addActions(m_cards->editActions());
    edit->addSeparator();
    edit->addActions(m_bands->menu()->actions());
    preview->bandsButton()->setMenu(m_bands->menu());
    connect(preview, &PreviewWidget::sharedBandChanged, m_bands, &BandCommands::setSharedBand);
    connect(m_bands, &BandCommands::stripWanted, preview, &PreviewWidget::setSharedBand);

    connect(strip, &ImagesWidget::cardMenuRequested, this,
            [this](ImageItem* card, const QPoint& at) { m_cards->contextMenu(card)->popup(at); });
    buildViewMenu(preview);
    retranslate();
}

void SheetActions::buildViewMenu(PreviewWidget* preview)
{
    // Ctrl+= is where Ctrl++ lies on keyboards whose plus needs Shift.
    m_zoomIn = windowCommand(this, m_window,
                             {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_zoomOut = windowCommand(this, m_window, {QKeySequence::ZoomOut});
    m_fit = windowCommand(this, m_window, {QKeySequence(Qt::CTRL | Qt::Key_0)});
    m_actualSize = windowCommand(this, m_window, {QKeySequence(Qt::CTRL | Qt::Key_1)});
    connect(m_zoomIn, &QAction::triggered, preview, &PreviewWidget::zoomIn);
    connect(m_zoomOut, &QAction::triggered, preview, &PreviewWidget::zoomOut);
    connect(m_fit, &QAction::triggered, preview, &PreviewWidget::zoomToFit);
    connect(m_actualSize, &QAction::triggered, preview, &PreviewWidget::zoomToActualSize);
    m_viewMenu->addActions({m_zoomIn, m_zoomOut, m_fit, m_actualSize});
}

QList<QMenu*> SheetActions::menus() const
{
    return m_cards->menus() << m_viewMenu << m_bands->menu();
}

void SheetActions::retranslate()
{
    m_export->setText(tr("Export"));
    m_exportEach->setText(tr("Export Each Ticked Picture"));
    m_viewMenu->setTitle(tr("View"));
    m_zoomIn->setText(tr("Zoom In"));
    m_zoomOut->setText(tr("Zoom Out"));
    m_fit->setText(tr("Fit to Window"));
    m_actualSize->setText(tr("Actual Size"));
    m_preview->exportButton()->setToolTip(withShortcut(tr("Export the merged picture"), m_export));
    ScaleViewBar* zoom = m_preview->scaleViewBar();
    zoom->button(ScaleViewBar::ZoomIn)->setToolTip(withShortcut(tr("Zoom in"), m_zoomIn));
    zoom->button(ScaleViewBar::ZoomOut)->setToolTip(withShortcut(tr("Zoom out"), m_zoomOut));
    zoom->button(ScaleViewBar::FitToWindow)
        ->setToolTip(withShortcut(tr("Fit the picture to the panel"), m_fit));
    zoom->button(ScaleViewBar::FitTo100)
        ->setToolTip(withShortcut(tr("Show the picture at its actual size"), m_actualSize));
    m_cards->retranslate();
    m_bands->retranslate();
}
