#pragma once

struct FormatOptions;
class QWidget;

// The "Format Axis & Titles" sheet as the plot view sees it. The sheet lives
// in a layer beside the plot; the application installs it in the view
// (CTernaryView::SetOptionsSheet), so the plot never depends on it.
class IOptionsSheet {
public:
    virtual ~IOptionsSheet() = default;

    // Shows the sheet modally over parent with the page of index page in
    // front (0 to 2 the top, left and right axes, 3 grids, 4 fonts, 5
    // legend, 6 diagram, 7 density), its pages filled from options. True when it ended with OK;
    // options then holds the sheet's values. On Cancel options is untouched.
    virtual bool Run(FormatOptions& options, int page, QWidget* parent) = 0;
};
