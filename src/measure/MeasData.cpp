#include "measure/MeasData.h"

#include "astro/DateTime.h"
#include "support/ExtReal.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace solar {

namespace {

constexpr std::size_t OffTime = 4, OffUnit = 12, OffReals = 13, RealBytes = 10;

long double *realField(MeasRec &r, int i) {
    long double *const fields[] = {&r.X, &r.Y, &r.XOff, &r.YOff, &r.XRad, &r.YRad, &r.Long, &r.Lat};
    return fields[i];
}
const long double *realField(const MeasRec &r, int i) {
    return realField(const_cast<MeasRec &>(r), i);
}

// What a record holds in a field that is not a number, as the load message names it.
std::string notANumber(int field) {
    switch (field) {
    case 0:
        return translate("MeasData", "a pixel column that is not a number");
    case 1:
        return translate("MeasData", "a pixel row that is not a number");
    case 2:
        return translate("MeasData", "a x offset that is not a number");
    case 3:
        return translate("MeasData", "a y offset that is not a number");
    case 4:
        return translate("MeasData", "a x in solar radii that is not a number");
    case 5:
        return translate("MeasData", "a y in solar radii that is not a number");
    case 6:
        return translate("MeasData", "a longitude that is not a number");
    default:
        return translate("MeasData", "a latitude that is not a number");
    }
}

// An error number in the program's words.
std::string ioReason(int err) {
    const int code = IOCodeFromErrno(err);
    if (code >= 1000 || code == 0)
        return std::strerror(err ? err : EIO);
    return IOErrorText(code);
}

std::string padLeft(const std::string &s, std::size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

// Writes `bytes` to a temporary file in the folder of `path`, flushes it to the disk and renames
// it over `path`. Nothing is left behind on failure, and an existing `path` stays as it was.
bool writeReplacing(const std::string &path, const std::string &bytes, std::string &reason) {
    const std::string temp = path + ".part";
    std::FILE *f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        reason = ioReason(errno);
        return false;
    }
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int err = ok ? 0 : errno;
    if (ok && (std::fflush(f) != 0 || ::fsync(fileno(f)) != 0)) {
        ok = false;
        err = errno;
    }
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(temp, path, ec);
        if (ec) {
            ok = false;
            err = ec.value();
        }
    }
    if (!ok) {
        reason = ioReason(err);
        std::remove(temp.c_str());
    }
    return ok;
}

// The three date and time columns shared by the list line and the CSV line.
struct TimeTexts {
    std::string date, clock, julian;
};
TimeTexts timeTexts(double moment) {
    CalendarRec cal;
    cal.zoneOffset = 0; // every moment is Universal Time
    SetMoment(cal, moment);
    return {DateText(cal), ClockText(cal.universal, 0, ':', ':', " "), JulianText(cal, 6)};
}

// The two coordinate texts for a unit, without padding.
std::pair<std::string, std::string> coordTexts(const MeasRec &rec, int unit) {
    switch (unit) {
    case UnitPixels:
        return {FixedText(rec.XOff, 2), FixedText(rec.YOff, 2)};
    case UnitSolarRadius:
        return {FixedText(rec.XRad, 5), FixedText(rec.YRad, 5)};
    default:
        return {FixedText(rec.Long * MeasRadToDeg, 5), FixedText(rec.Lat * MeasRadToDeg, 5)};
    }
}

std::string csvQuoted(const std::string &s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

} // namespace

void encodeMeasRecord(const MeasRec &rec, std::uint8_t out[MeasRecordBytes]) {
    rec.ID.toBytes(out);
    putF64(out + OffTime, rec.Time);
    out[OffUnit] = rec.Unit;
    for (int i = 0; i < 8; ++i)
        encodeExtended(*realField(rec, i), out + OffReals + i * RealBytes);
}

MeasRec decodeMeasRecord(const std::uint8_t in[MeasRecordBytes]) {
    MeasRec rec;
    rec.ID.fromBytes(in);
    rec.Time = getF64(in + OffTime);
    rec.Unit = in[OffUnit];
    for (int i = 0; i < 8; ++i)
        *realField(rec, i) = decodeExtended(in + OffReals + i * RealBytes);
    return rec;
}

bool MeasList::Equal(const void *a, const void *b) const {
    const auto &ra = *static_cast<const MeasRec *>(a);
    const auto &rb = *static_cast<const MeasRec *>(b);
    return compareShort(ra.ID.view(), rb.ID.view()) == 0 && ra.Time == rb.Time;
}

bool MeasList::Greater(const void *a, const void *b) const {
    const auto &ra = *static_cast<const MeasRec *>(a);
    const auto &rb = *static_cast<const MeasRec *>(b);
    const int c = compareShort(ra.ID.view(), rb.ID.view());
    return c == 0 ? ra.Time > rb.Time : c > 0;
}

std::vector<MeasRec> MeasList::records() {
    std::vector<MeasRec> out;
    Reset();
    while (!AtLast())
        out.push_back(*NextAs<MeasRec>());
    return out;
}

