#pragma once
// The automatic centroid: from a click, the darkest pixel of a search box around it, then the
// darkness-weighted centre of a round region about it, moved until it settles.

#include "display/ImageGeom.h"
#include "support/DisplayParams.h"

#include <cstdint>

namespace solar {

class IntArrayList;

struct CentroidResult {
    long double x = 0; // display pixels; the click itself when nothing was found
    long double y = 0;
    bool found = false;  // a centroid was found and it lies on the disc
    int seedColumn = -1; // image pixels of the darkest pixel of the search box
    int seedRow = -1;
    int passes = 0;
};

// pixels: the image's pixel table (width x height image pixels) whose largest value is
// `maximum`; (X, Y) the click in display pixels, `scale` display pixels per image pixel.
CentroidResult FindCentroid(const IntArrayList &pixels, int width, int height, std::int32_t maximum,
                            long double scale, long double X, long double Y, const BoxParams &box,
                            const DiscMarks &disc);

} // namespace solar
