#pragma once
// The arithmetic of a skinned scroll bar along its one axis: where the arrows, the track and
// the fixed-size thumb lie for a position, and which part a pointer coordinate falls on.
// Coordinates run from the bar's start (top or left) in pixels.

class ScrollGeometry {
public:
    static constexpr int kArrowLength = 12;
    static constexpr int kThumbLength = 12;
    static constexpr int kCornerSize = 12;

    enum class Part { None, StartArrow, PageBefore, Thumb, PageAfter, EndArrow, Corner };

    ScrollGeometry() = default;
    ScrollGeometry(int barLength, bool corner) : m_barLength(barLength), m_corner(corner) {}

    void SetBarLength(int length) { m_barLength = length; }
    void SetCorner(bool corner) { m_corner = corner; }
    bool Corner() const { return m_corner; }
    int BarLength() const { return m_barLength; }

    // The room the thumb's near edge can travel; never negative.
    int TrackLength() const;
    // Where the end arrow starts: before the corner square while the corner is kept.
    int EndArrowStart() const;
    // The first coordinate of the corner square (equal to the bar length without a corner).
    int CornerStart() const;

    // Pixels per position unit for a scroll range 0..maximum; 1.0 when nothing scrolls.
    double PixelsPerUnit(int maximum) const;
    // The thumb's near edge for a position in 0..maximum, clamped to the track.
    int ThumbOffsetFor(int position, int maximum) const;
    // A wanted thumb offset kept between the start arrow and the end of the track.
    int ClampThumb(int offset) const;

    Part HitTest(int coordinate, int thumbOffset) const;

private:
    int m_barLength = 0;
    bool m_corner = true;
};