bool readMeasFile(const std::string &path, std::vector<MeasRec> &out, std::string &reason) {
    out.clear();
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f) {
        reason = ioReason(errno);
        return false;
    }
    std::string bytes;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, n);
    const bool readError = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (readError) {
        reason = ioReason(err);
        return false;
    }
    if (bytes.size() % MeasRecordBytes != 0) {
        reason =
            arg(translate("MeasData", "The file is %1 bytes long, which is not a whole number of 93-byte "
                                      "measurement records.\r\nIt is not a measurement data file, or it "
                                      "is damaged."),
                {std::to_string(bytes.size())});
        return false;
    }

    std::vector<MeasRec> recs;
    std::string problems;
    int bad = 0;
    const std::size_t count = bytes.size() / MeasRecordBytes;
    for (std::size_t i = 0; i < count; ++i) {
        const auto *p = reinterpret_cast<const std::uint8_t *>(bytes.data()) + i * MeasRecordBytes;
        const MeasRec rec = decodeMeasRecord(p);
        std::string what;
        if (p[0] > 3)
            what = translate("MeasData", "a spot identifier longer than 3 characters");
        else if (rec.Unit > UnitHeliographic)
            what = arg(translate("MeasData", "an unknown measurement unit (%1)"), {std::to_string(rec.Unit)});
        else if (!std::isfinite(rec.Time))
            what = translate("MeasData", "an image time that is not a number");
        else
            for (int k = 0; k < 8 && what.empty(); ++k)
                if (!std::isfinite(*realField(rec, k)))
                    what = notANumber(k);
        if (!what.empty()) {
            if (++bad <= 5)
                problems +=
                    "\r\n" + arg(translate("MeasData", "Record %1 has %2."), {std::to_string(i + 1), what});
            continue;
        }
        recs.push_back(rec);
    }
    if (bad > 0) {
        reason = arg(bad == 1 ? translate("MeasData", "%1 of its %2 records is not valid measurements:")
                              : translate("MeasData", "%1 of its %2 records are not valid measurements:"),
                     {std::to_string(bad), std::to_string(count)}) +
                 problems;
        if (bad > 5)
            reason += "\r\n...";
        return false;
    }
    out = std::move(recs);
    return true;
}

bool writeMeasFile(const std::string &path, MeasList &list, std::string &reason) {
    std::string bytes;
    std::uint8_t buf[MeasRecordBytes];
    list.Reset();
    while (!list.AtLast()) {
        encodeMeasRecord(*list.NextAs<MeasRec>(), buf);
        bytes.append(reinterpret_cast<const char *>(buf), MeasRecordBytes);
    }
    return writeReplacing(path, bytes, reason);
}

std::vector<std::string> MeasHeaderLines(int unit) {
    if (unit == UnitHeliographic)
        return {"Coordinates are Heliographic latitude, and longitude", " measured from the image center.",
                "Units are degrees.", "", "Spot   Date       UT     Julian Date       Long      Lat"};
    return {"Coordinates are measured from the image center.",
            unit == UnitPixels ? "Units are pixels." : "Units are solar radii.", "",
            "Spot   Date       UT     Julian Date        X        Y"};
}

std::string MeasLine(const MeasRec &rec, int unit) {
    std::string id = rec.ID.str();
    if (id.size() < 4)
        id.append(4 - id.size(), ' ');
    const TimeTexts t = timeTexts(rec.Time);
    std::string line = id + t.date + " " + t.clock + t.julian + " ";
    const auto [a, b] = coordTexts(rec, unit);
    switch (unit) {
    case UnitPixels:
        return line + padLeft(a, 9) + padLeft(b, 9);
    case UnitSolarRadius: {
        auto lead = [](const std::string &s) { return (!s.empty() && s[0] == '-' ? " " : "  ") + s; };
        return line + lead(a) + lead(b);
    }
    default:
        return line + padLeft(a, 10) + padLeft(b, 10);
    }
}

std::vector<std::string> MeasCsvHeaderLines(int unit) {
    if (unit == UnitHeliographic)
        return {"\"Coordinates are Heliographic latitude, and longitude measured from the image center.\"",
                "\"Units are degrees.\"", " ", "\"Spot\",\"Date\",\"UT\",\"Julian Date\",\"Long\",\"Lat\""};
    return {"\"Coordinates are measured from the image center.\"",
            unit == UnitPixels ? "\"Units are pixels.\"" : "\"Units are solar radii.\"", " ",
            "\"Spot\",\"Date\",\"UT\",\"Julian Date\",\"X\",\"Y\""};
}

std::string MeasCsvLine(const MeasRec &rec, int unit) {
    const TimeTexts t = timeTexts(rec.Time);
    const auto [a, b] = coordTexts(rec, unit);
    return csvQuoted(rec.ID.str()) + "," + t.date + "," + t.clock + "," + t.julian + "," + a + "," + b;
}

bool writeMeasCsv(const std::string &path, MeasList &list, int unit, std::string &reason) {
    std::string text;
    for (const auto &l : MeasCsvHeaderLines(unit))
        text += l + "\r\n";
    list.Reset();
    while (!list.AtLast())
        text += MeasCsvLine(*list.NextAs<MeasRec>(), unit) + "\r\n";
    return writeReplacing(path, text, reason);
}

} // namespace solar
