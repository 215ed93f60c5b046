// A diagram of fields read from a file. Where fields overlap the first one
// listed wins; a sample on an edge belongs to the first field whose polygon,
// edges included, holds it.
#include "analysis/ClassDiagram.h"
#include "analysis/Composition.h"

#include <algorithm>
#include <cmath>

namespace {

// Shares closer than this to an edge lie on it (float inputs carry about
// seven digits).
constexpr double kOnEdge = 1e-6;

struct Point {
    double x, y;
};

// Any affine image of the triangle keeps what lies inside what.
Point ToPlane(const FieldVertex& v) { return { v.right + v.top / 2, v.top }; }

bool OnSegment(Point p, Point a, Point b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy)) <= kOnEdge;
}

bool Holds(const std::vector<FieldVertex>& polygon, Point p)
{
    bool inside = false;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Point a = ToPlane(polygon[i]), b = ToPlane(polygon[j]);
        if (OnSegment(p, a, b))
            return true;
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

class PolygonDiagram : public ClassDiagram {
public:
    explicit PolygonDiagram(const std::vector<FieldPolygon>& fields)
    {
        for (const FieldPolygon& field : fields)
            m_fields.push_back({ field.name, std::to_string(m_fields.size() + 1), field.vertices });
    }

    int Classify(float top, float left, float right) const override
    {
        const auto closed = CloseComposition(top, left, right);
        if (!closed)
            return -1;
        const Point p = ToPlane({ closed->top, closed->left, closed->right });
        for (std::size_t i = 0; i < m_fields.size(); ++i)
            if (m_fields[i].polygon.size() >= 3 && Holds(m_fields[i].polygon, p))
                return static_cast<int>(i);
        return -1;
    }
};

} // namespace

std::unique_ptr<ClassDiagram> MakePolygonDiagram(const std::vector<FieldPolygon>& fields)
{
    return std::make_unique<PolygonDiagram>(fields);
}
