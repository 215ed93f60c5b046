#pragma once

#include <string>

// Marks a component that was not given (the 32-bit float -999.99, bits 0xC479FF5C).
inline constexpr float EMPTY_VALUE = -999.99f;
// Marks a sample that the last paint of the plot did not draw.
inline constexpr int NOT_PLOTTED = -999;

// One sample slot of the document. Slot i is row i of the sample table; a
// slot is in use exactly when row is not -1, and then row equals the slot's
// index. Components are percentages as typed, never checked or normalised.
struct SampleRecord {
    std::string name;
    float top = EMPTY_VALUE;
    float left = EMPTY_VALUE;
    float right = EMPTY_VALUE;
    int colorId = -1; // 0..15 into the colour table, -1 none
    int symbolId = -1; // 0..15 into the symbol set, -1 none
    int plotX = NOT_PLOTTED; // where the plot view last drew the sample
    int plotY = NOT_PLOTTED;
    int row = -1;

    bool InUse() const { return row != -1; }
    // Empties the slot; plotX and plotY are left for the next paint to rewrite.
    void Empty()
    {
        name.clear();
        top = left = right = EMPTY_VALUE;
        colorId = symbolId = row = -1;
    }
};

// True when a component holds a value (is not EMPTY_VALUE).
inline bool IsGiven(float component) { return component != EMPTY_VALUE; }
