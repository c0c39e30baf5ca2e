#pragma once
// Printing an analysis window: the common page header, then an image of the whole window scaled
// onto the page (on a second page in landscape), in the colours the "Print in Color" option asks.

#include <functional>

class QImage;
class QWidget;

namespace solar {

struct OptionsRecord;

// Asks the print dialog; when confirmed, switches the window's scheme through `setMonochrome`
// (monochrome unless "Print in Color"), prints, and switches back to "Monochrome Display".
// True when a page was printed.
bool printAnalysisWindow(QWidget &window, const OptionsRecord &options,
                         const std::function<void(bool monochrome)> &setMonochrome);
// The image of the window that the last confirmed print job took (null before the first).
const QImage &lastPrintedWindowImage();

} // namespace solar
