#include "ui/ScrollGeometry.h"

#include <gtest/gtest.h>

using Part = ScrollGeometry::Part;

TEST(ScrollGeometry, ThumbRunsFromTheStartArrowToTheEndOfTheTrack)
{
    // 200 pixels with the corner kept: 200 - 2*12 - 12 - 12 = 152 pixels of travel, positions
    // rounded towards zero (1 * 152 / 100 = 1.52) and kept on the track.
    ScrollGeometry bar(200, true);
    EXPECT_EQ(bar.TrackLength(), 152);
    const std::pair<int, int> offsets[] = {{0, 12}, {100, 164}, {50, 88}, {1, 13}, {1000, 164}, {-5, 12}};
    for (const auto& [position, offset] : offsets)
        EXPECT_EQ(bar.ThumbOffsetFor(position, 100), offset) << position;

    // Without the corner the track is 12 pixels longer and the thumb ends at the end arrow.
    bar.SetCorner(false);
    EXPECT_EQ(bar.TrackLength(), 164);
    EXPECT_EQ(bar.ThumbOffsetFor(100, 100) + ScrollGeometry::kThumbLength, bar.EndArrowStart());

    // Nothing to scroll keeps the thumb at the start; a bar too short for its parts has no track.
    EXPECT_EQ(ScrollGeometry(120, true).ThumbOffsetFor(3, 0), 12);
    EXPECT_DOUBLE_EQ(ScrollGeometry(120, true).PixelsPerUnit(0), 1.0);
    EXPECT_DOUBLE_EQ(ScrollGeometry(120, true).PixelsPerUnit(144), 0.5);
    ScrollGeometry tiny(30, true);
    EXPECT_EQ(tiny.TrackLength(), 0);
    EXPECT_EQ(tiny.ThumbOffsetFor(7, 10), 12);
    EXPECT_EQ(tiny.ClampThumb(-40), 12);
    EXPECT_EQ(tiny.ClampThumb(400), 12);
}

TEST(ScrollGeometry, HitTestFindsEveryPart)
{
    ScrollGeometry bar(200, true);
    const int thumb = 80;
    const std::pair<int, Part> edges[] = {{-1, Part::None},       {0, Part::StartArrow},  {11, Part::StartArrow},
                                          {12, Part::PageBefore}, {79, Part::PageBefore}, {80, Part::Thumb},
                                          {91, Part::Thumb},      {92, Part::PageAfter},  {175, Part::PageAfter},
                                          {176, Part::EndArrow},  {187, Part::EndArrow},  {188, Part::Corner},
                                          {199, Part::Corner},    {200, Part::None}};
    for (const auto& [at, part] : edges)
        EXPECT_EQ(bar.HitTest(at, thumb), part) << at;

    bar.SetCorner(false);
    EXPECT_EQ(bar.HitTest(199, thumb), Part::EndArrow);
    EXPECT_EQ(bar.HitTest(188, thumb), Part::EndArrow);
    EXPECT_EQ(bar.HitTest(187, thumb), Part::PageAfter);
}
