#include "gui/widgets/WindowCommand.h"

#include <QAction>
#include <QWidget>

QAction* windowCommand(QObject* owner, QWidget* window, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(owner);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

QString withShortcut(const QString& text, const QAction* command)
{
    return QStringLiteral("%1 [%2]").arg(text,
                                         command->shortcut().toString(QKeySequence::NativeText));
}
