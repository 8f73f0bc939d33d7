#pragma once

#include <QString>

#include <functional>

// A short message for the user about something that just happened (an export written, a
// picture skipped), shown in the window without stopping the work: it goes away by itself or
// on a click, and may offer one action.
struct Notice
{
    enum Kind
    {
        Information,
        Failure
    };

    Kind kind = Information;
    QString text;
    QString actionText; // empty: no action
    std::function<void()> action;
};
