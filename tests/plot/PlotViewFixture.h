#pragma once

// A new document shown in a 600 x 500 plot view, laid out and visible, for
// the tests that drive or picture a real view.
#include "document/CTernaryDoc.h"
#include "plot/CTernaryView.h"

#include <gtest/gtest.h>

struct PlotViewFixture : ::testing::Test {
    CTernaryDoc doc;
    CTernaryView view;
    void SetUp() override
    {
        doc.OnNewDocument();
        view.SetDocument(&doc);
        view.resize(600, 500);
        view.show();
        view.OnInitialUpdate();
    }
};
