#pragma once
// The arithmetic of the image window and its magnifier: window size and display scale, disc
// centre and limb marks, the magnified drawing rectangle, spot-mark boxes, the magnifier's source
// region, and the conversion of a display position into a measurement record or cursor read-out.

#include "measure/MeasData.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace solar {

class HeliographicCoordObj;

// Inclusive-exclusive rectangle in the manner of the window system: right and bottom lie just
// outside.
struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const IntRect &) const = default;
};

// The image window's size and scale for the image shown.
struct DisplaySize {
    std::uint16_t imageWidth = 0;
    std::uint16_t displayWidth = 0;
    std::uint16_t defaultWidth = 0;
    std::uint16_t displayHeight = 0;
    long double aspect = 1.0L; // height / width
    long double scale = 1.0L;  // display width / image width
};

// Display width = min(screen width div 2 - 8, image width); height by the image's aspect. A
// display taller than maxHeight is narrowed until it fits.
DisplaySize FitDisplay(int imageWidth, int imageHeight, int screenWidth, int maxHeight = 65535);

// Disc centre, radius and limb positions in display pixels.
struct DiscMarks {
    std::int32_t centreX = 0;
    std::int32_t centreY = 0;
    long double radius = 0;
    std::int32_t left = 0;
    std::int32_t right = 0;
    std::int32_t top = 0;
    std::int32_t bottom = 0;
};
// From the image description's centre and radius (image pixels) and the display scale.
DiscMarks MakeDiscMarks(long double centreX, long double centreY, long double radius, long double scale);

// Viewing: the whole-image display magnified so that the disc's diameter fills the shorter side
// of the client area, the disc centre at the client centre. Display point p shows at
// p * zoom + offset. Without a disc radius the whole image is shown as it is.
struct ViewTransform {
    long double zoom = 1;
    long double offsetX = 0;
    long double offsetY = 0;
    // The display position (whole image) under client point (X, Y).
    long double displayX(long double X) const { return (X - offsetX) / zoom; }
    long double displayY(long double Y) const { return (Y - offsetY) / zoom; }
};
ViewTransform ViewingTransform(int clientWidth, int clientHeight, const DiscMarks &disc);

// A spot mark: the box of half size `half` about (Round(x), Round(y)) and, for a named spot,
// the label's top-left corner (left of the box, or right of it when that would leave the window).
struct SpotMarkGeometry {
    IntRect box; // corners as drawn: (left, top) to (right, bottom), both inside
    int textLeft = 0;
    int textTop = 0;
};
SpotMarkGeometry SpotMark(long double x, long double y, int half, int skyBorder, std::size_t idLength);

// Fills a measurement from a display position: image time, unit, position, offsets from the
// disc centre, solar radii and heliographic longitude and latitude. The record is changed only
// when the conversion succeeds (a position off the disc leaves it as it was); true then.
bool FillMeasurement(MeasRec &rec, long double x, long double y, double imageTime, int unit,
                     const DiscMarks &disc, const HeliographicCoordObj &helio);

// The four numbers of the read-out: pixel offsets, then by unit zeros, solar radii or
// longitude and latitude in degrees.
struct ReadoutValues {
    long double xPixels = 0;
    long double yPixels = 0;
    long double xCoord = 0;
    long double yCoord = 0;
};
// The live cursor read-out at display position (X, Y); false (nothing to show) off the disc or
// when the conversion fails.
bool CursorReadout(long double X, long double Y, const DiscMarks &disc, const HeliographicCoordObj &helio,
                   int unit, ReadoutValues &out);
// The read-out of a measured spot, by the unit stored in the record.
ReadoutValues SpotReadout(const MeasRec &rec);
// The read-out's heading of the second pair of numbers ("" for pixels).
std::string ReadoutCoordCaption(int unit);

// The magnifier's view of the image window around (x, y): source region, display pixels per
// magnified pixel, and where its cross goes (magnifier pixels, shifted by the scroll bars).
struct MagnifierView {
    IntRect source;
    long double scaleX = 1;
    long double scaleY = 1;
    int crossX = 0;
    int crossY = 0;
};
constexpr int MagnifierTarget = 200; // the magnified picture is 200 x 200
// regionSize is kept within 2..96 (an odd size acts as the even size below it).
MagnifierView MagnifierRegion(long double x, long double y, int regionSize, int hBar, int vBar);
// The position a scroll-bar setting points at: one bar step is one magnified pixel.
void MagnifierPosition(const MagnifierView &view, int hBar, int vBar, long double refX, long double refY,
                       long double &x, long double &y);

// The region-size dialog's bar runs opposite to the size (2..96 in steps of 2, bar 1..48).
int MagBarFromSize(int size);
int MagSizeFromBar(int position);
// A region size fit for use: even, within 2..96; 24 for an unset (0) size.
int UsableRegionSize(int size);

} // namespace solar
