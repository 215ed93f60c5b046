#pragma once

#include "tables/CTableView.h"

// The table of the Legend dialog: a row number, the entry's symbol and its
// text, for up to 50 entries. Not bound to a document; the dialog fills it
// and reads the texts back.
class CLegendGrid : public CTableView {
    Q_OBJECT
public:
    static constexpr int kSymbolCol = 1;
    static constexpr int kTextCol = 2;
    static constexpr int kRows = 51; // the header row and 50 entries

    explicit CLegendGrid(QWidget* parent = nullptr);

    // Three columns, 51 rows, the headers "Symbol" and "Legend Text", the
    // text column filling the client width less 80 pixels.
    void OnInitialUpdate() override;
};
