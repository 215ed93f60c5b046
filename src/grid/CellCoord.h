#pragma once

// Address of one grid cell; rows and columns count from 0, fixed ones
// included. -1 in either part means "no cell".
struct CellCoord {
    int row = -1;
    int col = -1;

    CellCoord() = default;
    CellCoord(int r, int c)
        : row(r)
        , col(c)
    {
    }

    bool IsValid() const { return row != -1 && col != -1; }
    friend bool operator==(const CellCoord&, const CellCoord&) = default;
};
