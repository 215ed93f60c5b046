// Density on the simplex with a million samples: counting the bins, the
// kernel density (binned onto its raster, then spread), and painting a
// kernel density with the samples hidden from a density already computed,
// as the window does between changes.
#include "analysis/DensityGrid.h"
#include "analysis/KernelDensity.h"
#include "document/CTernaryDoc.h"
#include "framework/gui/CDC.h"
#include "plot/AnnotationLayer.h"
#include "plot/DensityLayer.h"
#include "plot/LegendBox.h"
#include "plot/PlotGeometry.h"
#include "plot/PlotRenderer.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

// count samples in three clusters, as measured compositions lie.
std::unique_ptr<CTernaryDoc> MakeClusteredDocument(int count)
{
    auto doc = std::make_unique<CTernaryDoc>();
    doc->OnNewDocument();
    doc->EnsureSampleSlot(count);
    std::mt19937 random(7);
    std::normal_distribution<float> spread(0, 6);
    const float centres[3][3] = { { 60, 20, 20 }, { 20, 60, 20 }, { 15, 15, 70 } };
    for (int slot = 1; slot <= count; ++slot) {
        const float* c = centres[slot % 3];
        SampleRecord& s = doc->GetSample(slot);
        s.top = std::max(0.0f, c[0] + spread(random));
        s.left = std::max(0.0f, c[1] + spread(random));
        s.right = std::max(0.0f, c[2] + spread(random));
        s.colorId = s.symbolId = 1;
        s.row = slot;
    }
    return doc;
}

void BM_DensityBins(benchmark::State& state)
{
    auto doc = MakeClusteredDocument(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CountBins(doc->m_samples, 20));
}

void BM_DensityKernel(benchmark::State& state)
{
    auto doc = MakeClusteredDocument(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(KernelDensity(doc->m_samples, KernelGridSide(20), 0));
}

void BM_PaintDensity(benchmark::State& state)
{
    auto doc = MakeClusteredDocument(static_cast<int>(state.range(0)));
    doc->m_density.mode = DensitySettings::Kernel;
    doc->m_density.showSamples = 0;
    PlotGeometry geo;
    geo.SetCanvasFromDpi(96);
    geo.LayoutPlot();
    geo.ComputeCorners(doc->m_topAxis, doc->m_leftAxis, doc->m_rightAxis);
    QImage image(768, 960, QImage::Format_RGB32);
    LegendBox legend(doc->m_legend);
    AnnotationLayer annotations(doc->m_annotations);
    DensityCache density;
    density.For(*doc);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        CDC dc(&painter);
        PlotRenderer renderer(*doc, geo);
        renderer.SetDensity(density.For(*doc));
        renderer.OnDraw(dc, annotations, legend);
    }
}

} // namespace

BENCHMARK(BM_DensityBins)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DensityKernel)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintDensity)->Arg(1000000)->Unit(benchmark::kMillisecond);
