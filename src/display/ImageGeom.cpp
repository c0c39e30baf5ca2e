#include "display/ImageGeom.h"

#include "astro/HelioCoord.h"
#include "support/ExtReal.h"
#include "support/Translate.h"

#include <algorithm>
#include <cmath>

namespace solar {

namespace {

int roundInt(long double v) {
    return static_cast<int>(roundToInt(v));
}

} // namespace

DisplaySize FitDisplay(int imageWidth, int imageHeight, int screenWidth, int maxHeight) {
    DisplaySize d;
    if (imageWidth <= 0 || imageHeight <= 0)
        return d;
    int width = std::max(1, std::min(screenWidth / 2 - 8, imageWidth));
    const long double aspect = static_cast<long double>(imageHeight) / imageWidth;
    if (width * aspect > maxHeight)
        width = std::max(1, static_cast<int>(maxHeight / aspect));
    d.imageWidth = static_cast<std::uint16_t>(imageWidth);
    d.displayWidth = static_cast<std::uint16_t>(width);
    d.defaultWidth = d.displayWidth;
    d.aspect = static_cast<long double>(imageHeight) / imageWidth;
    d.displayHeight = static_cast<std::uint16_t>(std::max(1, roundInt(width * d.aspect)));
    d.scale = static_cast<long double>(width) / imageWidth;
    return d;
}

DiscMarks MakeDiscMarks(long double centreX, long double centreY, long double radius, long double scale) {
    DiscMarks m;
    m.centreX = roundInt(scale * centreX);
    m.centreY = roundInt(scale * centreY);
    m.radius = scale * radius;
    m.left = roundInt(scale * centreX - m.radius);
    m.right = roundInt(scale * centreX + m.radius);
    m.top = roundInt(scale * centreY - m.radius);
    m.bottom = roundInt(scale * centreY + m.radius);
    return m;
}

ViewTransform ViewingTransform(int clientWidth, int clientHeight, const DiscMarks &disc) {
    ViewTransform t;
    if (!(disc.radius > 0.0L))
        return t;
    t.zoom = std::min(clientWidth, clientHeight) / (2.0L * disc.radius);
    t.offsetX = clientWidth / 2.0L - disc.centreX * t.zoom;
    t.offsetY = clientHeight / 2.0L - disc.centreY * t.zoom;
    return t;
}

SpotMarkGeometry SpotMark(long double x, long double y, int half, int skyBorder, std::size_t idLength) {
    SpotMarkGeometry g;
    const int rx = roundInt(x);
    const int ry = roundInt(y);
    g.box = IntRect{rx - half, ry - half, rx + half, ry + half};
    g.textLeft = rx - half - skyBorder - 5 * static_cast<int>(idLength) - 5;
    if (g.textLeft <= 0)
        g.textLeft = rx + half + skyBorder + 5;
    g.textTop = ry - half;
    return g;
}

bool FillMeasurement(MeasRec &rec, long double x, long double y, double imageTime, int unit,
                     const DiscMarks &disc, const HeliographicCoordObj &helio) {
    MeasRec m = rec;
    m.Time = imageTime;
    m.Unit = static_cast<std::uint8_t>(unit);
    m.X = x;
    m.Y = y;
    m.XOff = x - disc.centreX;
    m.YOff = disc.centreY - y;
    if (!(disc.radius > 0.0L))
        return false;
    m.XRad = m.XOff / disc.radius;
    m.YRad = m.YOff / disc.radius;
    if (!helio.ToHeliographic(m.Long, m.Lat, m.XRad, m.YRad))
        return false;
    // The x coordinate in solar radii is taken along the spot's own latitude circle.
    m.XRad = m.XRad / std::cos(m.Lat);
    rec = m;
    return true;
}

namespace {

void coordsByUnit(int unit, long double xRad, long double yRad, long double lon, long double lat,
                  ReadoutValues &out) {
    switch (unit) {
    case UnitPixels:
        out.xCoord = 0;
        out.yCoord = 0;
        break;
    case UnitSolarRadius:
        out.xCoord = xRad;
        out.yCoord = yRad;
        break;
    default:
        out.xCoord = lon * HeliographicCoordObj::RadToDeg;
        out.yCoord = lat * HeliographicCoordObj::RadToDeg;
        break;
    }
}

} // namespace

bool CursorReadout(long double X, long double Y, const DiscMarks &disc, const HeliographicCoordObj &helio,
                   int unit, ReadoutValues &out) {
    if (!(disc.radius > 0.0L))
        return false;
    const long double dx = X - disc.centreX;
    const long double dy = disc.centreY - Y;
    long double x = dx / disc.radius;
    const long double y = dy / disc.radius;
    if (std::sqrt(x * x + y * y) > 1.0L)
        return false;
    long double lon = 0, lat = 0;
    if (!helio.ToHeliographic(lon, lat, x, y))
        return false;
    x = x / std::cos(lat);
    out.xPixels = dx;
    out.yPixels = dy;
    coordsByUnit(unit, x, y, lon, lat, out);
    return true;
}

ReadoutValues SpotReadout(const MeasRec &rec) {
    ReadoutValues out;
    out.xPixels = rec.XOff;
    out.yPixels = rec.YOff;
    coordsByUnit(rec.Unit, rec.XRad, rec.YRad, rec.Long, rec.Lat, out);
    return out;
}

std::string ReadoutCoordCaption(int unit) {
    switch (unit) {
    case UnitPixels:
        return "";
    case UnitSolarRadius:
        return translate("ImageGeom", "Solar Radii");
    default:
        return translate("ImageGeom", "Heliographic Long, Lat");
    }
}

int UsableRegionSize(int size) {
    if (size <= 0)
        return 24;
    size = std::clamp(size, 2, 96);
    return size - size % 2;
}

MagnifierView MagnifierRegion(long double x, long double y, int regionSize, int hBar, int vBar) {
    MagnifierView v;
    const int h = UsableRegionSize(regionSize) / 2;
    const int cx = roundInt(x);
    const int cy = roundInt(y);
    v.source = IntRect{cx - h, cy - h, cx + h, cy + h};
    v.scaleX = static_cast<long double>(2 * h) / MagnifierTarget;
    v.scaleY = v.scaleX;
    v.crossX = roundInt((x - v.source.left + 0.5L) / v.scaleX) + hBar;
    v.crossY = roundInt((y - v.source.top + 0.5L) / v.scaleY) + vBar;
    return v;
}

void MagnifierPosition(const MagnifierView &view, int hBar, int vBar, long double refX, long double refY,
                       long double &x, long double &y) {
    x = hBar * view.scaleX + refX;
    y = vBar * view.scaleY + refY;
}

int MagBarFromSize(int size) {
    return 48 - size / 2 + 1;
}

int MagSizeFromBar(int position) {
    return (48 - position + 1) * 2;
}

} // namespace solar
