#pragma once

namespace pipwright {

// A rectangle in twips, edges included.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace pipwright
