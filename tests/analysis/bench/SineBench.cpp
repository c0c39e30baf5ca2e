// Speed of the sine-curve analysis: one slider step (T-zero moved, the 100-point RMS and the whole
// plot drawn again, offscreen) and Compute Fit on a 30-point track from its initial estimate.
// Prints the figures; exits 1 when a goal is missed. Not a test: run it by hand.
#include "analysis/CurveFit.h"
#include "analysis/RotnAnal.h"
#include "analysis/SinWave.h"
#include "app/Options.h"
#include "support/Prompt.h"
#include "support/QtPrompt.h"

#include <QApplication>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace solar;

namespace {

class SilentPrompt final : public Prompt {
public:
    Answer message(const std::string &, const std::string &, Icon, Buttons) override { return Answer::OK; }
    void beep(BeepKind) override {}
    std::optional<std::string> openFile(const FileDialogSetup &) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileDialogSetup &) override { return std::nullopt; }
    std::optional<std::string> selectFolder(const std::string &, const std::string &, bool) override {
        return std::nullopt;
    }
    void setBusy(bool) override {}
    void requestQuit() override {}
};

// CPU time of this thread: steadier than the wall clock on a shared machine.
double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

std::vector<MeasRec> track(int n, long double t0, long double period, double span) {
    std::vector<MeasRec> pts;
    for (int i = 0; i < n; ++i) {
        MeasRec m;
        m.ID = "A";
        m.Time = 45894.8 + span * i / (n - 1);
        const long double wobble = 0.002L * std::sin(i * 1.7L); // measuring scatter
        m.XRad = std::sin(6.283185307179586477L * (m.Time - t0) / period) + wobble;
        m.XOff = m.XRad * 440;
        m.Long = std::asin(std::clamp<long double>(m.XRad, -1, 1));
        m.Lat = 0.15L + 0.001L * (i % 3);
        pts.push_back(m);
    }
    return pts;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SilentPrompt silent;
    setPrompt(&silent);
    bool ok = true;

    // Slider step on 100 points.
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
        const int steps = 400;
        const double t0 = nowMs();
        for (int i = 1; i <= steps; ++i)
            win.TScroll->setValue(i % 2 ? i : -i);
        const double per = (nowMs() - t0) / steps;
        std::printf("slider step (RMS of %zu points + full redraw): %.3f ms  (goal < 4 ms)\n",
                    win.Points.size(), per);
        ok = ok && per < 4.0;
    }
    // Compute Fit on 30 points.
    {
        const std::vector<MeasRec> pts = track(30, 45900.3L, 26.9L, 13.0);
        LstSqrObj solver;
        SineBases bases;
        const int runs = 20;
        double total = 0, worst = 0;
        SineFitReport r;
        for (int i = 0; i < runs; ++i) {
            EstimateSine(pts, solver, bases);
            const double t0 = nowMs();
            r = ComputeSineFit(pts, bases);
            const double t = nowMs() - t0;
            total += t;
            worst = std::max(worst, t);
        }
        std::printf(
            "Compute Fit, 30 points: %.3f ms mean, %.3f ms worst, %d passes, period %.5Lf  (goal < 50 ms)\n",
            total / runs, worst, r.passes, SinPeriod);
        ok = ok && worst < 50.0;
    }
    setPrompt(nullptr);
    return ok ? 0 : 1;
}
