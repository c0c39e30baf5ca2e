#include "analysis/RsltsData.h"

#include "astro/DateTime.h"
#include "support/ListText.h"
#include "support/StringUt.h"

#include <cmath>

namespace solar {

namespace {
long double finiteOrZero(long double v) {
    return std::isfinite(v) ? v : 0.0L;
}

std::string padLeft(std::string s, std::size_t width) {
    if (s.size() < width)
        s.insert(0, width - s.size(), ' ');
    return s;
}

// A CSV field in double quotes, inner quotes doubled.
std::string quoted(const std::string &s) {
    std::string out = "\"";
    for (char c : s) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}
} // namespace

long double SiderealOf(long double synodic) {
    if (!(synodic > 0) || !std::isfinite(synodic))
        return 0.0L;
    const long double sid = synodic * YearDays / (synodic + YearDays);
    return std::isfinite(sid) ? sid : 0.0L;
}

long double RateOfPeriod(long double synodic) {
    if (synodic == 0 || !std::isfinite(synodic))
        return 0.0L;
    return finiteOrZero(FullCircle / synodic);
}

long double PeriodOfRate(long double rate) {
    if (rate == 0 || !std::isfinite(rate))
        return 0.0L;
    return finiteOrZero(FullCircle / rate);
}

void SanitizeResult(RsltsRec &rec) {
    if (!std::isfinite(rec.FirstTime))
        rec.FirstTime = 0;
    if (!std::isfinite(rec.LastTime))
        rec.LastTime = 0;
    for (long double *v :
         {&rec.MeanLat, &rec.LatRMS, &rec.LongRMS, &rec.SidPeriod, &rec.TZero, &rec.SynPeriod, &rec.RtnRate})
        *v = finiteOrZero(*v);
}

bool RsltsList::Equal(const void *a, const void *b) const {
    return static_cast<const RsltsRec *>(a)->SpotID.view() == static_cast<const RsltsRec *>(b)->SpotID.view();
}

bool RsltsList::Greater(const void *a, const void *b) const {
    return compareShort(static_cast<const RsltsRec *>(a)->SpotID.view(),
                        static_cast<const RsltsRec *>(b)->SpotID.view()) > 0;
}

std::vector<RsltsRec> RsltsList::records() {
    std::vector<RsltsRec> out;
    Reset();
    while (!AtLast()) {
        const RsltsRec *r = NextAs<RsltsRec>();
        if (r == nullptr)
            break;
        out.push_back(*r);
    }
    return out;
}

std::string JulianDayText(long double moment) {
    CalendarRec cal;
    SetMoment(cal, static_cast<double>(finiteOrZero(moment)));
    return FixedText(JulianDate(cal), 5);
}

std::vector<std::string> RsltsHeaderLines() {
    return {"Spot    Data    T-Zero*      Rtn Rate     Period (Days)     Mean   RMS Error(Degs)",
            " ID     Span  (Julian Day)  (Degs/Day) Synodic   Sidereal   Lat    Lat   Long"};
}

std::vector<std::string> RsltsFooterLines() {
    return {"", "", "*  T-Zero is the time the spot crosses the apparent",
            "   central meridian of the solar disk."};
}

std::string RsltsLine(const RsltsRec &in) {
    RsltsRec rec = in;
    SanitizeResult(rec);
    std::string id = rec.SpotID.str();
    id.resize(4, ' ');
    std::string line = id;
    line += padLeft(FixedText(static_cast<long double>(rec.LastTime) - rec.FirstTime, 2), 8) + "  ";
    line += JulianDayText(rec.TZero) + "  ";
    line += rec.RtnRate > NoRateLimit ? FixedText(rec.RtnRate, 5) + "  " : std::string(10, ' ');
    line += (rec.SynPeriod != 0 ? FixedText(rec.SynPeriod, 5) : std::string(8, ' ')) + "  ";
    line += (rec.SidPeriod != 0 ? FixedText(rec.SidPeriod, 5) : std::string(8, ' ')) + "  ";
    line += padLeft(FixedText(rec.MeanLat * RsltsRadToDeg, 2), 6) + "  ";
    line += FixedText(rec.LatRMS * RsltsRadToDeg, 2) + "  ";
    if (rec.LongRMS > 0)
        line += FixedText(rec.LongRMS * RsltsRadToDeg, 2);
    return line;
}

std::string RsltsCsvLine(const RsltsRec &in) {
    RsltsRec rec = in;
    SanitizeResult(rec);
    std::string line = quoted(rec.SpotID.str()) + ",";
    line += FixedText(static_cast<long double>(rec.LastTime) - rec.FirstTime, 2) + ",";
    line += JulianDayText(rec.TZero) + ",";
    for (long double v : {rec.RtnRate, rec.SynPeriod, rec.SidPeriod})
        line += (v != 0 ? FixedText(v, 5) : std::string()) + ",";
    line += FixedText(rec.MeanLat * RsltsRadToDeg, 2) + ",";
    line += FixedText(rec.LatRMS * RsltsRadToDeg, 2) + ",";
    if (rec.LongRMS > 0)
        line += FixedText(rec.LongRMS * RsltsRadToDeg, 2);
    return line;
}

std::vector<std::string> RsltsCsvLines(const std::vector<RsltsRec> &recs) {
    std::vector<std::string> lines;
    lines.push_back(quoted("Solar Rotation Results from Sunspots"));
    lines.push_back(" ");
    lines.push_back("\"Spot ID\",\"Data Span\",\"T-Zero*(Julian Day)\",\"Rotation Rate\",\"Synodic Period\","
                    "\"Sidereal Period\",\"Mean Lat\",\"Lat RMS\",\"Long RMS\"");
    for (const RsltsRec &r : recs)
        lines.push_back(RsltsCsvLine(r));
    lines.push_back(" ");
    lines.push_back("* T-Zero is the time the spot crosses the apparent central meridian of the solar disk.");
    return lines;
}

bool writeRsltsCsv(const std::string &path, const std::vector<RsltsRec> &recs, std::string &error) {
    return writeTextLines(path, RsltsCsvLines(recs), error);
}

} // namespace solar
