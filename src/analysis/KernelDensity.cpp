#include "analysis/KernelDensity.h"

#include "document/DensitySettings.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kSide = 100; // the triangle's side on the plane, in percent
constexpr double kRise = 0.8660254037844386; // sin 60°: height per unit of top
constexpr double kReach = 4; // kernels are cut off this many bandwidths out
constexpr int kMaxRasterCells = 512; // a side, at the finest
constexpr double kMinAutoBandwidth = 1;

struct PlanePoint {
    double x = 0;
    double y = 0;
};

PlanePoint ToPlane(const ClosedComposition& c) { return { c.right + c.top * 0.5, c.top * kRise }; }

// CloseComposition with one division instead of three: the density is
// spread over cells far wider than the last bit this rounds differently,
// and it closes every sample twice on each change of a big document.
std::optional<ClosedComposition> CloseForDensity(const SampleRecord& sample)
{
    const double sum = ClosingSum(sample.top, sample.left, sample.right);
    if (!(sum > 0))
        return std::nullopt;
    const double scale = 100.0 / sum;
    return ClosedComposition { sample.top * scale, sample.left * scale, sample.right * scale };
}

// The mirror image across the edge where one component is 0: that component
// changes sign and the other two grow by it, so the sum stays 100.
ClosedComposition Reflect(const ClosedComposition& c, int edge)
{
    switch (edge) {
    case 0:
        return { -c.top, c.left + c.top, c.right + c.top };
    case 1:
        return { c.top + c.left, -c.left, c.right + c.left };
    default:
        return { c.top + c.right, c.left + c.right, -c.right };
    }
}

double Component(const ClosedComposition& c, int which) { return which == 0 ? c.top : which == 1 ? c.left : c.right; }

// A square raster of the plane around the triangle, wide enough for kernels
// and mirror images reaching out of it.
class Raster {
public:
    Raster(double margin, double cell)
        : m_x0(-margin)
        , m_y0(-margin)
        , m_cell(cell)
        , m_perCell(1 / cell)
        , m_width(static_cast<int>(std::ceil((kSide + 2 * margin) / cell)) + 2)
        , m_height(static_cast<int>(std::ceil((kSide * kRise + 2 * margin) / cell)) + 2)
        , m_cells(static_cast<std::size_t>(m_width) * m_height, 0.0)
    {
    }

    // Spreads a unit of weight over the four cells around the point.
    void Deposit(const PlanePoint& p)
    {
        const double gx = (p.x - m_x0) * m_perCell, gy = (p.y - m_y0) * m_perCell;
        const int ix = static_cast<int>(std::floor(gx)), iy = static_cast<int>(std::floor(gy));
        if (ix < 0 || iy < 0 || ix >= m_width - 1 || iy >= m_height - 1)
            return;
        const double fx = gx - ix, fy = gy - iy;
        double* row = &m_cells[static_cast<std::size_t>(iy) * m_width + ix];
        row[0] += (1 - fx) * (1 - fy);
        row[1] += fx * (1 - fy);
        row[m_width] += (1 - fx) * fy;
        row[m_width + 1] += fx * fy;
    }

    // Convolves with a Gaussian of the bandwidth, one axis at a time.
    void Blur(double bandwidth)
    {
        const int reach = static_cast<int>(std::ceil(kReach * bandwidth / m_cell));
        std::vector<double> taps(static_cast<std::size_t>(2 * reach + 1));
        double sum = 0;
        for (int k = -reach; k <= reach; ++k) {
            const double d = k * m_cell / bandwidth;
            sum += taps[static_cast<std::size_t>(k + reach)] = std::exp(-0.5 * d * d);
        }
        for (double& tap : taps)
            tap /= sum;
        std::vector<double> out(m_cells.size(), 0.0);
        auto pass = [&](const std::vector<double>& from, std::vector<double>& to, int step, int length, int lines,
                        int lineStep) {
            std::fill(to.begin(), to.end(), 0.0);
            for (int line = 0; line < lines; ++line) {
                const double* src = &from[static_cast<std::size_t>(line) * lineStep];
                double* dst = &to[static_cast<std::size_t>(line) * lineStep];
                for (int i = 0; i < length; ++i) {
                    const double value = src[static_cast<std::ptrdiff_t>(i) * step];
                    if (value == 0)
                        continue;
                    const int from = std::max(0, i - reach), to = std::min(length - 1, i + reach);
                    for (int j = from; j <= to; ++j)
                        dst[static_cast<std::ptrdiff_t>(j) * step]
                            += value * taps[static_cast<std::size_t>(j - i + reach)];
                }
            }
        };
        pass(m_cells, out, 1, m_width, m_height, m_width);
        pass(out, m_cells, m_width, m_height, m_width, 1);
    }

