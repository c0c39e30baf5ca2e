#pragma once
// The class report's pictures, with Qt Gui only (the window and the command-line tool share them):
// the plot of every student's rates against latitude beside the reference's law, and the report
// as a PDF document.

#include "analysis/ClassRpt.h"

#include <string>

class QPainter;

namespace solar {

// The plot's geometry and its painting, `width` x `height` plot pixels; `translated`: its texts in
// the language of the user interface, as on the screen (printed and saved it stays English).
RateLatGeometry ClassPlotGeometry(const ClassReport &r, int width = 760, int height = 560);
void PaintClassPlot(QPainter &p, const ClassReport &r, const RateLatGeometry &g, bool mono,
                    bool translated = false);

// A4 landscape: the report's lines on as many pages as they need under a title line, then the
// plot on a page of its own; every page numbered. Written beside `path` and renamed over it once
// complete; false and `error` on failure.
bool writeClassReportPdf(const std::string &path, const ClassReport &r, const std::string &title,
                         std::string &error);

} // namespace solar
