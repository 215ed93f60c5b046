#pragma once

#include "dialogs/CAxisPropSheet.h"
#include "plot/IOptionsSheet.h"

// Joins the plot view to the options sheet, which lives in a layer beside
// the plot; the application installs one in the view.
class OptionsSheetRunner : public IOptionsSheet {
public:
    bool Run(FormatOptions& options, int page, QWidget* parent) override
    {
        return CAxisPropSheet::Run(options, page, parent);
    }
};
