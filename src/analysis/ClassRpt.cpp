#include "analysis/ClassRpt.h"

#include "analysis/CurveFit.h"
#include "analysis/RsltsData.h"
#include "support/StringUt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace fs = std::filesystem;

namespace solar {
namespace {

constexpr long double RadToDeg = 57.295779513082320877L;
constexpr long double DegToRad = 0.017453292519943295769L;

std::string upper(std::string s) {
    for (char &c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string trim(const std::string &s) {
    const std::size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos)
        return {};
    const std::size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

// A number with a decimal point whatever the locale; false for an empty or unreadable field.
bool readReal(const std::string &field, long double &v) {
    std::string t = trim(field);
    if (t.empty())
        return false;
    try {
        v = NumberToken(t, '\x01');
    } catch (const std::exception &) {
        return false;
    }
    return std::isfinite(v);
}

std::vector<std::string> splitCsv(const std::string &line) {
    std::vector<std::string> out;
    std::string cell;
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted) {
            out.push_back(cell);
            cell.clear();
        } else {
            cell += c;
        }
    }
    out.push_back(cell);
    return out;
}

std::vector<std::string> readLines(const std::string &path, bool &ok) {
    std::vector<std::string> lines;
    std::ifstream f(path, std::ios::binary);
    ok = static_cast<bool>(f);
    for (std::string line; std::getline(f, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    ok = ok && !f.bad();
    return lines;
}

long double median(std::vector<long double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Great-circle distance in degrees between two points given in degrees (haversine).
long double sphereDistance(long double lat1, long double lon1, long double lat2, long double lon2) {
    const long double p1 = lat1 * DegToRad, p2 = lat2 * DegToRad;
    const long double dp = p2 - p1, dl = (lon2 - lon1) * DegToRad;
    const long double h = std::sin(dp / 2) * std::sin(dp / 2) +
                          std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2 * std::asin(std::sqrt(std::min(1.0L, h))) * RadToDeg;
}

std::string F(long double v, int decimals) {
    return FixedText(v, decimals);
}

std::string padRight(std::string s, std::size_t n) {
    if (s.size() < n)
        s.resize(n, ' ');
    return s;
}
std::string padLeft(const std::string &s, std::size_t n) {
    return s.size() < n ? std::string(n - s.size(), ' ') + s : s;
}
std::string quote(const std::string &s) {
    std::string q = "\"";
    for (char c : s)
        q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}
std::string joined(const std::vector<std::string> &v, const std::string &sep) {
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i)
        s += (i ? sep : "") + v[i];
    return s;
}

// The text table line of a results report: ID, span, T-zero, then the rate (10 characters when
// empty), the synodic and sidereal periods (8 characters when empty), each followed by two blanks.
bool parseTableLine(const std::string &line, ReportedResult &r) {
    if (line.size() < 14)
        return false;
    r.id = trim(line.substr(0, 4));
    long double v = 0;
    if (r.id.empty() || !readReal(line.substr(4, 8), v))
        return false;
    std::size_t p = line.find_first_not_of(' ', 12);
    if (p == std::string::npos)
        return false;
    const std::size_t jdEnd = line.find(' ', p);
    if (jdEnd == std::string::npos || !readReal(line.substr(p, jdEnd - p), v))
        return false;
    p = jdEnd + 2;
    // One optional field of `empty` blanks, or a number followed by blanks.
    auto field = [&](std::size_t empty, long double &out) {
        if (p >= line.size())
            return false;
        if (line.compare(p, empty, std::string(empty, ' ')) == 0 && line.size() >= p + empty) {
            out = 0;
            p += empty;
            return true;
        }
        const std::size_t end = line.find(' ', p);
        if (end == std::string::npos || !readReal(line.substr(p, end - p), out))
            return false;
        p = end;
        return true;
    };
    if (!field(10, r.rate))
        return false;
    if (r.rate != 0)
        p += 2;
    if (!field(8, r.synPeriod))
        return false;
    p += 2;
    if (!field(8, r.sidPeriod))
        return false;
    return true;
}

struct MeasKey {
    std::string id;
    double time;
    long double lon, lat;
    bool operator<(const MeasKey &o) const {
        return std::tie(id, time, lon, lat) < std::tie(o.id, o.time, o.lon, o.lat);
    }
};

struct StudentData {
    StudentReport report;
    std::vector<MeasRec> meas; // without repeats (the same measurement saved in several files)
    std::vector<ReportedResult> results;
};

StudentData readStudent(const fs::path &dir) {
    StudentData s;
    s.report.name = dir.filename().string();
    s.report.folder = dir.string() + "/";
    std::vector<fs::path> files;
    std::error_code ec;
    fs::recursive_directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec), end;
    if (ec) {
        s.report.notes.push_back("The folder cannot be read: " + ec.message() + ".");
        return s;
    }
    for (; it != end; it.increment(ec)) {
        if (ec) {
            s.report.notes.push_back("Part of the folder cannot be read: " + ec.message() + ".");
            break;
        }
        std::error_code fe;
        if (it->is_regular_file(fe))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    std::set<MeasKey> seen;
    std::set<std::tuple<std::string, long double, long double, long double>> seenResults;
    for (const fs::path &f : files) {
        const std::string ext = upper(f.extension().string());
        const std::string name = fs::relative(f, dir, ec).string();
        if (ext == ".DAT") {
            std::vector<MeasRec> recs;
            std::string reason;
            if (!readMeasFile(f.string(), recs, reason)) {
                s.report.notes.push_back(name + " cannot be used: " + reason);
                continue;
            }
            ++s.report.dataFiles;
            for (const MeasRec &m : recs)
                if (seen.insert({upper(m.ID.str()), m.Time, m.Long, m.Lat}).second)
                    s.meas.push_back(m);
        } else if (ext == ".CSV" || ext == ".TXT") {
            bool ok = false;
            const std::vector<std::string> lines = readLines(f.string(), ok);
            if (!ok) {
                s.report.notes.push_back(name + " cannot be read.");
                continue;
            }
            std::vector<ReportedResult> found;
            int bad = 0;
            if (!parseResultsReport(lines, found, bad))
                continue; // some other report: measurement lists, header listings
            ++s.report.reportFiles;
            if (bad > 0)
                s.report.notes.push_back(name + ": " + std::to_string(bad) +
                                         " result line(s) cannot be read.");
            for (ReportedResult &r : found) {
                r.file = name;
                if (r.rate <= NoRateLimit)
                    r.rate = 0; // the sine analysis's 1.0 in the CSV, empty in the table
                // The text table and the CSV of one list give the same results.
                if (seenResults
                        .insert({upper(r.id), std::round(r.rate * 1e4L), std::round(r.synPeriod * 1e4L),
                                 std::round(r.sidPeriod * 1e4L)})
                        .second)
                    s.results.push_back(r);
            }
        }
    }
    if (s.report.dataFiles == 0 && s.report.reportFiles == 0 && s.report.notes.empty())
        s.report.notes.push_back("No measurement data files and no results reports.");
    return s;
}

// Median positions of every spot name on every image.
struct Group {
    std::vector<long double> lat, lon;
    double moment = 0;
    long double medLat() const { return median(lat); }
    long double medLon() const { return median(lon); }
};
using Groups = std::map<std::string, std::vector<Group>>;

Groups groupByName(const std::vector<StudentData> &students,
                   const std::map<std::string, std::string> &canon) {
    Groups groups;
    for (const StudentData &s : students)
        for (const MeasRec &m : s.meas) {
            std::vector<Group> &g = groups[canon.at(upper(m.ID.str()))];
            auto at = std::find_if(g.begin(), g.end(), [&](const Group &x) {
                return std::fabs(x.moment - m.Time) <= static_cast<double>(ClassSameImageDays);
            });
            if (at == g.end()) {
                g.push_back(Group{});
                at = g.end() - 1;
                at->moment = m.Time;
            }
            at->lat.push_back(m.Lat * RadToDeg);
            at->lon.push_back(m.Long * RadToDeg);
        }
    return groups;
}

// The reference when there is no key. Spots are named by the students' IDs; two IDs whose median
// positions agree (within the match distance) on every image both were measured on are one spot,
// named by the ID with more measurements. For every spot and image the reference is the class
// median position, and for every spot the median of the students' own rates.
AnswerKey classMedianReference(const std::vector<StudentData> &students) {
    std::map<std::string, std::string> canon;
    std::map<std::string, int> count;
    std::vector<std::string> order;
    for (const StudentData &s : students)
        for (const MeasRec &m : s.meas) {
            const std::string id = upper(m.ID.str());
            if (!canon.count(id)) {
                canon[id] = id;
                order.push_back(id);
            }
            ++count[id];
        }
    const Groups byId = groupByName(students, canon);
    std::function<std::string(const std::string &)> root = [&](const std::string &id) {
        return canon[id] == id ? id : root(canon[id]);
    };
    for (std::size_t i = 0; i < order.size(); ++i)
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            int shared = 0;
            bool agree = true;
            for (const Group &a : byId.at(order[i]))
                for (const Group &b : byId.at(order[j]))
                    if (std::fabs(a.moment - b.moment) <= static_cast<double>(ClassSameImageDays)) {
                        ++shared;
                        agree = agree && sphereDistance(a.medLat(), a.medLon(), b.medLat(), b.medLon()) <=
                                             ClassMatchDeg;
                    }
            const std::string ri = root(order[i]), rj = root(order[j]);
            if (shared > 0 && agree && ri != rj) {
                const bool iWins = count[ri] > count[rj] || (count[ri] == count[rj] && ri < rj);
                canon[iWins ? rj : ri] = iWins ? ri : rj;
                count[iWins ? ri : rj] += count[iWins ? rj : ri];
            }
        }
    for (const std::string &id : order)
        canon[id] = root(id);

    std::map<std::string, std::vector<long double>> rates;
    for (const StudentData &s : students) {
        std::map<std::string, std::vector<MeasRec>> byName;
        for (const MeasRec &m : s.meas)
            byName[canon.at(upper(m.ID.str()))].push_back(m);
        for (auto &[name, pts] : byName) {
            std::set<double> times;
            for (const MeasRec &m : pts)
                times.insert(m.Time);
            if (times.size() < 2)
                continue;
            LinrAnalObj d;
            d.SpotID = name;
            d.Points = pts;
            d.FirstTime = d.RefTime = *times.begin();
            LstSqrObj solver;
            if (FitLine(d, solver))
                rates[name].push_back(d.Slope);
        }
    }
    AnswerKey key;
    const Groups groups = groupByName(students, canon);
    for (const std::string &id : order) {
        if (canon[id] != id)
            continue;
        key.ids.push_back(id);
        const long double rate = median(rates[id]);
        for (const Group &g : groups.at(id)) {
            KeyRow row;
            row.id = id;
            row.moment = g.moment;
            row.lat = g.medLat();
            row.lon = g.medLon();
            row.synRate = rate;
            row.synPeriod = PeriodOfRate(rate);
            row.sidPeriod = SiderealOf(row.synPeriod);
            row.sidRate = RateOfPeriod(row.sidPeriod);
            key.rows.push_back(row);
        }
    }
    std::stable_sort(key.rows.begin(), key.rows.end(),
                     [](const KeyRow &a, const KeyRow &b) { return a.moment < b.moment; });
    return key;
}

void compareStudent(StudentData &s, const AnswerKey &key) {
    StudentReport &r = s.report;
    r.measurements = static_cast<int>(s.meas.size());
    std::set<double> images;
    for (const MeasRec &m : s.meas)
        images.insert(m.Time);
    r.images = static_cast<int>(images.size());

    std::vector<long double> dLat, dLon;
    std::map<std::string, std::vector<MeasRec>> byKey;               // key spot -> measurements
    std::map<std::string, std::set<std::string>> idsOfKey, keysOfId; // both ways
    std::map<std::string, std::map<std::string, int>> idVotes;       // student ID -> key spot -> count
    int unmatched = 0;
    std::string firstUnmatched;
    for (const MeasRec &m : s.meas) {
        long double dist = 0;
        const int row = matchMeasurement(m, key, dist);
        const std::string id = upper(m.ID.str());
        if (row < 0) {
            if (unmatched++ == 0)
                firstUnmatched = "\"" + id + "\" on the image of " + JulianDayText(m.Time);
            continue;
        }
        const KeyRow &k = key.rows[static_cast<std::size_t>(row)];
        ++r.matched;
        dLat.push_back(std::fabs(m.Lat * RadToDeg - k.lat));
        dLon.push_back(std::fabs(m.Long * RadToDeg - k.lon));
        byKey[k.id].push_back(m);
        idsOfKey[k.id].insert(id);
        keysOfId[id].insert(k.id);
        ++idVotes[id][k.id];
    }
    r.latMedian = median(dLat);
    r.lonMedian = median(dLon);
    r.latLargest = dLat.empty() ? 0 : *std::max_element(dLat.begin(), dLat.end());
    r.lonLargest = dLon.empty() ? 0 : *std::max_element(dLon.begin(), dLon.end());
    if (unmatched > 0)
        r.notes.push_back(std::to_string(unmatched) + " measurement(s) match no listed spot within " +
                          F(ClassMatchDeg, 0) + " degrees on the same image (first: " + firstUnmatched +
                          " JD).");
    for (const auto &[id, keys] : keysOfId)
        if (keys.size() > 1) {
            std::vector<std::string> k(keys.begin(), keys.end());
            r.notes.push_back("ID \"" + id + "\" spans spots " + joined(k, " and ") + ".");
        }
    for (const auto &[keyId, ids] : idsOfKey)
        if (ids.size() > 1) {
            std::vector<std::string> v;
            for (const std::string &i : ids)
                v.push_back("\"" + i + "\"");
            r.notes.push_back("Spot " + keyId + " is labelled with " + std::to_string(ids.size()) +
                              " IDs: " + joined(v, ", ") + ".");
        }

    // The program's own line through each spot's measurements, whatever IDs they carry.
    for (const std::string &keyId : key.ids) {
        auto it = byKey.find(keyId);
        if (it == byKey.end())
            continue;
        SpotFit f;
        f.keyId = keyId;
        f.studentIds.assign(idsOfKey[keyId].begin(), idsOfKey[keyId].end());
        std::vector<MeasRec> pts = it->second;
        std::sort(pts.begin(), pts.end(), [](const MeasRec &a, const MeasRec &b) { return a.Time < b.Time; });
        f.points = static_cast<int>(pts.size());
        long double latSum = 0;
        for (const MeasRec &m : pts)
            latSum += m.Lat * RadToDeg;
        f.meanLat = latSum / pts.size();
        f.middleTime = (static_cast<long double>(pts.front().Time) + pts.back().Time) / 2;
        if (const KeyRow *k = key.spot(keyId))
            f.keyRate = k->synRate;
        if (pts.back().Time > pts.front().Time) {
            LinrAnalObj d;
            d.SpotID = keyId;
            d.Points = pts;
            d.FirstTime = d.RefTime = pts.front().Time;
            LstSqrObj solver;
            if (FitLine(d, solver)) {
                f.ok = true;
                f.rate = d.Slope;
                f.tZero = d.TZero;
                f.sigma = LineSlopeError(pts, d.Slope, d.TZero);
            }
        }
        r.spots.push_back(f);
    }

    // Each recorded result against the spot its ID stands for.
    for (const ReportedResult &res : s.results) {
        ResultCheck c;
        c.result = res;
        const std::string id = upper(res.id);
        auto votes = idVotes.find(id);
        if (votes != idVotes.end()) {
            int best = 0;
            for (const auto &[k, n] : votes->second)
                if (n > best) {
                    best = n;
                    c.keyId = k;
                }
        } else if (key.spot(id)) {
            c.keyId = id;
        }
        if (const KeyRow *k = c.keyId.empty() ? nullptr : key.spot(c.keyId)) {
            c.keyRate = k->synRate;
            c.keySynPeriod = k->synPeriod;
            c.keySidPeriod = k->sidPeriod;
        }
        r.results.push_back(c);
    }
}

} // namespace

const KeyRow *AnswerKey::spot(const std::string &id) const {
    for (const KeyRow &k : rows)
        if (k.id == id)
            return &k;
    return nullptr;
}

const SpotFit *StudentReport::fit(const std::string &keyId) const {
    for (const SpotFit &f : spots)
        if (f.keyId == keyId)
            return &f;
    return nullptr;
}

bool readAnswerKey(const std::string &path, AnswerKey &key, std::string &reason) {
    key = AnswerKey{};
    bool ok = false;
    const std::vector<std::string> lines = readLines(path, ok);
    if (!ok) {
        reason = "The answer key " + path + " cannot be read.";
        return false;
    }
    int bad = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (trim(lines[i]).empty())
            continue;
        const std::vector<std::string> f = splitCsv(lines[i]);
        KeyRow k;
        long double moment = 0;
        if (f.size() < 17 || trim(f[6]).empty() || !readReal(f[3], moment) || !readReal(f[9], k.lat) ||
            !readReal(f[10], k.lon) || !readReal(f[13], k.sidRate) || !readReal(f[14], k.sidPeriod) ||
            !readReal(f[15], k.synRate) || !readReal(f[16], k.synPeriod)) {
            ++bad;
            continue;
        }
        k.file = f[0];
        k.id = upper(trim(f[6]));
        k.moment = static_cast<double>(moment);
        if (std::find(key.ids.begin(), key.ids.end(), k.id) == key.ids.end())
            key.ids.push_back(k.id);
        key.rows.push_back(k);
    }
    if (key.rows.empty()) {
        reason = "The answer key " + path + " lists no spot" + (bad ? " it can read." : ".");
        return false;
    }
    return true;
}

std::string defaultAnswerKeyPath(const std::string &installDir) {
    for (const char *sub : {"INSTRUCTOR/", "IMAGES/"}) {
        const std::string p = installDir + sub + "synth_answer_key.csv";
        std::error_code ec;
        if (fs::is_regular_file(p, ec))
            return p;
    }
    return {};
}

int matchMeasurement(const MeasRec &m, const AnswerKey &key, long double &distDeg) {
    int best = -1;
    long double bestDist = 0;
    const long double lat = m.Lat * RadToDeg, lon = m.Long * RadToDeg;
    for (std::size_t i = 0; i < key.rows.size(); ++i) {
        const KeyRow &k = key.rows[i];
        if (std::fabs(static_cast<long double>(k.moment) - m.Time) > ClassSameImageDays)
            continue;
        const long double d = sphereDistance(lat, lon, k.lat, k.lon);
        // Rows at one place (spots of the class-median reference): the measurement's own ID wins.
        const bool tie = best >= 0 && std::fabs(d - bestDist) < 1e-6L;
        if (best < 0 || (d < bestDist && !tie) || (tie && k.id == upper(m.ID.str()))) {
            best = static_cast<int>(i);
            bestDist = d;
        }
    }
    // The key's positions carry four decimals: a click exactly 3 degrees away still counts.
    if (best < 0 || bestDist > ClassMatchDeg + 1e-4L)
        return -1;
    distDeg = bestDist;
    return best;
}

bool parseResultsReport(const std::vector<std::string> &lines, std::vector<ReportedResult> &out, int &bad) {
    out.clear();
    bad = 0;
    const std::vector<std::string> head = RsltsHeaderLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (trim(lines[i]) == "\"Solar Rotation Results from Sunspots\"") {
            // CSV: the title, " ", the column titles, one line per record, " ", the note.
            for (std::size_t j = i + 3; j < lines.size() && trim(lines[j]).size() > 0; ++j) {
                const std::vector<std::string> f = splitCsv(lines[j]);
                ReportedResult r;
                if (f.size() < 6 || trim(f[0]).empty()) {
                    ++bad;
                    continue;
                }
                r.id = trim(f[0]);
                long double v = 0;
                if (!readReal(f[1], v) || !readReal(f[2], v)) {
                    ++bad;
                    continue;
                }
                readReal(f[3], r.rate);
                readReal(f[4], r.synPeriod);
                readReal(f[5], r.sidPeriod);
                out.push_back(r);
            }
            return true;
        }
        if (lines[i] == head[0] && i + 1 < lines.size() && lines[i + 1] == head[1]) {
            for (std::size_t j = i + 2; j < lines.size() && !trim(lines[j]).empty(); ++j) {
                ReportedResult r;
                if (parseTableLine(lines[j], r))
                    out.push_back(r);
                else
                    ++bad;
            }
            return true;
        }
    }
    return false;
}

