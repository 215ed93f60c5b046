#include "document/DensityTable.h"

#include "document/CTextTableReader.h"
#include "document/NumberFormat.h"
#include "document/PlotFileKeys.h"
#include "document/PlotFileLines.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace DensityTable {

namespace {

constexpr const char* kModeNames[] = { "off", "bins", "kernel" };
constexpr const char* kColourMapNames[] = { "viridis", "cividis", "magma", "greys" };

int Find(const char* const* names, int count, std::string_view name)
{
    for (int i = 0; i < count; ++i)
        if (name == names[i])
            return i;
    return -1;
}

// Shortest text that reads back as the same double, "C" locale.
std::string FormatDouble(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool ParseDouble(std::string_view text, double& value)
{
    double parsed = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec != std::errc() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

} // namespace

const char* ModeName(int mode) { return kModeNames[std::clamp(mode, 0, 2)]; }
const char* ColourMapName(int map) { return kColourMapNames[std::clamp(map, 0, 3)]; }
int ModeFromName(std::string_view name) { return Find(kModeNames, 3, name); }
int ColourMapFromName(std::string_view name) { return Find(kColourMapNames, 4, name); }

void Write(const DensitySettings& settings, std::string& out)
{
    using PlotFileKeys::kEnd, PlotFileKeys::kNameValueColumns;
    if (settings == DensitySettings {})
        return;
    auto row = [&](const char* name, const std::string& value) { PlotFileLines::AppendNameValueRow(out, name, value); };
    PlotFileLines::AppendTableHeader(out, DensityTable::kTable, kNameValueColumns);
    row(kMode, ModeName(settings.mode));
    row(kBins, FormatInt(settings.bins));
    row(kBandwidth, FormatDouble(settings.bandwidth));
    row(kContours, FormatInt(settings.contours));
    row(kColourMap, ColourMapName(settings.colourMap));
    row(kLogScale, FormatInt(settings.logScale));
    row(kFixedLimits, FormatInt(settings.fixedLimits));
    row(kLow, FormatDouble(settings.low));
    row(kHigh, FormatDouble(settings.high));
    row(kShowSamples, FormatInt(settings.showSamples));
    out += kEnd;
    out += "\n\n";
}

void Read(const CTextTableReader& reader, DensitySettings& settings)
{
    using PlotFileKeys::kName;
    using PlotFileKeys::kValue;
    std::string name, value;
    for (int i = 0; i < reader.GetRowCount(); ++i) {
        if (!reader.GetValue(i, kName, name) || !reader.GetValue(i, kValue, value))
            continue;
        auto flag = [&](int& field) { field = ParseInt(value) != 0; };
        double number = 0;
        if (name == kMode)
            settings.mode = std::max(0, ModeFromName(value));
        else if (name == kColourMap)
            settings.colourMap = std::max(0, ColourMapFromName(value));
        else if (name == kBins)
            settings.bins = std::clamp(ParseInt(value), DensitySettings::kMinBins, DensitySettings::kMaxBins);
        else if (name == kBandwidth && ParseDouble(value, number))
            settings.bandwidth
                = number > 0 ? std::clamp(number, DensitySettings::kMinBandwidth, DensitySettings::kMaxBandwidth) : 0;
        else if (name == kLow && ParseDouble(value, number))
            settings.low = number;
        else if (name == kHigh && ParseDouble(value, number))
            settings.high = number;
        else if (name == kContours)
            flag(settings.contours);
        else if (name == kLogScale)
            flag(settings.logScale);
        else if (name == kFixedLimits)
            flag(settings.fixedLimits);
        else if (name == kShowSamples)
            flag(settings.showSamples);
    }
}

} // namespace DensityTable
