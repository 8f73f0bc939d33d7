#include "gui/mainwindow/DocumentActions.h"

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/History.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/CollectionDocument.h"
#include "gui/widgets/WindowCommand.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUndoStack>

#include <algorithm>

namespace {

const QString kProjectSuffix = QStringLiteral("pictorb");

QString askSavePath(QWidget* parent, const QString& title, const QString& dir,
                    const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, dir, filter);
}

int askSaveDiscardCancel(QWidget* parent, const QString& text)
{
    return int(QMessageBox::question(parent, AppConfig::kProductName, text,
                                     QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                     QMessageBox::Save));
}

DocumentActions::SaveChooser& saveChooser()
{
    static DocumentActions::SaveChooser chooser = askSavePath;
    return chooser;
}

DocumentActions::Question& question()
{
    static DocumentActions::Question ask = askSaveDiscardCancel;
    return ask;
}

bool isProject(const QString& path)
{
    return QFileInfo(path).suffix().compare(kProjectSuffix, Qt::CaseInsensitive) == 0;
}

} // namespace

void DocumentActions::setSaveChooser(SaveChooser chooser)
{
    saveChooser() = chooser ? std::move(chooser) : askSavePath;
}

void DocumentActions::setQuestion(Question ask)
{
    question() = ask ? std::move(ask) : askSaveDiscardCancel;
}

DocumentActions::DocumentActions(CollectionDocument* document, ImagesWidget* strip, QWidget* window,
                                 OpenChooser openChooser)
    : QObject(window), m_document(document), m_strip(strip), m_window(window),
      m_stack(document->history()->stack()), m_openChooser(std::move(openChooser)),
      m_fileMenu(new QMenu(window)), m_editMenu(new QMenu(window))
{
    m_open = addCommand(m_fileMenu, {QKeySequence::Open});
    connect(m_open, &QAction::triggered, this, &DocumentActions::open);
    m_save = addCommand(m_fileMenu, {QKeySequence::Save});
    connect(m_save, &QAction::triggered, this, &DocumentActions::save);
    m_saveAs = addCommand(m_fileMenu, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    connect(m_saveAs, &QAction::triggered, this, &DocumentActions::saveAs);

    m_undo = addCommand(m_editMenu, {QKeySequence::Undo});
    connect(m_undo, &QAction::triggered, m_stack, &QUndoStack::undo);
    m_redo = addCommand(m_editMenu, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                     QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_redo, &QAction::triggered, m_stack, &QUndoStack::redo);
    // The stack still signals while it empties on its way out, after the document holding it
    // is gone; so the texts ask the stack alone.
    connect(m_stack, &QUndoStack::indexChanged, this, &DocumentActions::refreshUndoTexts);
    retranslate();
}

QAction* DocumentActions::addCommand(QMenu* menu, const QList<QKeySequence>& keys)
{
    QAction* action = windowCommand(this, m_window, keys);
    menu->addAction(action);
    return action;
}

void DocumentActions::retranslate()
{
    m_fileMenu->setTitle(tr("File"));
    m_editMenu->setTitle(tr("Edit"));
    m_open->setText(tr("Open..."));
    m_save->setText(tr("Save Project"));
    m_saveAs->setText(tr("Save Project As..."));
    refreshUndoTexts();
}

void DocumentActions::refreshUndoTexts()
{
    m_undo->setEnabled(m_stack->canUndo());
    m_redo->setEnabled(m_stack->canRedo());
    m_undo->setText(m_stack->canUndo() ? tr("Undo %1").arg(m_stack->undoText()) : tr("Undo"));
    m_redo->setText(m_stack->canRedo() ? tr("Redo %1").arg(m_stack->redoText()) : tr("Redo"));
}

void DocumentActions::open()
{
    const QString filter = QStringLiteral("%1 (*.jpg *.jpeg *.png *.webp *.bmp *.svg *.%2)")
                               .arg(tr("Pictures and projects"), kProjectSuffix);
    const QString dir = Settings::instance()->value(AppConfig::kOpenFilePath, QString()).toString();
    openFiles(m_openChooser(m_window, tr("Open"), dir, filter));
}

void DocumentActions::openFiles(const QStringList& files)
{
    QStringList pictures;
    for (const QString& file : files) {
        if (isProject(file)) {
            openProject(file);
            return;
        }
        pictures << file;
    }
    m_strip->importFiles(pictures);
}

bool DocumentActions::openProject(const QString& path)
{
    if (!keepOrDropChanges())
        return false;
    QString error;
    if (!m_document->openProject(path, &error)) {
        GlobalManager::instance()->showNotice(
            {Notice::Failure,
             tr("%1 could not be opened: %2").arg(QFileInfo(path).fileName(), error),
             QString(),
             {}});
        return false;
    }
    return true;
}

bool DocumentActions::save()
{
    if (m_document->projectPath().isEmpty())
        return saveAs();
    QString error;
    if (m_document->saveProject(m_document->projectPath(), &error))
        return true;
    GlobalManager::instance()->showNotice(
        {Notice::Failure, tr("The project could not be saved: %1").arg(error), QString(), {}});
    return false;
}

bool DocumentActions::saveAs()
{
    QString start = m_document->projectPath();
    if (start.isEmpty()) {
        // A new project is offered a name in Documents, or at home where there is no Documents.
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(folder).isDir())
            folder = QDir::homePath();
        start = QDir(folder).filePath(tr("Untitled") + QLatin1Char('.') + kProjectSuffix);
    }
    QString path = saveChooser()(m_window, tr("Save Project"), start,
                                 tr("Pictorb projects (*.%1)").arg(kProjectSuffix));
    if (path.isEmpty())
        return false;
    if (!isProject(path))
        path += QLatin1Char('.') + kProjectSuffix;
    QString error;
    if (m_document->saveProject(path, &error))
        return true;
    GlobalManager::instance()->showNotice(
        {Notice::Failure, tr("The project could not be saved: %1").arg(error), QString(), {}});
    return false;
}

// The one question Pictorb asks: elsewhere undo stands in for confirmations, but a named
// project the user saves on purpose should not silently fall behind.
bool DocumentActions::keepOrDropChanges()
{
    if (!m_document->isModified() || m_strip->cards().isEmpty())
        return true;
    const QString name =
        m_document->displayName().isEmpty() ? tr("The collection") : m_document->displayName();
    switch (question()(m_window, tr("%1 has changes that are not saved.").arg(name))) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool DocumentActions::mayClose()
{
    if (!m_document->projectPath().isEmpty() && m_document->isModified()) {
        if (!keepOrDropChanges())
            return false;
        m_document->discardSession();
        return true;
    }
    // Unsaved work of no project comes back at the next start.
    if (m_document->isModified() && !m_strip->cards().isEmpty())
        m_document->saveSessionNow();
    else
        m_document->discardSession();
    return true;
}

void DocumentActions::restoreSession(const QStringList& opening)
{
    QString error;
    if (!m_document->restoreSession(&error)) {
        if (!error.isEmpty())
            GlobalManager::instance()->showNotice(
                {Notice::Failure,
                 tr("The last session could not be restored: %1").arg(error),
                 QString(),
                 {}});
        return;
    }
    // A project asked for on start replaces a session that holds nothing unsaved, so there is
    // nothing to tell.
    const bool projectFollows = std::any_of(opening.cbegin(), opening.cend(), isProject);
    if (projectFollows && !m_document->isModified())
        return;
    GlobalManager::instance()->showNotice({Notice::Information, tr("Restored your last session"),
                                           tr("Start empty"),
                                           [this] { m_document->startEmpty(); }});
}
