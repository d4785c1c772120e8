#pragma once
// How many questions a selection holds and how many of them were last answered right and wrong.

struct MIBStats {
    int numberOfTotal = 0;
    int numberOfRight = 0;
    int numberOfWrong = 0;
    bool operator==(const MIBStats&) const = default;
};
