#include "analysis/DensityGridCsv.h"

#include "document/CTernaryDoc.h"
#include "document/SampleCsv.h"

#include <charconv>

std::string DensityGridCsv(const DensityGrid& grid, const CTernaryDoc& doc)
{
    std::string out;
    for (const AxisSettings* axis : { &doc.m_topAxis, &doc.m_leftAxis, &doc.m_rightAxis }) {
        AppendCsvField(out, axis->title);
        out += ',';
    }
    out += grid.kernel ? "Density\n" : "Count\n";
    const TriangleGrid division = grid.Grid();
    out.reserve(out.size() + static_cast<std::size_t>(division.Count()) * 40);
    // to_chars writes a point whatever the locale the program runs in.
    char buffer[64];
    auto append = [&](double value, std::chars_format format, int precision, char after) {
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
        out.append(buffer, result.ptr);
        out += after;
    };
    for (int i = 0; i < division.Count(); ++i) {
        const ClosedComposition c = division.Centroid(division.Bin(i));
        append(c.top, std::chars_format::fixed, 4, ',');
        append(c.left, std::chars_format::fixed, 4, ',');
        append(c.right, std::chars_format::fixed, 4, ',');
        const double value = grid.values[static_cast<std::size_t>(i)];
        if (grid.kernel)
            append(value, std::chars_format::general, 6, '\n');
        else
            append(value, std::chars_format::fixed, 0, '\n');
    }
    return out;
}
