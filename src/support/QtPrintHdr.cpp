#include "support/QtPrintHdr.h"

#include "support/PrintHdr.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace solar {

QPrinter &programPrinter() {
    // Kept for the whole run (never destroyed, so it cannot outlive the application object).
    static QPrinter *printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

QFont printTextFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamily("Courier");
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(10);
    font.setBold(false);
    return font;
}

void drawTextTop(QPainter &painter, int x, int y, const QString &text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

PrintHeaderLayout drawPrintHeader(QPainter &painter, const QPrinter &printer) {
    PrintHeaderLayout l;
    // The height of a line of text in the font, as the printer measures it.
    l.lineHeight = QFontMetrics(painter.font(), painter.device()).height();
    l.margin = printer.pageLayout().orientation() == QPageLayout::Landscape ? 50 : 0;
    l.pageHeight = painter.device()->height();
    const PrintContext &ctx = printContext();
    drawTextTop(painter, l.margin, 0, QString::fromStdString(printFirstLine(printNow())));
    int y = 2 * l.lineHeight;
    drawTextTop(painter, l.margin, y, QString::fromStdString(ctx.students[0]));
    for (int i = 1; i < 4; ++i) {
        if (ctx.students[i].empty())
            continue;
        y += l.lineHeight;
        drawTextTop(painter, l.margin, y, QString::fromStdString(ctx.students[i]));
    }
    l.lastNameY = y;
    return l;
}

int drawPrintHeaderAndCaption(QPainter &painter, const QPrinter &printer, const QString &caption,
                              PrintHeaderLayout *layout) {
    const PrintHeaderLayout l = drawPrintHeader(painter, printer);
    drawTextTop(painter, l.margin + 50, l.lastNameY + 2 * l.lineHeight, caption);
    if (layout)
        *layout = l;
    return l.lastNameY + 4 * l.lineHeight;
}

} // namespace solar

namespace solar {

void drawPagedLines(QPainter &painter, QPrinter &printer, const PrintHeaderLayout &layout, int y,
                    const QStringList &lines) {
    const int h = layout.lineHeight;
    const int x = layout.margin + 50;
    for (const QString &line : lines) {
        if (y + h > layout.pageHeight) {
            printer.newPage();
            y = h;
        }
        drawTextTop(painter, x, y, line);
        y += h;
    }
}

} // namespace solar
