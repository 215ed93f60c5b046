#pragma once

#include "document/DensitySettings.h"

#include <string>

class CTextTableReader;

// The optional Density table of the plot file: name/value rows of the
// density settings. Builds that do not know it skip it; the writer leaves
// it out while the settings are the defaults, so such plots keep their bytes.
namespace DensityTable {

inline constexpr const char* kTable = "Density";
// Row names.
inline constexpr const char* kMode = "mode"; // off, bins or kernel
inline constexpr const char* kBins = "bins";
inline constexpr const char* kBandwidth = "bandwidth"; // 0: Scott's rule
inline constexpr const char* kContours = "contours";
inline constexpr const char* kColourMap = "colourMap"; // viridis, cividis, magma or greys
inline constexpr const char* kLogScale = "logScale";
inline constexpr const char* kFixedLimits = "fixedLimits";
inline constexpr const char* kLow = "low";
inline constexpr const char* kHigh = "high";
inline constexpr const char* kShowSamples = "showSamples";

// The names of the modes and colour maps as the file and the command line spell them.
const char* ModeName(int mode);
const char* ColourMapName(int map);
// -1 for a name that is none of them.
int ModeFromName(std::string_view name);
int ColourMapFromName(std::string_view name);

// Appends the table to a plot file's text when the settings are not the defaults.
void Write(const DensitySettings& settings, std::string& out);
// Reads the current table of the reader into the settings; values out of
// range are held to it and unknown names leave the default.
void Read(const CTextTableReader& reader, DensitySettings& settings);

} // namespace DensityTable
