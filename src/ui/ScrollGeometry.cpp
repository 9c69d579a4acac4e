#include "ui/ScrollGeometry.h"

#include <algorithm>

int ScrollGeometry::TrackLength() const
{
    const int track = m_barLength - 2 * kArrowLength - kThumbLength - (m_corner ? kCornerSize : 0);
    return std::max(track, 0);
}

int ScrollGeometry::CornerStart() const
{
    return m_corner ? std::max(m_barLength - kCornerSize, 0) : m_barLength;
}

int ScrollGeometry::EndArrowStart() const
{
    return std::max(CornerStart() - kArrowLength, 0);
}

double ScrollGeometry::PixelsPerUnit(int maximum) const
{
    if (maximum < 1)
        return 1.0;
    return static_cast<double>(TrackLength()) / maximum;
}

int ScrollGeometry::ThumbOffsetFor(int position, int maximum) const
{
    if (maximum < 1 || position <= 0)
        return ClampThumb(kArrowLength);
    const int clamped = std::min(position, maximum);
    return ClampThumb(kArrowLength + static_cast<int>(clamped * PixelsPerUnit(maximum)));
}

int ScrollGeometry::ClampThumb(int offset) const
{
    return std::clamp(offset, kArrowLength, kArrowLength + TrackLength());
}

ScrollGeometry::Part ScrollGeometry::HitTest(int coordinate, int thumbOffset) const
{
    if (coordinate < 0 || coordinate >= m_barLength)
        return Part::None;
    if (coordinate >= CornerStart())
        return Part::Corner;
    if (coordinate < kArrowLength)
        return Part::StartArrow;
    if (coordinate >= EndArrowStart())
        return Part::EndArrow;
    if (coordinate < thumbOffset)
        return Part::PageBefore;
    if (coordinate < thumbOffset + kThumbLength)
        return Part::Thumb;
    return Part::PageAfter;
}
