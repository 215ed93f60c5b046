#pragma once

// What the plot view may ask of the sample table without seeing its class:
// the table sits above the plot, so the plot finds it among the document's
// views with dynamic_cast<ISampleTable*>.
class ISampleTable {
public:
    virtual ~ISampleTable() = default;

    // Finishes a running cell edit, selects the whole data row and scrolls
    // it into view when it is not already visible.
    virtual void ShowSampleRow(int row) = 0;

    // Shows the document's axis titles as the headers of the value columns.
    virtual void RefreshAxisHeaders() = 0;
};
