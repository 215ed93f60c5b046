// Opening a CSV file of a million samples in the main window, as
// "ternary big.csv" does: reading the file, building the table and the plot,
// showing the window and its first paint. The counters give the memory the
// process holds while the window is open (residentMB) and its peak.
#include "app/CTernaryApp.h"
#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace {

double ResidentMB()
{
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double PeakMB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// count samples in three clusters, one decimal each, colours and symbols cycling.
bool WriteSamplesCsv(const QString& path, int count)
{
    std::string text = "Sample,Clay,Sand,Silt,Color,Symbol\n";
    std::mt19937 random(7);
    std::normal_distribution<double> spread(0, 6);
    const double centres[3][2] = { { 60, 20 }, { 20, 60 }, { 15, 15 } };
    char line[96];
    for (int i = 1; i <= count; ++i) {
        const double* c = centres[i % 3];
        // Tenths that sum to 100, as measured shares are written.
        const long a = std::clamp(std::lround((c[0] + spread(random)) * 10), 0L, 1000L);
        const long b = std::clamp(std::lround((c[1] + spread(random)) * 10), 0L, 1000L - a);
        const long r = 1000 - a - b;
        std::snprintf(line, sizeof line, "S%d,%ld.%ld,%ld.%ld,%ld.%ld,%d,%d\n", i, a / 10, a % 10, b / 10, b % 10,
            r / 10, r % 10, i % 16, i / 16 % 16);
        text += line;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.data(), qint64(text.size())) == qint64(text.size());
}

void BM_OpenWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath("big.csv");
    if (!WriteSamplesCsv(csv, static_cast<int>(state.range(0)))) {
        state.SkipWithError("the samples were not written");
        return;
    }
    CommandLine commandLine;
    commandLine.inputFile = csv;
    CTernaryApp::Options options;
    options.profilePath = dir.filePath("profile.ini");
    options.registerDesktop = false;
    double resident = 0;
    for (auto _ : state) {
        auto app = std::make_unique<CTernaryApp>(options);
        if (!app->InitInstance(commandLine))
            state.SkipWithError("the file was not opened");
        QCoreApplication::processEvents(); // the first paint
        state.PauseTiming();
        resident = ResidentMB();
        app.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["residentMB"] = resident;
    state.counters["peakMB"] = PeakMB();
}

} // namespace

BENCHMARK(BM_OpenWindow)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