ClassReport BuildClassReport(const std::string &workDir, const std::string &keyPath) {
    ClassReport rep;
    rep.workDir = workDir;
    if (!rep.workDir.empty() && rep.workDir.back() != '/')
        rep.workDir += '/';
    if (!keyPath.empty()) {
        std::string reason;
        if (readAnswerKey(keyPath, rep.reference, reason)) {
            rep.haveKey = true;
            rep.keyPath = keyPath;
        } else {
            rep.notes.push_back(reason);
        }
    }

    std::vector<StudentData> students;
    const fs::path users = fs::path(rep.workDir + "Users");
    std::error_code ec;
    std::vector<fs::path> dirs;
    for (fs::directory_iterator it(users, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code de;
        if (it->is_directory(de))
            dirs.push_back(it->path());
    }
    if (ec)
        rep.notes.push_back("The student folders in " + users.string() + "/ cannot be read: " + ec.message() +
                            ".");
    std::sort(dirs.begin(), dirs.end());
    for (const fs::path &d : dirs) {
        StudentData s = readStudent(d);
        // The instructor's own login makes a folder too ("Instructor" cut to eight letters, or
        // that name with "-2", ... when in use elsewhere); it is no student unless it holds work.
        const std::string name = upper(d.filename().string());
        const bool instructor = name == "INSTRUCT" || name.rfind("INSTRUCT-", 0) == 0;
        if (instructor && s.report.dataFiles == 0 && s.report.reportFiles == 0)
            continue;
        students.push_back(std::move(s));
    }
    if (students.empty() && !ec)
        rep.notes.push_back("There are no student folders in " + users.string() + "/.");

    if (!rep.haveKey)
        rep.reference = classMedianReference(students);
    for (StudentData &s : students) {
        compareStudent(s, rep.reference);
        rep.students.push_back(std::move(s.report));
    }

    for (const std::string &id : rep.reference.ids) {
        SpotSummary sum;
        sum.id = id;
        std::vector<long double> rates, lats;
        for (const StudentReport &s : rep.students)
            if (const SpotFit *f = s.fit(id); f && f->ok)
                rates.push_back(f->rate);
        for (const KeyRow &k : rep.reference.rows)
            if (k.id == id)
                lats.push_back(k.lat);
        sum.students = static_cast<int>(rates.size());
        sum.median = median(rates);
        if (!rates.empty())
            sum.spread =
                *std::max_element(rates.begin(), rates.end()) - *std::min_element(rates.begin(), rates.end());
        if (const KeyRow *k = rep.reference.spot(id))
            sum.keyRate = k->synRate;
        long double latSum = 0;
        for (long double l : lats)
            latSum += l;
        sum.meanLat = lats.empty() ? 0 : latSum / lats.size();
        rep.spots.push_back(sum);
    }
    return rep;
}

namespace {

std::string referenceText(const ClassReport &r) {
    return r.haveKey ? "the answer key " + r.keyPath
                     : "the class median of each spot (no answer key; spots named by the students' IDs)";
}

std::string rateOrBlank(const StudentReport &s, const std::string &id, int width) {
    const SpotFit *f = s.fit(id);
    return padLeft(f && f->ok ? F(f->rate, 3) : std::string(), width);
}

std::string diff(long double v, long double ref, int decimals) {
    const long double d = v - ref;
    return (d >= 0 ? "+" : "") + F(d, decimals);
}

} // namespace

std::vector<std::string> ClassReportLines(const ClassReport &r) {
    std::vector<std::string> out;
    out.push_back("Class Report of " + r.workDir + "Users/");
    out.push_back("Reference: " + referenceText(r));
    out.push_back("A measurement belongs to the nearest listed spot within " + F(ClassMatchDeg, 0) +
                  " degrees on the same image, whatever its ID.");
    for (const std::string &n : r.notes)
        out.push_back(n);
    out.push_back("");
    const std::vector<std::string> &ids = r.reference.ids;
    std::string h1 = "No Student          Images  Meas   Lat Error (Degs)  Long Error (Degs)  ";
    std::string h2 = "                                    Median  Largest   Median  Largest  ";
    h1 += "Rate of Spot (Degs/Day)";
    for (const std::string &id : ids)
        h2 += padLeft(id, 8);
    h2 += "  Results";
    out.push_back(h1);
    out.push_back(h2);
    for (std::size_t i = 0; i < r.students.size(); ++i) {
        const StudentReport &s = r.students[i];
        std::string l = padLeft(std::to_string(i + 1), 2) + " " + padRight(s.name.substr(0, 16), 16) +
                        padLeft(std::to_string(s.images), 7) + padLeft(std::to_string(s.measurements), 6);
        if (s.matched > 0)
            l += padLeft(F(s.latMedian, 2), 10) + padLeft(F(s.latLargest, 2), 9) +
                 padLeft(F(s.lonMedian, 2), 9) + padLeft(F(s.lonLargest, 2), 9) + "  ";
        else
            l += std::string(39, ' ');
        for (const std::string &id : ids)
            l += rateOrBlank(s, id, 8);
        l += padLeft(std::to_string(s.results.size()), 9);
        out.push_back(l);
    }
    out.push_back("");
    out.push_back(std::string("Spot  Students  Median Rate  Spread    ") +
                  (r.haveKey ? "Key Rate  Median - Key" : "(Degs/Day; the median is the reference)"));
    for (const SpotSummary &sp : r.spots) {
        std::string l = padRight(sp.id, 4) + padLeft(std::to_string(sp.students), 9);
        if (sp.students > 0)
            l += padLeft(F(sp.median, 3), 13) + padLeft(F(sp.spread, 3), 8);
        else
            l += std::string(21, ' ');
        if (r.haveKey) {
            l += padLeft(F(sp.keyRate, 3), 12);
            if (sp.students > 0)
                l += padLeft(diff(sp.median, sp.keyRate, 3), 14);
        }
        out.push_back(l);
    }
    out.push_back(
        "Rates: synodic, the slope of the least-squares line of longitude against time through each");
    out.push_back("student's own measurements of the spot.");
    for (std::size_t i = 0; i < r.students.size(); ++i) {
        const StudentReport &s = r.students[i];
        out.push_back("");
        out.push_back(std::to_string(i + 1) + " " + s.name + ": " + std::to_string(s.dataFiles) +
                      " data file(s), " + std::to_string(s.reportFiles) + " results report(s), " +
                      std::to_string(s.matched) + " of " + std::to_string(s.measurements) +
                      " measurement(s) matched");
        for (const SpotFit &f : s.spots) {
            std::string l = "   Spot " + f.keyId + " (ID " + joined(f.studentIds, ", ") +
                            "): " + std::to_string(f.points) + " measurement(s), ";
            l += f.ok ? "rate " + F(f.rate, 3) + " against " + F(f.keyRate, 3) + " (" +
                            diff(f.rate, f.keyRate, 3) + ") degs/day"
                      : "one image only, no line";
            out.push_back(l);
        }
        for (const ResultCheck &c : s.results) {
            std::string l = "   Result \"" + c.result.id + "\" (" + c.result.file + ")";
            if (c.keyId.empty()) {
                out.push_back(l + ": no spot of the reference");
                continue;
            }
            l += " for spot " + c.keyId + ":";
            if (c.result.rate > NoRateLimit)
                l += " rate " + F(c.result.rate, 3) + " against " + F(c.keyRate, 3) + ";";
            if (c.result.synPeriod != 0)
                l += " synodic " + F(c.result.synPeriod, 2) + " against " + F(c.keySynPeriod, 2) + " days;";
            if (c.result.sidPeriod != 0)
                l += " sidereal " + F(c.result.sidPeriod, 2) + " against " + F(c.keySidPeriod, 2) + " days;";
            if (l.back() == ';')
                l.pop_back();
            else
                l += " no rate or period";
            out.push_back(l);
        }
        for (const std::string &n : s.notes)
            out.push_back("   " + n);
    }
    return out;
}

std::vector<std::string> ClassReportCsvLines(const ClassReport &r) {
    std::vector<std::string> out;
    out.push_back(quote("Class Report"));
    out.push_back(quote("Working Folder") + "," + quote(r.workDir));
    out.push_back(quote("Reference") + "," + quote(referenceText(r)));
    for (const std::string &n : r.notes)
        out.push_back(quote("Note") + "," + quote(n));
    out.push_back(" ");
    std::string h =
        "\"No\",\"Student\",\"Images\",\"Measurements\",\"Matched\",\"Lat Error Median\",\"Lat Error "
        "Largest\",\"Long Error Median\",\"Long Error Largest\"";
    for (const std::string &id : r.reference.ids)
        h += "," + quote("Rate " + id);
    h += ",\"Results\",\"Notes\"";
    out.push_back(h);
    for (std::size_t i = 0; i < r.students.size(); ++i) {
        const StudentReport &s = r.students[i];
        std::string l = std::to_string(i + 1) + "," + quote(s.name) + "," + std::to_string(s.images) + "," +
                        std::to_string(s.measurements) + "," + std::to_string(s.matched);
        for (long double v : {s.latMedian, s.latLargest, s.lonMedian, s.lonLargest})
            l += "," + (s.matched > 0 ? F(v, 3) : std::string());
        for (const std::string &id : r.reference.ids) {
            const SpotFit *f = s.fit(id);
            l += "," + (f && f->ok ? F(f->rate, 4) : std::string());
        }
        l += "," + std::to_string(s.results.size()) + "," + quote(joined(s.notes, " "));
        out.push_back(l);
    }
    out.push_back(" ");
    out.push_back("\"Spot\",\"Students\",\"Median Rate\",\"Spread\",\"Reference Rate\",\"Mean Latitude\"");
    for (const SpotSummary &sp : r.spots)
        out.push_back(quote(sp.id) + "," + std::to_string(sp.students) + "," +
                      (sp.students ? F(sp.median, 4) : std::string()) + "," +
                      (sp.students ? F(sp.spread, 4) : std::string()) + "," + F(sp.keyRate, 4) + "," +
                      F(sp.meanLat, 2));
    out.push_back(" ");
    out.push_back(
        "\"No\",\"Student\",\"Result ID\",\"File\",\"Spot\",\"Rotation Rate\",\"Reference Rate\",\"Synodic "
        "Period\",\"Reference Synodic Period\",\"Sidereal Period\",\"Reference Sidereal Period\"");
    for (std::size_t i = 0; i < r.students.size(); ++i)
        for (const ResultCheck &c : r.students[i].results) {
            const bool k = !c.keyId.empty();
            out.push_back(std::to_string(i + 1) + "," + quote(r.students[i].name) + "," + quote(c.result.id) +
                          "," + quote(c.result.file) + "," + quote(c.keyId) + "," +
                          (c.result.rate > NoRateLimit ? F(c.result.rate, 5) : "") + "," +
                          (k ? F(c.keyRate, 5) : "") + "," +
                          (c.result.synPeriod != 0 ? F(c.result.synPeriod, 5) : "") + "," +
                          (k ? F(c.keySynPeriod, 5) : "") + "," +
                          (c.result.sidPeriod != 0 ? F(c.result.sidPeriod, 5) : "") + "," +
                          (k ? F(c.keySidPeriod, 5) : ""));
        }
    return out;
}

std::vector<RatePoint> ClassRatePoints(const ClassReport &r) {
    std::vector<RatePoint> pts;
    for (std::size_t i = 0; i < r.students.size(); ++i)
        for (const SpotFit &f : r.students[i].spots) {
            if (!f.ok)
                continue;
            RatePoint p;
            p.ID = std::to_string(i + 1);
            p.LatDeg = f.meanLat;
            p.SynRate = f.rate;
            p.RuleRate = RuleSiderealRate(f.rate);
            p.TZero = f.tZero != 0 ? f.tZero : f.middleTime;
            p.ExactRate = ExactSiderealRate(f.rate, p.TZero);
            p.Sigma = f.sigma;
            p.NumPts = f.points;
            pts.push_back(p);
        }
    return pts;
}

LawFit ReferenceLaw(const ClassReport &r) {
    std::vector<RatePoint> pts;
    for (const SpotSummary &sp : r.spots) {
        const KeyRow *k = r.reference.spot(sp.id);
        if (!k || !(k->sidRate > 0))
            continue;
        RatePoint p;
        p.ID = sp.id;
        p.LatDeg = sp.meanLat;
        p.ExactRate = p.RuleRate = k->sidRate;
        pts.push_back(p);
    }
    return FitStudentLaw(pts);
}

} // namespace solar
