#include "ui/DragEdgeScroll.h"

#include <gtest/gtest.h>

// A tree 200 pixels high: bands of 10 pixels at each edge scroll, 6 ticks per line at the inner
// side, one tick quicker every 20 pixels further out, down to one tick.
TEST(DragEdgeScroll, DirectionAndRateByDistanceFromTheEdges)
{
    const struct {
        int y;
        int direction;
        int rate;
    } rows[] = {{191, 1, 6},  {209, 1, 6}, {210, 1, 5},  {250, 1, 3},  {290, 1, 1},
                {5000, 1, 1}, {9, -1, 6},  {-10, -1, 5}, {-90, -1, 1}, {-100000, -1, 1}};
    for (const auto& row : rows) {
        EXPECT_EQ(DragEdgeScrollAt(row.y, 200).direction, row.direction) << row.y;
        EXPECT_EQ(DragEdgeScrollAt(row.y, 200).rate, row.rate) << row.y;
    }
    for (int y : {10, 100, 190})
        EXPECT_EQ(DragEdgeScrollAt(y, 200).direction, 0) << y;

    // A short tree scrolls up where the bands overlap.
    EXPECT_EQ(DragEdgeScrollAt(8, 12).direction, -1);
    EXPECT_GE(DragEdgeScrollAt(8, 12).rate, 1);
    EXPECT_EQ(DragEdgeScrollAt(0, 0).direction, -1);
}
