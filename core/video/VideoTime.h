#pragma once

#include <QString>

// Times in a film as the player shows them and as the sheet tool reads them.
namespace VideoTime {

// The number of the frame shown at this time. A frame's time read back from a film may lie a
// hair before its exact place (times kept in milliseconds), so a twentieth of a frame counts as
// the frame reached.
qint64 frameAt(double seconds, double fps);

// "hh:mm:ss:ff", ff being the frame within its second at `fps` frames a second (00 without a
// known rate).
QString text(double seconds, double fps);

// Seconds from "90", "90.5", "1:30", "1:30.5" or "0:01:30,500"; false for anything else.
bool parse(const QString& text, double* seconds);

} // namespace VideoTime
