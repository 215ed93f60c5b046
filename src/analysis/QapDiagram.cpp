// The QAP diagram of plutonic rocks: quartz is the top component, alkali
// feldspar the left and plagioclase the right. Below 60 % quartz three bands
// are each cut by the plagioclase ratio r = P / (A + P); a field holds its
// lower line.
#include "analysis/ClassDiagram.h"
#include "analysis/ShareTest.h"

#include <array>

namespace {

constexpr std::array<double, 4> kRatioCuts { 10, 35, 65, 90 }; // r in per cent
constexpr std::array<double, 4> kBandLimits { 60, 20, 5, 0 }; // quartz, upper limits of the bands and the floor

const char* const kBandFields[3][5] = {
    { "2 Alkali-feldspar granite", "3a Syenogranite", "3b Monzogranite", "4 Granodiorite", "5 Tonalite" },
    { "6* Quartz alkali-feldspar syenite", "7* Quartz syenite", "8* Quartz monzonite",
        "9* Quartz monzodiorite / quartz monzogabbro", "10* Quartz diorite / quartz gabbro / quartz anorthosite" },
    { "6 Alkali-feldspar syenite", "7 Syenite", "8 Monzonite", "9 Monzodiorite / monzogabbro",
        "10 Diorite / gabbro / anorthosite" },
};

// The corner at quartz q on the line of ratio r (both in per cent).
FieldVertex OnRatioLine(double q, double r)
{
    const double feldspar = 100 - q;
    return { q, feldspar * (100 - r) / 100, feldspar * r / 100 };
}

std::string NumberOf(const std::string& name) { return name.substr(0, name.find(' ')); }

class QapDiagram : public ClassDiagram {
public:
    QapDiagram()
    {
        m_fields.push_back({ "1a Quartzolite", "1a", { { 100, 0, 0 }, { 90, 10, 0 }, { 90, 0, 10 } } });
        m_fields.push_back(
            { "1b Quartz-rich granitoid", "1b", { { 90, 10, 0 }, { 60, 40, 0 }, { 60, 0, 40 }, { 90, 0, 10 } } });
        for (int band = 0; band < 3; ++band) {
            const double upper = kBandLimits[static_cast<std::size_t>(band)];
            const double lower = kBandLimits[static_cast<std::size_t>(band) + 1];
            for (int cut = 0; cut < 5; ++cut) {
                const double r0 = cut == 0 ? 0 : kRatioCuts[static_cast<std::size_t>(cut) - 1];
                const double r1 = cut == 4 ? 100 : kRatioCuts[static_cast<std::size_t>(cut)];
                const std::string name = kBandFields[band][cut];
                m_fields.push_back({ name, NumberOf(name),
                    { OnRatioLine(upper, r0), OnRatioLine(lower, r0), OnRatioLine(lower, r1),
                        OnRatioLine(upper, r1) } });
            }
        }
    }

    int Classify(float top, float left, float right) const override
    {
        const auto s = ShareTest::Of(top, left, right);
        if (!s)
            return -1;
        if (s->AtLeast(s->top, 90))
            return 0;
        if (s->AtLeast(s->top, 60))
            return 1;
        const int band = s->AtLeast(s->top, 20) ? 0 : s->AtLeast(s->top, 5) ? 1 : 2;
        // r >= c exactly when 100 P >= c (A + P); A + P > 0 below 60 % quartz.
        const double feldspar = s->left + s->right;
        int cut = 0;
        while (cut < 4 && 100.0 * s->right >= kRatioCuts[static_cast<std::size_t>(cut)] * feldspar)
            ++cut;
        return 2 + band * 5 + cut;
    }
};

} // namespace

std::unique_ptr<ClassDiagram> MakeQapDiagram() { return std::make_unique<QapDiagram>(); }
