// One value typed into the sample table of a big document, through the
// document, to the plot painted again: the road of a keystroke's Enter.
#include "document/CTernaryDoc.h"
#include "plot/CTernaryView.h"
#include "tables/CTernaryTable.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// densityMode: DensitySettings::Mode, recomputed after every typed value.
void TypeValue(benchmark::State& state, int densityMode)
{
    const int count = static_cast<int>(state.range(0));
    CTernaryDoc doc;
    doc.OnNewDocument();
    doc.m_density.mode = densityMode;
    doc.EnsureSampleSlot(count);
    for (int slot = 1; slot <= count; ++slot) {
        const float top = static_cast<float>(slot % 89);
        const float left = static_cast<float>(slot % 7);
        doc.GetSample(slot) = { "S" + std::to_string(slot), top, left, 100 - top - left, slot % 16, slot / 16 % 16,
            NOT_PLOTTED, NOT_PLOTTED, slot };
    }
    CTernaryTable table;
    CTernaryView plot;
    doc.AddView(&table);
    plot.SetDocument(&doc);
    plot.resize(800, 900);
    table.resize(300, 900);
    doc.SendInitialUpdate();
    QImage image(plot.viewport()->size(), QImage::Format_RGB32);

    const int row = count / 2;
    int i = 0;
    for (auto _ : state) {
        // Top alternates between two values; auto-add is off, so left and right stay.
        doc.m_autoAdd = 0;
        table.SetCellText(row, CTernaryTable::kTopCol, QString::number(20 + (i++ % 2)));
        plot.viewport()->render(&image);
    }
    state.counters["plotted"] = doc.GetSample(row).plotX != NOT_PLOTTED;
    doc.RemoveView(&table);
    doc.RemoveView(&plot);
}

void BM_TypeValue(benchmark::State& state) { TypeValue(state, DensitySettings::Off); }
void BM_TypeValueWithBins(benchmark::State& state) { TypeValue(state, DensitySettings::Bins); }
void BM_TypeValueWithKernel(benchmark::State& state) { TypeValue(state, DensitySettings::Kernel); }

} // namespace

BENCHMARK(BM_TypeValue)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeValueWithBins)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeValueWithKernel)->Arg(200000)->Unit(benchmark::kMillisecond);
