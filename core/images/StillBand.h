#pragma once

// The rows of a still that a subtitle-strip sheet shows of it, in the still's own pixels:
// `height` rows from `top`. A band of no height is unset: the sheet's shared band applies.
struct StillBand
{
    int top = 0;
    int height = 0;

    bool isSet() const { return height > 0; }
    bool operator==(const StillBand& other) const
    {
        return top == other.top && height == other.height;
    }
    bool operator!=(const StillBand& other) const { return !(*this == other); }
};
