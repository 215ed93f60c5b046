#include "DocTestHelpers.h"

namespace {

DensitySettings EverySettingChanged()
{
    DensitySettings s;
    s.mode = DensitySettings::Kernel;
    s.bins = 37;
    s.bandwidth = 2.75;
    s.contours = 1;
    s.colourMap = DensitySettings::Magma;
    s.logScale = 1;
    s.fixedLimits = 1;
    s.low = 0.0001;
    s.high = 0.0125;
    s.showSamples = 0;
    return s;
}

} // namespace

TEST(DensityFileTest, SettingsTravelInAnOptionalTableThatDefaultsLeaveOut)
{
    auto doc = NewDoc();
    const std::string plain = SavePlotFileBytes(*doc);
    doc->m_density = EverySettingChanged();
    const std::string saved = SavePlotFileBytes(*doc);
    EXPECT_EQ(saved,
        plain
            + "TABLE=Density\nDELIMITER=;\nCOLUMNS=[name;value]\nROW=mode;kernel\nROW=bins;37\nROW=bandwidth;2.75\n"
              "ROW=contours;1\nROW=colourMap;magma\nROW=logScale;1\nROW=fixedLimits;1\nROW=low;1e-04\n"
              "ROW=high;0.0125\nROW=showSamples;0\nEND\n\n");
    EXPECT_EQ(LoadedDoc(saved)->m_density, EverySettingChanged());
    // A file without the table gives the defaults back.
    LoadPlotFileBytes(*doc, plain);
    EXPECT_EQ(doc->m_density, DensitySettings {});
}

TEST(DensityFileTest, ValuesOutOfRangeAreHeldToIt)
{
    struct Case {
        const char* rows;
        DensitySettings want;
    };
    DensitySettings most, fewest, unknown;
    most.bins = 200;
    most.bandwidth = 50;
    fewest.bins = 2;
    fewest.mode = DensitySettings::Bins;
    for (const Case& c : {
             Case { "ROW=bins;5000\nROW=bandwidth;1e9\n", most },
             Case { "ROW=bins;-3\nROW=bandwidth;-1\nROW=mode;bins\n", fewest },
             Case { "ROW=mode;contour\nROW=colourMap;jet\nROW=low;abc\nROW=high;inf\n", unknown },
         }) {
        auto doc = LoadedDoc(SavePlotFileBytes(*NewDoc()) + "TABLE=Density\nCOLUMNS=[name;value]\n" + c.rows);
        EXPECT_EQ(doc->m_density, c.want) << c.rows;
    }
}
