// Painting the plot: a full document (2,000 or 200,000 samples, grids,
// ticks, labels and a legend of 16 entries) onto an image of the 96 dpi
// canvas, the same document exported from memory to the bytes of a PNG or
// SVG file, a million samples exported at the largest scale, and the export
// of one with very long names at that scale.
#include "document/CTernaryDoc.h"
#include "framework/gui/CDC.h"
#include "plot/AnnotationLayer.h"
#include "plot/LegendBox.h"
#include "plot/PlotGeometry.h"
#include "plot/PlotPicture.h"
#include "plot/PlotRenderer.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

// count samples spread over the triangle, 16 colour and symbol pairs in the legend.
std::unique_ptr<CTernaryDoc> MakeBigDocument(int count)
{
    auto doc = std::make_unique<CTernaryDoc>();
    doc->OnNewDocument();
    doc->m_legend.Clear();
    doc->m_drawGrids = 1;
    doc->m_drawTicks = 1;
    doc->m_showId = 0;
    std::mt19937 random(42);
    std::uniform_real_distribution<float> share(0, 100);
    doc->EnsureSampleSlot(count);
    for (int slot = 1; slot <= count && slot < doc->m_sampleSlots; ++slot) {
        const float top = share(random);
        const float right = (100 - top) * share(random) / 100;
        SampleRecord& s = doc->GetSample(slot);
        s = { "S" + std::to_string(slot), top, 100 - top - right, right, slot % 16, (slot / 16) % 16, NOT_PLOTTED,
            NOT_PLOTTED, slot };
        // 100 - top - right may round: keep the sum exact as typed values would be.
        s.left = 100 - s.top - s.right;
    }
    for (int i = 0; i < 16; ++i)
        doc->m_legend.AddItem(i, i, "Group " + std::to_string(i + 1));
    return doc;
}

void BM_PaintPlot(benchmark::State& state)
{
    auto doc = MakeBigDocument(static_cast<int>(state.range(0)));
    PlotGeometry geo;
    geo.SetCanvasFromDpi(96);
    geo.LayoutPlot();
    geo.ComputeCorners(doc->m_topAxis, doc->m_leftAxis, doc->m_rightAxis);
    QImage image(768, 960, QImage::Format_RGB32);
    LegendBox legend(doc->m_legend);
    AnnotationLayer annotations(doc->m_annotations);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        CDC dc(&painter);
        PlotRenderer(*doc, geo).OnDraw(dc, annotations, legend);
    }
    int plotted = 0;
    for (const SampleRecord& s : doc->m_samples)
        plotted += s.plotX != NOT_PLOTTED;
    state.counters["plotted"] = plotted;
}

// The slowest export a file can ask for: every sample named with 1,000
// characters, names shown, drawn 8 times the size.
void BM_ExportLongNamesAtScale8(benchmark::State& state)
{
    auto doc = MakeBigDocument(2000);
    doc->m_showId = 1;
    for (SampleRecord& s : doc->m_samples)
        if (s.InUse())
            s.name = std::string(1000, 'W');
    PlotPicture picture(*doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(picture.ToImage(8.0));
}

void Export(benchmark::State& state, PictureType type, double scale = 1.0)
{
    auto doc = MakeBigDocument(static_cast<int>(state.range(0)));
    QByteArray bytes;
    for (auto _ : state) {
        if (!EncodePlotPicture(*doc, type, scale, &bytes))
            state.SkipWithError("the picture was not drawn");
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_ExportPng(benchmark::State& state) { Export(state, PictureType::Png); }
void BM_ExportSvg(benchmark::State& state) { Export(state, PictureType::Svg); }
// A million samples 8 times the size: each look is drawn once, then copied.
void BM_ExportPngAtScale8(benchmark::State& state) { Export(state, PictureType::Png, 8.0); }

} // namespace

BENCHMARK(BM_PaintPlot)->Arg(2000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPng)->Arg(2000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportSvg)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPngAtScale8)->Arg(200000)->Arg(1000000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_ExportLongNamesAtScale8)->Unit(benchmark::kMillisecond)->Iterations(1);
