// pictorb-sheet: the merged sheet of Pictorb's Export, made from the command line.
#include "cli/SheetCommand.h"

#include <cstdio>
#include <cstdlib>

#include <QGuiApplication>

static void dropMessage(QtMsgType, const QMessageLogContext&, const QString&)
{
}

int main(int argc, char* argv[])
{
    // The toolkit's and the engine's trace and warning lines are for the application's log, not
    // for a script's terminal: the command reports every failure itself, in one line.
    qInstallMessageHandler(dropMessage);
    // Captions are drawn with the toolkit's fonts, which need a GUI application; the
    // offscreen platform lets scripts run it without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SheetCommand command;
    const int code = command.run(app.arguments());
    // Tearing the offscreen platform down loads the whole font configuration only to release
    // it, which takes longer than a sheet without captions takes to make. The output is
    // committed or removed by now, so once the streams are flushed the process just ends.
    std::fflush(nullptr);
    std::_Exit(code);
}
