#pragma once

#include <QString>

// The log of one start: every message of the process becomes one time-stamped line, echoed
// to standard output and appended to "<data folder>/logs/yyyyMMddhhmmss.log".
class Logger final
{
public:
    // Chooses this start's file and installs the process-wide message handler.
    static void install();
    // The log folder with its trailing "/", made if missing; empty when it cannot be made
    // (the file then lands in the working folder).
    static QString logDir();
    static QString logFilePath();

private:
    Logger() = delete;
};
