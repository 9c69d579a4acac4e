#include "ui/DragEdgeScroll.h"

#include <gtest/gtest.h>

TEST(DragEdgeScroll, MiddleOfTheTreeDoesNotScroll)
{
    EXPECT_EQ(DragEdgeScrollAt(10, 200).direction, 0);
    EXPECT_EQ(DragEdgeScrollAt(100, 200).direction, 0);
    EXPECT_EQ(DragEdgeScrollAt(190, 200).direction, 0);
}

TEST(DragEdgeScroll, RateQuickensEveryTwentyPixelsFurtherOutDownToOneTick)
{
    // At the band's inner side the rate is the slowest, 6 ticks per line.
    EXPECT_EQ(DragEdgeScrollAt(191, 200).direction, 1);
    EXPECT_EQ(DragEdgeScrollAt(191, 200).rate, 6);
    EXPECT_EQ(DragEdgeScrollAt(209, 200).rate, 6);
    EXPECT_EQ(DragEdgeScrollAt(210, 200).rate, 5);
    EXPECT_EQ(DragEdgeScrollAt(250, 200).rate, 3);
    EXPECT_EQ(DragEdgeScrollAt(290, 200).rate, 1);
    EXPECT_EQ(DragEdgeScrollAt(5000, 200).rate, 1);

    EXPECT_EQ(DragEdgeScrollAt(9, 200).direction, -1);
    EXPECT_EQ(DragEdgeScrollAt(9, 200).rate, 6);
    EXPECT_EQ(DragEdgeScrollAt(-10, 200).rate, 5);
    EXPECT_EQ(DragEdgeScrollAt(-90, 200).rate, 1);
    EXPECT_EQ(DragEdgeScrollAt(-100000, 200).rate, 1);
}

TEST(DragEdgeScroll, ShortTreeScrollsUpWhereTheBandsOverlap)
{
    const DragEdgeScroll scroll = DragEdgeScrollAt(8, 12);
    EXPECT_EQ(scroll.direction, -1);
    EXPECT_GE(scroll.rate, 1);
    EXPECT_EQ(DragEdgeScrollAt(0, 0).direction, -1);
}
