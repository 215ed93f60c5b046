// Sorting sample rows: natural order of names, keys in turn, samples
// lacking a key last in either direction, ties kept in order.
#include "document/SampleRows.h"

#include "DocTestHelpers.h"

#include <cmath>

TEST(SampleRows, NamesCompareInNaturalOrder)
{
    const struct {
        const char* a;
        const char* b;
        int order;
    } cases[] = { { "S2", "S10", -1 }, { "s10", "S10", 0 }, { "S010", "S10", 0 }, { "a", "B", -1 }, { "S1", "S1a", -1 },
        { "10", "9", 1 }, { "x2y10", "x2y9", 1 }, { "99999999999999999999", "100000000000000000000", -1 } };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareNatural(c.a, c.b), c.order) << c.a << " " << c.b;
        EXPECT_EQ(CompareNatural(c.b, c.a), -c.order) << c.b << " " << c.a;
    }
}

TEST(SampleRows, SortOrdersByEachKeyInTurnKeepingTiesAndPuttingWhatIsMissingLast)
{
    // name, top, colour, symbol; an empty name is a sample without one.
    const struct {
        const char* name;
        float top;
        int color, symbol;
    } samples[]
        = { { "a", 5, 2, 0 }, { "b", EMPTY_VALUE, 1, 3 }, { "c", 5, 1, 1 }, { "d", NAN, -1, -1 }, { "e", 7, 1, 1 } };
    const struct {
        std::vector<SortKey> keys;
        const char* order;
    } cases[] = {
        { { { SortColumn::Top, false } }, "acebd." }, // empty and NaN after the values, in their order
        { { { SortColumn::Top, true } }, "eacbd." },
        { { { SortColumn::Symbol, false } }, "cebad." }, // by colour, then symbol
        { { { SortColumn::Symbol, true }, { SortColumn::Top, true } }, "abecd." },
        { { { SortColumn::Left, false } }, "abcde." }, // all equal: as they were
    };
    for (const auto& c : cases) {
        auto doc = NewDoc();
        int slot = 1;
        for (const auto& s : samples) {
            slot += slot == 3; // row 3 stays empty; it gathers at the end of the range
            doc->GetSample(slot) = { s.name, s.top, EMPTY_VALUE, EMPTY_VALUE, s.color, s.symbol, 0, 0, slot };
            ++slot;
        }
        SortSampleRows(*doc, 1, 6, c.keys);
        std::string order;
        for (int r = 1; r <= 6; ++r) {
            const SampleRecord& rec = doc->GetSample(r);
            EXPECT_EQ(rec.row, rec.InUse() ? r : -1);
            order += rec.InUse() ? rec.name : ".";
        }
        EXPECT_EQ(order, c.order);
    }
}
