#include "analysis/ClassPdf.h"

#include "analysis/RateLatPaint.h"
#include "support/Translate.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <filesystem>

namespace solar {

RateLatGeometry ClassPlotGeometry(const ClassReport &r, int width, int height) {
    const LawFit law = ReferenceLaw(r);
    const std::vector<bool> noPublishedLaws(PublishedLaws().size(), false);
    return ComputeRateLatGeometry(ClassRatePoints(r), noPublishedLaws, law.Ok ? &law : nullptr, width,
                                  height);
}

void PaintClassPlot(QPainter &p, const ClassReport &r, const RateLatGeometry &g, bool mono, bool translated) {
    const auto text = [translated](const char *english) {
        return translated ? QCoreApplication::translate("solar::ClassPdf", english).toStdString()
                          : std::string(english);
    };
    RateLatPaintStyle style;
    style.mono = mono;
    style.translated = translated;
    style.fitName = r.haveKey ? text(QT_TRANSLATE_NOOP("solar::ClassPdf", "Answer key"))
                              : text(QT_TRANSLATE_NOOP("solar::ClassPdf", "Class median"));
    style.pointsLegend = text(QT_TRANSLATE_NOOP(
        "solar::ClassPdf",
        "\xE2\x97\x8F each student's rate of each spot (labelled with the student's number), "
        "sidereal at T-zero, bars \xC2\xB1"
        "1 standard error"));
    style.emptyText =
        text(QT_TRANSLATE_NOOP("solar::ClassPdf", "No student has measured a spot on two images"));
    PaintRateLat(p, g, ClassRatePoints(r), ReferenceLaw(r), style);
}

bool writeClassReportPdf(const std::string &path, const ClassReport &r, const std::string &title,
                         std::string &error) {
    const std::string temp = path + ".part";
    bool written = false;
    {
        QPdfWriter pdf(QString::fromStdString(temp));
        pdf.setResolution(72); // one unit to the point
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(36, 36, 36, 36), QPageLayout::Point));
        pdf.setTitle(QString::fromStdString(title));
        pdf.setCreator("Solar Rotation class report");
        QPainter p;
        if (p.begin(&pdf)) {
            const int w = pdf.width(), h = pdf.height();
            QFont text("Courier");
            text.setStyleHint(QFont::TypeWriter);
            text.setFixedPitch(true);
            text.setPixelSize(8);
            QFont bold("Helvetica");
            bold.setStyleHint(QFont::SansSerif);
            bold.setBold(true);
            bold.setPixelSize(12);
            const std::vector<std::string> lines = ClassReportLines(r);
            const int lineH = QFontMetrics(text, &pdf).height();
            int pageNo = 1;
            auto heading = [&] {
                p.setFont(bold);
                p.setPen(Qt::black);
                const QFontMetrics fm(bold, &pdf);
                p.drawText(0, fm.ascent(), QString::fromStdString(title));
                const QString n = QString("Page %1").arg(pageNo);
                p.drawText(w - fm.horizontalAdvance(n), fm.ascent(), n);
                p.setFont(text);
                return fm.height() + lineH;
            };
            int y = heading();
            for (const std::string &l : lines) {
                if (y + lineH > h) {
                    pdf.newPage();
                    ++pageNo;
                    y = heading();
                }
                p.drawText(0, y + QFontMetrics(text, &pdf).ascent(), QString::fromStdString(l));
                y += lineH;
            }
            pdf.newPage();
            ++pageNo;
            y = heading();
            const RateLatGeometry g = ClassPlotGeometry(r);
            const double scale = std::min(double(w) / g.Width, double(h - y) / g.Height);
            p.save();
            p.translate((w - g.Width * scale) / 2, y);
            p.scale(scale, scale);
            PaintClassPlot(p, r, g, false);
            p.restore();
            written = p.end();
        }
    }
    std::error_code ec;
    written = written && std::filesystem::file_size(temp, ec) > 0 && !ec;
    if (written)
        std::filesystem::rename(temp, path, ec);
    if (!written || ec) {
        std::filesystem::remove(temp, ec);
        // Shown in the window; the command-line tool runs in English.
        error =
            arg(QCoreApplication::translate("solar::ClassPdf", "The PDF document could not be written to %1.")
                    .toStdString(),
                {path});
        return false;
    }
    return true;
}

} // namespace solar
