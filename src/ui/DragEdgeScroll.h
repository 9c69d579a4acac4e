#pragma once
// How fast a tree scrolls while a dragged item is held near its top or bottom edge. Window-free
// so the rule can be checked without a tree.

// Direction of the scroll: -1 up, 1 down, 0 none; `rate` is the number of 40 ms ticks between
// two one-line steps (1 is the fastest).
struct DragEdgeScroll {
    int direction = 0;
    int rate = 0;
};

// `y` is the pointer in client coordinates (it may lie above or below the client area),
// `height` the client height. Within a 10-pixel band at either edge, or beyond it, the tree
// scrolls towards that edge: every 6 ticks at the band, one tick faster for every 20 pixels
// further out, at most one line per tick.
DragEdgeScroll DragEdgeScrollAt(int y, int height);
