#include "analysis/Composition.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Composition, ClosesToOneHundredAndRefusesWhatCannotBeClosed)
{
    const auto closed = CloseComposition(30.f, 60.f, 30.f);
    ASSERT_TRUE(closed);
    EXPECT_DOUBLE_EQ(closed->top, 25.0);
    EXPECT_DOUBLE_EQ(closed->left, 50.0);
    EXPECT_DOUBLE_EQ(closed->right, 25.0);

    const auto corner = CloseComposition(0.f, 0.f, 5.f);
    ASSERT_TRUE(corner);
    EXPECT_DOUBLE_EQ(corner->right, 100.0);

    EXPECT_FALSE(CloseComposition(EMPTY_VALUE, 50.f, 50.f));
    EXPECT_FALSE(CloseComposition(50.f, -0.5f, 50.f));
    EXPECT_FALSE(CloseComposition(0.f, 0.f, 0.f));
    EXPECT_FALSE(CloseComposition(50.f, 50.f, std::nanf("")));
}
