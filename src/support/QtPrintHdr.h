#pragma once
// Printing shared by every printout: the program's one printer (the settings the print dialog
// keeps between uses) and the common page header drawn with a QPainter.

#include <QFont>
#include <QString>
#include <QStringList>

class QPainter;
class QPrinter;

namespace solar {

// The program's printer, created on first use and kept for the run.
QPrinter &programPrinter();

// "Courier" 10 points, fixed pitch: the font of the text printouts.
QFont printTextFont();

struct PrintHeaderLayout {
    int margin = 0;     // 0 in portrait, 50 printer units in landscape
    int lineHeight = 0; // text height of "Text" in the painter's font
    int lastNameY = 0;  // y of the last student name line
    int pageHeight = 0;
};

// Draws the date and table line at y = 0 and the student names from y = 2h (the first always,
// the others when not empty) in the painter's current font, at x = margin. Text positions are
// the tops of the lines, as on the printed page.
PrintHeaderLayout drawPrintHeader(QPainter &painter, const QPrinter &printer);

// Draws `text` with its top at (x, y).
void drawTextTop(QPainter &painter, int x, int y, const QString &text);

// Draws the lines one per line height from y at x = margin + 50; before a line that would pass the
// page height a new page starts and the lines go on at y = one line height.
void drawPagedLines(QPainter &painter, QPrinter &printer, const PrintHeaderLayout &layout, int y,
                    const QStringList &lines);

// The common header followed by the window caption at (margin + 50, last name + 2h); returns the
// y where the body starts, last name + 4h.
int drawPrintHeaderAndCaption(QPainter &painter, const QPrinter &printer, const QString &caption,
                              PrintHeaderLayout *layout = nullptr);

} // namespace solar
