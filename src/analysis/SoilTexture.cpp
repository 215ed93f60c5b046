// The USDA soil texture triangle: clay is the top component, sand the left
// and silt the right. A sample on a class line belongs to the finer class,
// which the order and the strict and non-strict limits below already say.
#include "analysis/ClassDiagram.h"
#include "analysis/ShareTest.h"

namespace {

enum SoilClass {
    Sand,
    LoamySand,
    SandyLoam,
    Loam,
    SiltLoam,
    Silt,
    SandyClayLoam,
    ClayLoam,
    SiltyClayLoam,
    SandyClay,
    SiltyClay,
    Clay,
};

// The NRCS rules, tried in order.
int SoilClassOf(const ShareTest& s)
{
    const double clay = s.top, sand = s.left, silt = s.right;
    // clay' within [low, high)
    auto clayIn = [&](double low, double high) { return s.AtLeast(clay, low) && s.Below(clay, high); };
    if (s.Below(silt + 1.5 * clay, 15))
        return Sand;
    if (s.Below(silt + 2 * clay, 30))
        return LoamySand;
    if ((clayIn(7, 20) && s.Above(sand, 52)) || (s.Below(clay, 7) && s.Below(silt, 50)))
        return SandyLoam;
    if (clayIn(7, 27) && s.AtLeast(silt, 28) && s.Below(silt, 50) && s.AtMost(sand, 52))
        return Loam;
    if ((s.AtLeast(silt, 50) && clayIn(12, 27)) || (s.AtLeast(silt, 50) && s.Below(silt, 80) && s.Below(clay, 12)))
        return SiltLoam;
    if (s.AtLeast(silt, 80) && s.Below(clay, 12))
        return Silt;
    if (clayIn(20, 35) && s.Below(silt, 28) && s.Above(sand, 45))
        return SandyClayLoam;
    if (clayIn(27, 40) && s.Above(sand, 20) && s.AtMost(sand, 45))
        return ClayLoam;
    if (clayIn(27, 40) && s.AtMost(sand, 20))
        return SiltyClayLoam;
    if (s.AtLeast(clay, 35) && s.Above(sand, 45))
        return SandyClay;
    if (s.AtLeast(clay, 40) && s.AtLeast(silt, 40))
        return SiltyClay;
    return Clay;
}

class SoilTextureDiagram : public ClassDiagram {
public:
    SoilTextureDiagram()
    {
        // Corners as (clay, sand, silt), in the order of SoilClass.
        using V = FieldVertex;
        m_fields = {
            { "Sand", "1", { V { 0, 100, 0 }, V { 0, 85, 15 }, V { 10, 90, 0 } } },
            { "Loamy sand", "2", { V { 0, 85, 15 }, V { 0, 70, 30 }, V { 15, 85, 0 }, V { 10, 90, 0 } } },
            { "Sandy loam", "3",
                { V { 0, 70, 30 }, V { 0, 50, 50 }, V { 7, 43, 50 }, V { 7, 52, 41 }, V { 20, 52, 28 }, V { 20, 80, 0 },
                    V { 15, 85, 0 } } },
            { "Loam", "4", { V { 7, 52, 41 }, V { 7, 43, 50 }, V { 27, 23, 50 }, V { 27, 45, 28 }, V { 20, 52, 28 } } },
            { "Silt loam", "5",
                { V { 0, 50, 50 }, V { 0, 20, 80 }, V { 12, 8, 80 }, V { 12, 0, 88 }, V { 27, 0, 73 }, V { 27, 23, 50 },
                    V { 7, 43, 50 } } },
            { "Silt", "6", { V { 0, 20, 80 }, V { 0, 0, 100 }, V { 12, 0, 88 }, V { 12, 8, 80 } } },
            { "Sandy clay loam", "7",
                { V { 20, 80, 0 }, V { 20, 52, 28 }, V { 27, 45, 28 }, V { 35, 45, 20 }, V { 35, 65, 0 } } },
            { "Clay loam", "8", { V { 27, 45, 28 }, V { 27, 20, 53 }, V { 40, 20, 40 }, V { 40, 45, 15 } } },
            { "Silty clay loam", "9", { V { 27, 20, 53 }, V { 27, 0, 73 }, V { 40, 0, 60 }, V { 40, 20, 40 } } },
            { "Sandy clay", "10", { V { 35, 65, 0 }, V { 35, 45, 20 }, V { 55, 45, 0 } } },
            { "Silty clay", "11", { V { 40, 20, 40 }, V { 40, 0, 60 }, V { 60, 0, 40 } } },
            { "Clay", "12", { V { 40, 45, 15 }, V { 55, 45, 0 }, V { 100, 0, 0 }, V { 60, 0, 40 }, V { 40, 20, 40 } } },
        };
    }

    int Classify(float top, float left, float right) const override
    {
        const auto shares = ShareTest::Of(top, left, right);
        return shares ? SoilClassOf(*shares) : -1;
    }
};

} // namespace

std::unique_ptr<ClassDiagram> MakeSoilTextureDiagram() { return std::make_unique<SoilTextureDiagram>(); }
