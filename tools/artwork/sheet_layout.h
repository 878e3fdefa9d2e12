// Lays pictures out in rows on one large picture, each with an optional
// number printed under it in a tiny built-in digit font.
#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace velmora::artwork {

class SheetLayout {
public:
    SheetLayout(int maxWidth, int gap, Rgb background);

    // Adds a picture to the current row, starting a new row when it would
    // run past the maximum width. label < 0 prints nothing.
    void add(const Image& picture, int label = -1);
    void newRow();

    Image finish() const;

private:
    struct Placed {
        Image picture;
        int x;
        int y;
        int label;
    };
    int maxWidth_;
    int gap_;
    Rgb background_;
    int x_ = 0;
    int y_ = 0;
    int rowHeight_ = 0;
    std::vector<Placed> placed_;
};

// Prints decimal digits with their top-left at (x, y), each digit 3 x 5
// pixels enlarged by scale.
void printNumber(Image& target, int x, int y, int number, int scale, Rgb colour);

}  // namespace velmora::artwork
