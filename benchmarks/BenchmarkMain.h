#pragma once

#include "core/base/AppConfig.h"
#include "gui/application/GlobalManager.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <functional>

// The entry every benchmark shares: the real user's settings, pictures and logs stay
// untouched (a throw-away home), windows are offscreen, nothing reaches the network, and the
// log lines of the code being measured go to `handler` instead of the terminal.
inline int runIsolatedBenchmarks(int argc, char** argv, QtMessageHandler handler,
                                 const std::function<void()>& prepare = {})
{
    QTemporaryDir home;
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, (home.path() + QLatin1Char('/') + variable).toLocal8Bit());
    for (const char* variable : {"PICTORB_SITE_URL", "PICTORB_UPDATE_URL", "PICTORB_SPEECH_URL"})
        qputenv(variable, "");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(handler);
    GlobalManager::instance()->setSetting(AppConfig::kFirstOpenApp, true);
    if (prepare)
        prepare();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
