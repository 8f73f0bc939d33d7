#include "gui/mainwindow/CollectionDocument.h"

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "core/project/ProjectFile.h"
#include "core/project/SessionStore.h"
#include "gui/application/History.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"
#include "gui/preview/PreviewWidget.h"

#include <QDebug>
#include <QFileInfo>
#include <QRunnable>
#include <QTimer>
#include <QUndoStack>

CollectionDocument::CollectionDocument(ImagesWidget* strip, PreviewWidget* preview, QObject* parent)
    : QObject(parent), m_strip(strip), m_preview(preview), m_history(new History(this)),
      m_autosave(new QTimer(this))
{
    m_writer.setMaxThreadCount(1);
    m_strip->setHistory(m_history);
    m_preview->setHistory(m_history);
    m_autosave->setSingleShot(true);
    m_autosave->setInterval(kAutosaveDelayMs);
    connect(m_autosave, &QTimer::timeout, this, [this] { saveSession(false); });
    connect(m_history, &History::changed, this, &CollectionDocument::changed);
    connect(m_history->stack(), &QUndoStack::cleanChanged, this, &CollectionDocument::titleChanged);
}

CollectionDocument::~CollectionDocument()
{
    m_writer.waitForDone();
}

bool CollectionDocument::isModified() const
{
    return m_restoredChanges || !m_history->stack()->isClean();
}

QString CollectionDocument::displayName() const
{
    return QFileInfo(m_projectPath).fileName();
}

ProjectData CollectionDocument::snapshot() const
{
    ProjectData data;
    data.canvas = m_strip->canvasSize();
    const QList<ImageItem*>& cards = m_strip->cards();
    for (int i = 0; i < cards.size(); ++i) {
        data.stills << m_strip->stillAt(i);
        if (cards.at(i) == m_strip->currentCard())
            data.current = i;
    }
    const PreviewWidget::MergeSettings merge = m_preview->settings();
    data.layout = merge.layout;
    data.fit = merge.fit;
    data.fitValue = merge.fitValue;
    data.format = Settings::exportFormat();
    return data;
}

bool CollectionDocument::saveProject(const QString& path, QString* error)
{
    if (!ProjectFile::write(path, snapshot(), error))
        return false;
    m_projectPath = path;
    m_restoredChanges = false;
    m_history->stack()->setClean();
    saveSession(false);
    emit titleChanged();
    return true;
}

bool CollectionDocument::openProject(const QString& path, QString* error)
{
    ProjectData data;
    // Read whole before anything open is touched: a refused file leaves the collection as it is.
    if (!ProjectFile::read(path, &data, error))
        return false;
    load(data);
    m_projectPath = path;
    m_restoredChanges = false;
    saveSession(false);
    emit titleChanged();
    return true;
}

bool CollectionDocument::restoreSession(QString* error)
{
    SessionStore store;
    if (!store.exists())
        return false;
    ProjectData data;
    QString project;
    bool modified = false;
    if (!store.load(&data, &project, &modified, error))
        return false;
    if (data.stills.isEmpty()) {
        store.discard();
        return false;
    }
    load(data);
    m_projectPath = project;
    m_restoredChanges = modified;
    emit titleChanged();
    return true;
}

void CollectionDocument::startEmpty()
{
    load(ProjectData());
    m_projectPath.clear();
    m_restoredChanges = false;
    discardSession();
    emit titleChanged();
}

void CollectionDocument::discardSession()
{
    m_autosave->stop();
    m_writer.waitForDone();
    SessionStore().discard();
}

void CollectionDocument::saveSessionNow()
{
    m_autosave->stop();
    saveSession(true);
}

// A whole collection in place of the one shown, with a history of its own that starts here.
void CollectionDocument::load(const ProjectData& data)
{
    m_history->clear();
    QList<ProjectStill> stills = data.stills;
    for (ProjectStill& still : stills)
        still.canvas = data.canvas;
    m_strip->replaceStills(stills, data.current);
    m_preview->applySettings({data.layout, data.fit, data.fitValue});
    if (AppConfig::kExportFormats.contains(data.format))
        Settings::instance()->setValue(AppConfig::kFileExtension, data.format);
    m_history->stack()->setClean();
}

void CollectionDocument::changed()
{
    if (m_autosaveEnabled)
        m_autosave->start();
    emit titleChanged();
}

// The snapshot is taken here, on the GUI thread (pictures are shared, not copied); writing it,
// stills first, happens on the writer thread.
void CollectionDocument::saveSession(bool wait)
{
    // A collection without stills has no canvas, and nothing to bring back: the history may
    // still change (the caption list's corrections are in it too).
    if (m_strip->cards().isEmpty()) {
        discardSession();
        return;
    }
    const ProjectData data = snapshot();
    const QString project = m_projectPath;
    const bool modified = isModified();
    m_writer.start(QRunnable::create([data, project, modified] {
        QString error;
        if (!SessionStore().save(data, project, modified, &error))
            qWarning() << "The session could not be kept:" << error;
    }));
    if (wait)
        m_writer.waitForDone();
}
