// The readers at the size limit of what a file may hold: time, and the
// process's peak memory (which must stay under 1 GB) as a counter.
#include "document/CTernaryDoc.h"
#include "document/PlotFile.h"
#include "document/SampleFileReader.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

constexpr std::size_t kFileBytes = 250u << 20;

double PeakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

std::string Repeated(const std::string& unit)
{
    std::string text;
    text.reserve(kFileBytes + unit.size());
    while (text.size() < kFileBytes)
        text += unit;
    return text;
}

void ReportPeak(benchmark::State& state)
{
    state.counters["peak_MB"] = PeakMegabytes();
    if (PeakMegabytes() > 1024.0)
        state.SkipWithError("the reader took more than 1 GB");
}

// 250 MB of short sample lines: 32 million samples, of which a million are kept.
void BM_ReadSampleFile250MB(benchmark::State& state)
{
    const std::string file = Repeated("a,1,2,3\n");
    for (auto _ : state) {
        const SampleFile samples = ReadSampleFile(file);
        benchmark::DoNotOptimize(samples.samples.data());
    }
    ReportPeak(state);
}
BENCHMARK(BM_ReadSampleFile250MB)->Unit(benchmark::kSecond)->Iterations(1);

// 250 MB of small tables, 7 million of them: only the first of each name counts.
void BM_LoadPlotFileOfSmallTables250MB(benchmark::State& state)
{
    const std::string file = Repeated("TABLE=PlotData\nCOLUMNS=[a;b]\nROW=1;2\n");
    CTernaryDoc doc;
    for (auto _ : state)
        LoadPlotFileBytes(doc, file);
    ReportPeak(state);
}
BENCHMARK(BM_LoadPlotFileOfSmallTables250MB)->Unit(benchmark::kSecond)->Iterations(1);

// 250 MB of PlotData rows: the first million are read, the rest counted.
void BM_LoadPlotFileOfRows250MB(benchmark::State& state)
{
    const std::string file = "TABLE=PlotData\nDELIMITER=;\nCOLUMNS=[sampleId;top;left;right;colorId;symbolId;row]\n"
        + Repeated("ROW=a;1;2;97;0;0;\n");
    CTernaryDoc doc;
    for (auto _ : state)
        LoadPlotFileBytes(doc, file);
    ReportPeak(state);
}
BENCHMARK(BM_LoadPlotFileOfRows250MB)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
