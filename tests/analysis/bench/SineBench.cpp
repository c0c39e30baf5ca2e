// The sine-curve analysis: one slider step (T-zero moved, the RMS of 100 measurements and the whole
// plot drawn again offscreen; goal: under 4 ms) and Compute Fit on a 30-measurement track from its
// initial estimate (goal: under 50 ms).
#include "Bench.h"

#include "analysis/CurveFit.h"
#include "analysis/RotnAnal.h"
#include "analysis/SinWave.h"
#include "support/Options.h"
#include "support/Prompt.h"
#include "support/QtPrompt.h"

#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace solar::bench {
namespace {

std::vector<MeasRec> track(int n, long double t0, long double period, double span) {
    std::vector<MeasRec> pts;
    for (int i = 0; i < n; ++i) {
        MeasRec m;
        m.ID = "A";
        m.Time = 45894.8 + span * i / (n - 1);
        const long double scatter = 0.002L * std::sin(i * 1.7L); // measuring scatter, radii
        m.XRad = std::sin(6.283185307179586477L * (m.Time - t0) / period) + scatter;
        m.XOff = m.XRad * 440;
        m.Long = std::asin(std::clamp<long double>(m.XRad, -1, 1));
        m.Lat = 0.15L + 0.001L * (i % 3);
        pts.push_back(m);
    }
    return pts;
}

void run() {
    // Slider step on 100 measurements, through the window's own handler.
    {
        OptionsRecord options;
        MeasList list;
        for (const MeasRec &m : track(100, 45900.3L, 26.9L, 13.0))
            list.Insert(m);
        TRotnAnalysis win(options, list);
        IDEntry e;
        e.ID = "A";
        win.LoadSpot(e);
        // The parameter dialog answered with OK, as the student would.
        setModalRunner([](QDialog &) { return int(QDialog::Accepted); });
        win.InitialEstimate1Click();
        setModalRunner({});
        int step = 0;
        const double us = microsPerCall([&] { win.TScroll->setValue(++step % 2 ? 300 : -300); }, 200);
        std::printf("slider step (RMS of %zu points + full redraw): %.3f ms (goal < 4 ms)\n",
                    win.Points.size(), us / 1000);
    }
    // Compute Fit on 30 measurements from the initial estimate.
    {
        const std::vector<MeasRec> pts = track(30, 45900.3L, 26.9L, 13.0);
        LstSqrObj solver;
        SineBases bases;
        SineFitReport r;
        const double us = microsPerCall(
            [&] {
                EstimateSine(pts, solver, bases);
                r = ComputeSineFit(pts, bases);
            },
            5);
        std::printf(
            "Compute Fit, 30 points (estimate included): %.3f ms, %d passes, period %.5Lf (goal < 50 ms)\n",
            us / 1000, r.passes, SinPeriod);
    }
}

const bool registered = addBench("sine-curve analysis", run);

} // namespace
} // namespace solar::bench
