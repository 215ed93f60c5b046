#pragma once

#include "document/AxisSettings.h"

#include <optional>

class CTernaryDoc;

// The top and right shares of a sample as the plot draws it: in use,
// complete, with a colour and a symbol, summing to 100 (after scaling to
// 100 when the document's auto-100 is on). Nothing for a sample the plot
// leaves out.
struct PlottedShares {
    float top = 0;
    float right = 0;
    float left = 0; // implied: 100 - top - right
};
std::optional<PlottedShares> PlottedSharesOf(const CTernaryDoc& doc, int slot);

// True when the plot draws at least one sample.
bool HasPlottedSample(const CTernaryDoc& doc);

// The smallest axis ranges, in whole increments of each axis and within 0
// to 100, that hold every sample the plot draws, adjusted as the options
// sheet's cross-check between the axes would leave them: no axis's minimum
// reaches 100 minus another's, no maximum passes 100 minus another's
// minimum, no minimum passes 100 minus another's maximum. An axis whose
// increment is not a positive number gets 10. Nothing without a plotted
// sample.
struct FittedAxes {
    AxisSettings top;
    AxisSettings left;
    AxisSettings right;
};
std::optional<FittedAxes> FitAxesToSamples(const CTernaryDoc& doc);

// View > Fit Axes to Data: writes the fitted ranges into the document as
// one undo step "Fit Axes to Data" and updates its views. False when there
// is nothing to fit.
bool FitAxesToData(CTernaryDoc& doc);
