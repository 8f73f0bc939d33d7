#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class CollectionDocument;
class ImagesWidget;
class QAction;
class QKeySequence;
class QMenu;
class QUndoStack;
class QWidget;

// The File and Edit commands of the main window: open pictures or a project, save the
// collection as a project, undo and redo, with their shortcuts; the question before a named
// project with unsaved changes is closed or replaced; and the session brought back at start.
class DocumentActions : public QObject
{
    Q_OBJECT

public:
    // The dialogs, which tests answer without a modal loop.
    using OpenChooser = std::function<QStringList(QWidget* parent, const QString& title,
                                                  const QString& dir, const QString& filter)>;
    using SaveChooser = std::function<QString(QWidget* parent, const QString& title,
                                              const QString& dir, const QString& filter)>;
    // Returns QMessageBox::Save, Discard or Cancel.
    using Question = std::function<int(QWidget* parent, const QString& text)>;
    // An empty function brings the real dialog back.
    static void setSaveChooser(SaveChooser chooser);
    static void setQuestion(Question question);

    DocumentActions(CollectionDocument* document, ImagesWidget* strip, QWidget* window,
                    OpenChooser openChooser);

    QMenu* fileMenu() const { return m_fileMenu; }
    QAction* openAction() const { return m_open; }
    QMenu* editMenu() const { return m_editMenu; }
    void retranslate();

    // Ctrl+O: pictures join the collection; a project takes its place.
    void open();
    void openFiles(const QStringList& files);
    bool save();
    bool saveAs();
    // Whether the window may close now: asks first for a named project with unsaved changes,
    // then keeps the session (unsaved changes) or lets it go.
    bool mayClose();
    // At start: the last run's collection, if it left one, with a notice (none when a project
    // among the files being opened replaces a session without unsaved changes).
    void restoreSession(const QStringList& opening);

private:
    QAction* addCommand(QMenu* menu, const QList<QKeySequence>& keys);
    bool openProject(const QString& path);
    // Before the collection is replaced or the window closes: false to stop.
    bool keepOrDropChanges();
    void refreshUndoTexts();

    CollectionDocument* m_document;
    ImagesWidget* m_strip;
    QWidget* m_window;
    QUndoStack* m_stack;
    OpenChooser m_openChooser;
    QMenu* m_fileMenu;
    QMenu* m_editMenu;
    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};
