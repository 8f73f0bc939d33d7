#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QObject;
class QWidget;

// A command whose keys work anywhere in `window`, also while no menu showing it is open: it
// belongs to the window as well as to the menus it is added to. A text field with the focus
// still takes the keys it edits with (Ctrl+A, Ctrl+V, Delete...).
QAction* windowCommand(QObject* owner, QWidget* window, const QList<QKeySequence>& keys = {});
// A tooltip that names the command's key the way the menus show it: "Export [Ctrl+E]".
QString withShortcut(const QString& text, const QAction* command);
