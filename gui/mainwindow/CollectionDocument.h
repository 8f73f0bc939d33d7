#pragma once

#include "core/project/ProjectData.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

class History;
class ImagesWidget;
class PreviewWidget;
class QTimer;

// The collection as a document: its undo history, the project it belongs to (if any) and
// whether it has changes that project lacks, and the session kept on disk after every change
// so that nothing is lost to a crash, a kill or a close with unsaved changes.
class CollectionDocument : public QObject
{
    Q_OBJECT

public:
    // How long after a change the session is written: typing goes on undisturbed, and nothing
    // older than this is ever lost.
    static constexpr int kAutosaveDelayMs = 1000;

    CollectionDocument(ImagesWidget* strip, PreviewWidget* preview, QObject* parent = nullptr);
    ~CollectionDocument() override;

    History* history() const { return m_history; }
    QString projectPath() const { return m_projectPath; }
    bool isModified() const;
    // What the window title calls the collection: the project's file name, or empty.
    QString displayName() const;

    // The collection as it stands, for a project or the session.
    ProjectData snapshot() const;
    bool saveProject(const QString& path, QString* error);
    bool openProject(const QString& path, QString* error);
    // Brings back the session of the last run; false when there is none to bring back.
    bool restoreSession(QString* error);
    // An empty collection, no project, no session: what "Start empty" after a restore gives.
    void startEmpty();
    // The session goes (the collection was saved, discarded or is empty), or is brought up to
    // date at once (the window closes with changes it should keep).
    void discardSession();
    void saveSessionNow();
    // Off, the session is no longer kept after each change (to measure what keeping it costs).
    void setAutosaveEnabled(bool enabled) { m_autosaveEnabled = enabled; }

signals:
    // The project's name or the unsaved-changes mark changed.
    void titleChanged();

private:
    void load(const ProjectData& data);
    void changed();
    void saveSession(bool wait);

    ImagesWidget* m_strip;
    PreviewWidget* m_preview;
    History* m_history;
    QTimer* m_autosave;
    // One writer at a time, in order, off the GUI thread.
    QThreadPool m_writer;
    QString m_projectPath;
    // Changes the project lacks that came with a restored session, beyond the history's own.
    bool m_restoredChanges = false;
    bool m_autosaveEnabled = true;
};
