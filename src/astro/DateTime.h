#pragma once
// Calendar and clock records of one moment, the Julian date, and the moment encoding: a moment
// is a double counting days from 1899-12-30 00:00 whose fraction is the time of day (always
// Universal Time in this program).

#include <cstdint>
#include <functional>
#include <string>

namespace solar {

struct ClockRec {
    std::uint8_t hour = 0;   // 0..23
    std::uint8_t minute = 0; // 0..59
    float seconds = 0;       // seconds with the milliseconds as a fraction
    double moment = 0;       // the moment the record was set from
};

struct CalendarRec {
    std::int32_t year = 0;
    std::uint8_t month = 0; // 1..12
    std::uint8_t day = 0;   // 1..31
    double moment = 0;
    ClockRec universal;         // clock of moment + zone offset
    ClockRec local;             // clock of moment
    long double zoneOffset = 0; // days to add to the moment to reach Universal Time
};

// Days from 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t daysFromCivil(std::int64_t y, int m, int d);
void civilFromDays(std::int64_t z, int &year, int &month, int &day);

// Moment encoding as the run-time does it. Dates are proleptic Gregorian, years 1..9999.
// EncodeMoment gives 0 for an invalid date or time; TryEncodeDate says whether it is valid.
double EncodeMoment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0);
bool TryEncodeDate(int year, int month, int day, double &moment);
bool TryEncodeTime(int hour, int minute, int second, int ms, double &fraction);
// Decoding rounds the moment to whole milliseconds first, so 23:59:59.9996 is the next day's
// 00:00:00.000 and no clock shows 60 seconds. A moment outside the years 1..9999 decodes to
// zeros and gives false.
bool DecodeDate(double moment, int &year, int &month, int &day);
void DecodeTime(double moment, int &hour, int &minute, int &second, int &ms);

// The machine's current local date-time as a moment. Tests may replace the source; an empty
// function restores the real clock.
double NowMoment();
void SetNowSource(std::function<double()> source);

void SetClock(ClockRec &clock, double moment);
void SetMoment(CalendarRec &cal, double moment);
void SetNow(CalendarRec &cal);
// Zone offset := hours / 24, then SetNow.
void SetZone(CalendarRec &cal, float hours);

// Julian date of the moment 0 (1899-12-30 00:00): 2415018.5 on any current system. It starts at
// that value; InitJulianDateBase recomputes it from the clock at start-up.
long double JulianDateBase();
void InitJulianDateBase();
long double JulianDate(const CalendarRec &cal);

// "MM-DD-YYYY".
std::string DateText(const CalendarRec &cal);
std::string JulianText(const CalendarRec &cal, int digits);
// The clock as hours by SexagesimalText / DegMinText without the first two characters: a
// two-character hour field padded on the left with a blank.
std::string ClockText(const ClockRec &clock, int digits, char sep1, char sep2, const std::string &suffix);
std::string ClockMinutesText(const ClockRec &clock, int digits, char sep1, char sep2);

// Splits a Julian-date difference (days) into whole days and a clock, a tenth of a millisecond
// added first so that whole seconds do not fall just below. A negative difference counts as 0.
void SplitJulianDate(long double x, std::int32_t &days, ClockRec &clock);

} // namespace solar
