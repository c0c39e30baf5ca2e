#include "astro/DateTime.h"

#include "support/ExtReal.h"
#include "support/StringUt.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace solar {

namespace {

constexpr std::int64_t MSecsPerDay = 86400000;
// Moments of 0001-01-01 and of 9999-12-31, the run-time's range of dates.
constexpr std::int64_t FirstDay = -693593;
constexpr std::int64_t LastDay = 2958465;

// 1899-12-30 counted from 1970-01-01.
constexpr std::int64_t MomentEpoch = -25569;

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

// The moment rounded to whole milliseconds: whole days (towards zero) and the time of day, the
// time of a negative moment counting forwards from the start of its day as the run-time does.
bool splitMoment(double moment, std::int64_t &days, std::int64_t &msOfDay) {
    if (!std::isfinite(moment) || std::fabs(moment) > 1.0e7)
        return false;
    const std::int64_t total = roundToInt(static_cast<long double>(moment) * MSecsPerDay);
    days = total / MSecsPerDay;
    msOfDay = (total < 0 ? -total : total) % MSecsPerDay;
    return true;
}

long double julianBase = 2415018.5L;

std::function<double()> nowSource;

double machineNow() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return EncodeMoment(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec > 59 ? 59 : local.tm_sec, static_cast<int>(ms < 0 ? ms + 1000 : ms));
}

} // namespace

// Days from 1970-01-01 in the proleptic Gregorian calendar (the civil-date algorithm of
// H. Hinnant, "chrono-Compatible Low-Level Date Algorithms").
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, int &year, int &month, int &day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

bool TryEncodeDate(int year, int month, int day, double &moment) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return false;
    moment = static_cast<double>(daysFromCivil(year, month, day) - MomentEpoch);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int ms, double &fraction) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || ms < 0 || ms > 999)
        return false;
    const std::int64_t total = ((hour * 60LL + minute) * 60 + second) * 1000 + ms;
    fraction = static_cast<double>(static_cast<long double>(total) / MSecsPerDay);
    return true;
}

double EncodeMoment(int year, int month, int day, int hour, int minute, int second, int ms) {
    double date = 0, time = 0;
    if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, minute, second, ms, time))
        return 0;
    // Before 1899-12-30 the fraction still counts forwards within the day, so it is subtracted.
    return date < 0 ? date - time : date + time;
}

bool DecodeDate(double moment, int &year, int &month, int &day) {
    std::int64_t days = 0, ms = 0;
    if (!splitMoment(moment, days, ms) || days < FirstDay || days > LastDay) {
        year = month = day = 0;
        return false;
    }
    civilFromDays(days + MomentEpoch, year, month, day);
    return true;
}

void DecodeTime(double moment, int &hour, int &minute, int &second, int &ms) {
    std::int64_t days = 0, t = 0;
    if (!splitMoment(moment, days, t))
        t = 0;
    hour = static_cast<int>(t / 3600000);
    minute = static_cast<int>(t / 60000 % 60);
    second = static_cast<int>(t / 1000 % 60);
    ms = static_cast<int>(t % 1000);
}

double NowMoment() {
    return nowSource ? nowSource() : machineNow();
}

void SetNowSource(std::function<double()> source) {
    nowSource = std::move(source);
}

void SetClock(ClockRec &clock, double moment) {
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(moment, h, m, s, ms);
    clock.moment = moment;
    clock.hour = static_cast<std::uint8_t>(h);
    clock.minute = static_cast<std::uint8_t>(m);
    clock.seconds = static_cast<float>(s + ms / 1000.0);
}

void SetMoment(CalendarRec &cal, double moment) {
    int y = 0, m = 0, d = 0;
    DecodeDate(moment, y, m, d);
    cal.moment = moment;
    cal.year = y;
    cal.month = static_cast<std::uint8_t>(m);
    cal.day = static_cast<std::uint8_t>(d);
    SetClock(cal.local, moment);
    SetClock(cal.universal, static_cast<double>(moment + cal.zoneOffset));
}

void SetNow(CalendarRec &cal) {
    SetMoment(cal, NowMoment());
}

void SetZone(CalendarRec &cal, float hours) {
    cal.zoneOffset = static_cast<long double>(hours) / 24;
    SetNow(cal);
}

long double JulianDateBase() {
    return julianBase;
}

void InitJulianDateBase() {
    // A run-time whose moments counted days from the year 1 would show values above 100000.
    julianBase = 1721424.5L;
    if (NowMoment() < 100000)
        julianBase += 693594;
}

long double JulianDate(const CalendarRec &cal) {
    return cal.zoneOffset + static_cast<long double>(cal.moment) + julianBase;
}

std::string DateText(const CalendarRec &cal) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%d", static_cast<int>(cal.month), static_cast<int>(cal.day),
                  static_cast<int>(cal.year));
    return buf;
}

std::string JulianText(const CalendarRec &cal, int digits) {
    return FixedText(JulianDate(cal), digits);
}

namespace {
long double clockHours(const ClockRec &clock) {
    return clock.hour + clock.minute / 60.0L + static_cast<long double>(clock.seconds) / 3600;
}
std::string dropTwo(const std::string &s) {
    return s.size() > 2 ? s.substr(2) : std::string();
}
} // namespace

std::string ClockText(const ClockRec &clock, int digits, char sep1, char sep2, const std::string &suffix) {
    return dropTwo(SexagesimalText(digits, sep1, sep2, suffix, clockHours(clock)));
}

std::string ClockMinutesText(const ClockRec &clock, int digits, char sep1, char sep2) {
    return dropTwo(DegMinText(digits, sep1, sep2, clockHours(clock)));
}

void SplitJulianDate(long double x, std::int32_t &days, ClockRec &clock) {
    clock.moment = static_cast<double>(x);
    // A clock set back between the two moments must not give a negative, garbled time.
    if (!(x > 0) || x > 2.0e9L)
        x = 0;
    x += 1.0L / 864000000;
    const long double whole = std::trunc(x);
    days = static_cast<std::int32_t>(whole);
    const long double f = (x - whole) * 24;
    clock.hour = static_cast<std::uint8_t>(std::trunc(f));
    const long double g = (f - std::trunc(f)) * 60;
    clock.minute = static_cast<std::uint8_t>(std::trunc(g));
    clock.seconds = static_cast<float>((g - std::trunc(g)) * 60);
}

} // namespace solar