    // The blurred weight at a point, interpolated between the four cells.
    double Sample(const PlanePoint& p) const
    {
        const double gx = (p.x - m_x0) / m_cell, gy = (p.y - m_y0) / m_cell;
        const int ix = std::clamp(static_cast<int>(std::floor(gx)), 0, m_width - 2);
        const int iy = std::clamp(static_cast<int>(std::floor(gy)), 0, m_height - 2);
        const double fx = std::clamp(gx - ix, 0.0, 1.0), fy = std::clamp(gy - iy, 0.0, 1.0);
        const double* row = &m_cells[static_cast<std::size_t>(iy) * m_width + ix];
        return std::max(
            0.0, (row[0] * (1 - fx) + row[1] * fx) * (1 - fy) + (row[m_width] * (1 - fx) + row[m_width + 1] * fx) * fy);
    }

    double Cell() const { return m_cell; }

private:
    double m_x0, m_y0, m_cell, m_perCell;
    int m_width, m_height;
    std::vector<double> m_cells;
};

// Deposits a sample and, near the edges, its mirror images: one across each
// edge within reach, and near a corner the rest of the six images of the
// two edges that meet there, so the 60° wedge keeps all its mass.
void DepositWithImages(Raster& raster, const ClosedComposition& c, double reach)
{
    raster.Deposit(ToPlane(c));
    for (int edge = 0; edge < 3; ++edge)
        if (Component(c, edge) * kRise < reach)
            raster.Deposit(ToPlane(Reflect(c, edge)));
    for (int corner = 0; corner < 3; ++corner) {
        // The corner where this component is 100 lies where the other two edges meet.
        const int a = (corner + 1) % 3, b = (corner + 2) % 3;
        const double away = kSide - Component(c, corner); // along the corner's axis, in percent
        if (away * kRise >= reach)
            continue;
        const ClosedComposition ab = Reflect(Reflect(c, b), a);
        const ClosedComposition ba = Reflect(Reflect(c, a), b);
        raster.Deposit(ToPlane(ab));
        raster.Deposit(ToPlane(ba));
        raster.Deposit(ToPlane(Reflect(ab, b)));
    }
}

} // namespace

int KernelGridSide(int bins) { return std::max(100, bins); }

DensityGrid KernelDensity(std::span<const SampleRecord> samples, int side, double bandwidth)
{
    DensityGrid grid;
    grid.side = side;
    grid.kernel = true;
    const TriangleGrid division(side);
    grid.values.assign(static_cast<std::size_t>(division.Count()), 0.0);
    grid.vertexValues.assign(static_cast<std::size_t>(division.VertexCount()), 0.0);

    // Two passes over the samples, closing each again, rather than a copy of
    // a million points: the spread for the bandwidth, then the deposits.
    long long count = 0;
    double sumX = 0, sumY = 0, sumXX = 0, sumYY = 0;
    for (const SampleRecord& sample : samples) {
        if (!sample.InUse())
            continue;
        if (const auto closed = CloseForDensity(sample)) {
            ++count;
            const PlanePoint p = ToPlane(*closed);
            sumX += p.x;
            sumY += p.y;
            sumXX += p.x * p.x;
            sumYY += p.y * p.y;
        }
    }
    const double n = static_cast<double>(count);
    grid.samples = count;
    if (count == 0)
        return grid;

    if (bandwidth > 0) {
        bandwidth = std::clamp(bandwidth, DensitySettings::kMinBandwidth, DensitySettings::kMaxBandwidth);
    } else {
        const double varX = std::max(0.0, sumXX / n - (sumX / n) * (sumX / n));
        const double varY = std::max(0.0, sumYY / n - (sumY / n) * (sumY / n));
        const double spread = std::sqrt((varX + varY) / 2);
        bandwidth = std::clamp(spread * std::pow(n, -1.0 / 6), kMinAutoBandwidth, DensitySettings::kMaxBandwidth);
    }
    grid.bandwidth = bandwidth;

    const double reach = kReach * bandwidth;
    Raster raster(reach, std::max(bandwidth / 3, (kSide + 2 * reach) / kMaxRasterCells));
    for (const SampleRecord& sample : samples)
        if (sample.InUse())
            if (const auto closed = CloseForDensity(sample))
                DepositWithImages(raster, *closed, reach);
    raster.Blur(bandwidth);

    double sum = 0;
    for (int i = 0; i < division.Count(); ++i) {
        const double value = raster.Sample(ToPlane(division.Centroid(division.Bin(i))));
        grid.values[static_cast<std::size_t>(i)] = value;
        sum += value;
    }
    const double s = kSide / side;
    for (int top = 0; top <= side; ++top)
        for (int right = 0; top + right <= side; ++right)
            grid.vertexValues[static_cast<std::size_t>(division.VertexIndex(top, right))]
                = raster.Sample(ToPlane({ top * s, kSide - (top + right) * s, right * s }));

    // Each raster cell holds weight per cell² of the plane; a bin covers the
    // triangle's area over side².
    const double binArea = kSide * kSide * kRise / 2 / (double(side) * side);
    grid.massInside = sum * binArea / (raster.Cell() * raster.Cell()) / n;
    if (sum > 0) {
        for (double& value : grid.values)
            value /= sum;
        for (double& value : grid.vertexValues)
            value /= sum;
    }
    return grid;
}
