#include "ui/DragEdgeScroll.h"

namespace {
const int kBand = 10;
const int kPixelsPerStep = 20;
const int kSlowestRate = 6;

int RateFor(int distanceFromInnerSide)
{
    int rate = kSlowestRate - distanceFromInnerSide / kPixelsPerStep;
    return rate < 1 ? 1 : rate;
}
} // namespace

DragEdgeScroll DragEdgeScrollAt(int y, int height)
{
    DragEdgeScroll scroll;
    if (y < kBand) {
        scroll.direction = -1;
        scroll.rate = RateFor(kBand - y);
    } else if (y > height - kBand) {
        scroll.direction = 1;
        scroll.rate = RateFor(y - (height - kBand));
    }
    return scroll;
}
