// Loading and saving a plot file of 2,000 or 200,000 samples with every table.
#include "document/CTernaryDoc.h"
#include "document/PlotFile.h"

#include <benchmark/benchmark.h>

namespace {

// A document with `samples` samples over all 16 colours and symbols (so the
// legend has many entries), a few annotations and non-default settings.
std::unique_ptr<CTernaryDoc> FullDocument(int samples)
{
    auto doc = std::make_unique<CTernaryDoc>();
    doc->OnNewDocument();
    doc->EnsureSampleSlot(samples);
    for (int slot = 1; slot <= samples && slot < doc->m_sampleSlots; ++slot) {
        SampleRecord& s = doc->GetSample(slot);
        const int oldSymbol = s.symbolId;
        const int oldColor = s.colorId;
        s.row = slot;
        s.name = "Sample " + std::to_string(slot);
        s.top = static_cast<float>(slot % 97) * 0.731f;
        s.left = static_cast<float>(slot % 89) * 0.517f;
        s.right = 100.0f - s.top - s.left;
        s.colorId = slot % 16;
        s.symbolId = (slot / 16) % 16;
        doc->m_legend.UpdateForSample(s.symbolId, s.colorId, oldSymbol, oldColor, s.name);
    }
    for (int i = 0; i < 10; ++i) {
        auto note = std::make_unique<Annotation>();
        note->rect = { 10 * i, 20 * i, 10 * i + 80, 20 * i + 16 };
        note->text = "Annotation " + std::to_string(i);
        doc->m_annotations.Add(std::move(note));
    }
    doc->m_topAxis.SetTitle("SiO2");
    doc->m_symbolSize = 6;
    return doc;
}

void BM_LoadPlotFile(benchmark::State& state)
{
    auto source = FullDocument(static_cast<int>(state.range(0)));
    const std::string file = SavePlotFileBytes(*source);
    CTernaryDoc doc;
    for (auto _ : state) {
        LoadPlotFileBytes(doc, file);
        benchmark::DoNotOptimize(doc.GetSample(2000).top);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_LoadPlotFile)->Arg(2000)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_SavePlotFile(benchmark::State& state)
{
    auto doc = FullDocument(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string file = SavePlotFileBytes(*doc);
        benchmark::DoNotOptimize(file.data());
    }
}
BENCHMARK(BM_SavePlotFile)->Arg(2000)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace
