// pictorb-sheet: the merged sheet of Pictorb's Export, made from the command line.
#include "app/SheetCommand.h"

#include <QGuiApplication>
#include <QLoggingCategory>

int main(int argc, char* argv[])
{
    // Captions are drawn with the toolkit's fonts, which need a GUI application; the
    // offscreen platform lets scripts run it without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The engine's trace lines are for the application's log, not for a script's terminal.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    SheetCommand command;
    return command.run(app.arguments());
}
