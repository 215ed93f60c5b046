#pragma once

#include <QString>

#include <functional>

// Walks the tab-separated text of a pasted block. A TAB ends a field and
// moves one column right; an LF ends a field and starts the next row at
// column 0; a CR is dropped (the LF of a CR LF pair ends the row); the end of
// the text ends the last field. Every field, empty ones too, is handed to
// visit whole, whatever its length, with its row and column counted from the
// block's first cell. The walk stops when visit returns false.
void ForEachClipboardField(const QString& text, const std::function<bool(int row, int col, const QString& field)>& visit);
