#pragma once
// Made-up students for the class report tests: measurement data files written into
// <working folder>/Users/<name>/ from an answer key's own positions.

#include "analysis/ClassRpt.h"
#include "measure/MeasData.h"
#include "support/StringUt.h"

#include <fstream>
#include <tuple>

#include <filesystem>
#include <string>
#include <vector>

namespace solar::test {

constexpr long double ClassDeg = 0.017453292519943295769L;

inline MeasRec measAt(const std::string &id, double time, long double latDeg, long double lonDeg) {
    MeasRec m;
    m.ID = id;
    m.Time = time;
    m.Unit = UnitHeliographic;
    m.Lat = latDeg * ClassDeg;
    m.Long = lonDeg * ClassDeg;
    return m;
}

inline void writeStudent(const std::string &workDir, const std::string &name,
                         const std::vector<MeasRec> &recs, const std::string &file = "SOLRTN_DATA.DAT") {
    const std::string dir = workDir + "Users/" + name + "/";
    std::filesystem::create_directories(dir);
    MeasList list;
    for (const MeasRec &m : recs)
        list.Insert(m);
    std::string reason;
    writeMeasFile(dir + file, list, reason);
}

// CAREFUL measures spots A and B exactly where the key lists them. CARELESS measures them too,
// but labels every second measurement of A "Z", and clicks the third image's B 3 degrees north.
inline void writeCarefulAndCareless(const std::string &workDir, const AnswerKey &key) {
    std::vector<MeasRec> careful, careless;
    int a = 0, b = 0;
    for (const KeyRow &k : key.rows) {
        if (k.id != "A" && k.id != "B")
            continue;
        careful.push_back(measAt(k.id, k.moment, k.lat, k.lon));
        if (k.id == "A")
            careless.push_back(measAt(a++ % 2 ? "Z" : "A", k.moment, k.lat, k.lon));
        else
            careless.push_back(measAt("B", k.moment, k.lat + (b++ == 2 ? 3.0L : 0.0L), k.lon));
    }
    writeStudent(workDir, "CAREFUL", careful);
    writeStudent(workDir, "CARELESS", careless);
}

constexpr double ClassDay0 = 45894.75; // 2025-08-25 18:00 UT

// A hand-built answer key: spots A (lat 10, 13.2 deg/day) and B (lat -20, 12.8 deg/day) on five
// images a day apart, longitudes on straight lines from -40 and -30 degrees.
inline std::string writeClassKey(const std::string &path) {
    std::string s =
        "File,Date,Time,Moment,B0,L0,Spot,Column,Row,Latitude,Longitude,Carrington,Mu,Sidereal rate,"
        "Sidereal period,Synodic rate,Synodic period,Law\r\n";
    for (int d = 0; d < 5; ++d)
        for (const auto &[id, lat, lon0, rate] :
             {std::tuple{"A", 10.0, -40.0, 13.2}, std::tuple{"B", -20.0, -30.0, 12.8}}) {
            s += "img" + std::to_string(d) + ".fts,x,x," + FixedText(ClassDay0 + d, 6) + ",0,0," + id +
                 ",0,0," + FixedText(lat, 4) + "," + FixedText(lon0 + rate * d, 4) + ",0,0.9," +
                 FixedText(rate + 0.986, 4) + "," + FixedText(360 / (rate + 0.986), 3) + "," +
                 FixedText(rate, 4) + "," + FixedText(360 / rate, 3) + ",\"law\"\r\n";
        }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << s;
    return path;
}

} // namespace solar::test
