#pragma once
// Painting of the rate-against-latitude plot on any paint device (window, printer page, PDF):
// frame, ticks, law curves, points with their error bars and labels, and the legend. Needs only
// Qt Gui, so the class report's command-line tool can paint it too.

#include "analysis/DiffRot.h"

#include <string>
#include <vector>

class QPainter;

namespace solar {

struct RateLatPaintStyle {
    bool mono = false;
    bool showRule = false; // the 365.25-day rule's squares beside the points
    // The plot's own texts (axis titles, units, the laws' sources, the points' legend) in the
    // language of the user interface, as on the screen; printed and saved pictures keep the English.
    // The three texts below are used as given.
    bool translated = false;
    // Legend of the fitted law (the geometry's curve with law index -1): its name, as in
    // "Your law"; and the line that says what the points are ("" for the plot's own).
    std::string fitName = "Your law";
    std::string pointsLegend;
    std::string emptyText = "No results recorded";
};

void PaintRateLat(QPainter &p, const RateLatGeometry &g, const std::vector<RatePoint> &points,
                  const LawFit &fit, const RateLatPaintStyle &style);

} // namespace solar
