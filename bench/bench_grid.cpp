// Painting a table costs what is on screen, not what is in the table.
#include "tables/CTableView.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// A table of that many rows and 6 columns, 600 x 800 pixels, scrolled to the
// middle, painted onto an image.
void BM_GridPaint(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    CTableView table;
    table.setFrameShape(QFrame::NoFrame);
    table.SetColCount(6);
    table.SetRowCount(rows);
    table.OnInitialUpdate();
    // Cells where the paint looks; the rows elsewhere only make the table long.
    for (int r = std::max(1, rows / 2 - 1000); r < std::min(rows, rows / 2 + 1000); ++r) {
        table.SetTextCell(r, 1, QStringLiteral("S%1").arg(r));
        for (int c = 2; c < 5; ++c)
            table.SetTextCell(r, c, QString::number((r * 7 + c * 13) % 1000 / 10.0));
    }
    table.resize(600, 800);
    table.show();
    QCoreApplication::processEvents();
    table.verticalScrollBar()->setValue(table.GetMaxVScroll() / 2);

    QImage image(600, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter dc(&image);
        dc.setPen(Qt::black);
        table.OnDraw(dc);
    }
    state.counters["rowsOnScreen"] = table.GetLastVisibleRow() - table.GetVScrollPos();
}

} // namespace

BENCHMARK(BM_GridPaint)->Arg(2001)->Arg(200001)->Arg(1000001)->Unit(benchmark::kMillisecond);
