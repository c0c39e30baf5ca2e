// Moments, calendar records, Julian dates and clock texts. Day numbers are checked against a
// calendar counted day by day and against Python's datetime; Julian dates against the
// formula of Meeus, Astronomical Algorithms, chapter 7.
#include "astro/DateTime.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace solar;

namespace {

// Restores the machine's clock after a test that fixed "now".
struct FixedNow {
    explicit FixedNow(double moment) {
        SetNowSource([moment] { return moment; });
    }
    ~FixedNow() {
        SetNowSource({});
        InitJulianDateBase();
    }
};

// Meeus, Astronomical Algorithms (2nd ed.), formula 7.1, Gregorian calendar.
long double meeusJulianDay(int y, int m, long double d) {
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const int a = y / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25L * (y + 4716)) + std::floor(30.6001L * (m + 1)) + d + b - 1524.5L;
}

ClockRec clockOf(int h, int m, float s) {
    ClockRec c;
    c.hour = static_cast<std::uint8_t>(h);
    c.minute = static_cast<std::uint8_t>(m);
    c.seconds = s;
    return c;
}

} // namespace

TEST(MomentEncoding, KnownDays) {
    // Day numbers from Python: (date(y, m, d) - date(1899, 12, 30)).days.
    EXPECT_EQ(EncodeMoment(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeMoment(2005, 3, 7), 38418.0);
    EXPECT_EQ(EncodeMoment(2000, 1, 1, 12), 36526.5);
    EXPECT_EQ(EncodeMoment(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeMoment(9999, 12, 31), 2958465.0);
    // 06:00 before 1899-12-30 counts forwards within its day: 1899-12-29 06:00 is -1.25.
    EXPECT_EQ(EncodeMoment(1899, 12, 29, 6), -1.25);

    double m = 0;
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, m));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, m)); // not a leap year (century rule)
    EXPECT_FALSE(TryEncodeDate(2001, 2, 29, m));
    EXPECT_FALSE(TryEncodeDate(2001, 4, 31, m));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, m));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1, m));
    EXPECT_FALSE(TryEncodeDate(2001, 13, 1, m));
    EXPECT_EQ(EncodeMoment(2001, 2, 29), 0.0);
    EXPECT_EQ(EncodeMoment(2001, 2, 28, 24), 0.0);
}

TEST(MomentEncoding, EveryDayOfTheCalendarRoundTrips) {
    // Walk the calendar from 0001-01-01 one day at a time with plain month lengths.
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int y = 1, m = 1, d = 1;
    for (long long n = -693593; n <= 2958465; ++n) {
        ASSERT_EQ(EncodeMoment(y, m, d), static_cast<double>(n)) << y << "-" << m << "-" << d;
        int yy = 0, mm = 0, dd = 0;
        // 18:00 of the day; before 1899-12-30 the time counts forwards from a negative day.
        const double evening = n < 0 ? static_cast<double>(n) - 0.75 : static_cast<double>(n) + 0.75;
        ASSERT_TRUE(DecodeDate(evening, yy, mm, dd));
        ASSERT_TRUE(yy == y && mm == m && dd == d) << n;
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        if (++d > lengths[m - 1] + (m == 2 && leap ? 1 : 0)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
    int yy = 1, mm = 1, dd = 1;
    EXPECT_FALSE(DecodeDate(2958466.0, yy, mm, dd));
    EXPECT_EQ(yy + mm + dd, 0);
    EXPECT_FALSE(DecodeDate(std::nan(""), yy, mm, dd));
}

TEST(MomentEncoding, DecodeRoundsToMilliseconds) {
    int h = 0, mi = 0, s = 0, ms = 0;
    DecodeTime(EncodeMoment(2005, 3, 7, 13, 7, 9, 250), h, mi, s, ms);
    EXPECT_EQ(h * 10000000 + mi * 100000 + s * 1000 + ms, 13 * 10000000 + 7 * 100000 + 9 * 1000 + 250);

    // 11:59:59.9996 is 12:00:00.000, never 59.9996 or 60 seconds.
    DecodeTime(0.5 - 0.0004 / 86400, h, mi, s, ms);
    EXPECT_TRUE(h == 12 && mi == 0 && s == 0 && ms == 0) << h << ":" << mi << ":" << s << "." << ms;
    // The carry reaches the date too: 23:59:59.9999 on 1999-12-31 is 2000-01-01.
    int y = 0, mo = 0, d = 0;
    DecodeDate(36526.0 - 0.0001 / 86400, y, mo, d);
    EXPECT_TRUE(y == 2000 && mo == 1 && d == 1);
    // A negative moment keeps its time of day counted forwards: -1.25 is 1899-12-29 06:00.
    DecodeDate(-1.25, y, mo, d);
    DecodeTime(-1.25, h, mi, s, ms);
    EXPECT_TRUE(y == 1899 && mo == 12 && d == 29 && h == 6 && mi == 0);
}

TEST(CalendarRecord, SetZoneSetMomentAndTexts) {
    FixedNow now(38418.75); // 2005-03-07 18:00
    CalendarRec cal;
    SetZone(cal, 0);
    EXPECT_EQ(cal.year, 2005);
    EXPECT_EQ(cal.month, 3);
    EXPECT_EQ(cal.day, 7);
    EXPECT_EQ(cal.local.hour, 18);
    EXPECT_EQ(DateText(cal), "03-07-2005");
    EXPECT_EQ(JulianText(cal, 2), "2453437.25");
    EXPECT_EQ(JulianDate(cal), meeusJulianDay(2005, 3, 7.75L));

    // The usual sequence for a stored moment: 2000-01-01 12:00 UT is JD 2451545.0 (J2000.0).
    SetZone(cal, 0);
    SetMoment(cal, 36526.5);
    EXPECT_EQ(JulianDate(cal), 2451545.0L);
    EXPECT_EQ(JulianText(cal, 1), "2451545.0");
    EXPECT_EQ(DateText(cal), "01-01-2000");

    // A zone offset moves the universal clock and the Julian date, not the local clock.
    SetZone(cal, 2);
    SetMoment(cal, 36526.5);
    EXPECT_EQ(cal.local.hour, 12);
    EXPECT_EQ(cal.universal.hour, 14);
    EXPECT_NEAR(static_cast<double>(JulianDate(cal)), 2451545.0 + 2.0 / 24, 1e-9);

    // Dates far from 1900 against Meeus.
    for (auto [y, m, d] : {std::tuple{1957, 10, 4}, std::tuple{1600, 1, 1}, std::tuple{2099, 12, 31}}) {
        SetZone(cal, 0);
        SetMoment(cal, EncodeMoment(y, m, d));
        EXPECT_EQ(JulianDate(cal), meeusJulianDay(y, m, d)) << y;
    }
}

TEST(CalendarRecord, JulianDateBase) {
    {
        FixedNow now(40000);
        InitJulianDateBase();
        EXPECT_EQ(JulianDateBase(), 2415018.5L);
    }
    {
        // A clock counting days from the year 1 would give large moments.
        FixedNow now(733000);
        InitJulianDateBase();
        EXPECT_EQ(JulianDateBase(), 1721424.5L);
    }
    EXPECT_EQ(JulianDateBase(), 2415018.5L); // the real clock again
}

TEST(ClockTexts, CarriesAndPadding) {
    // 12:59:59.964 at 0 decimals: the seconds reach 60 and carry into the minutes and hours.
    EXPECT_EQ(ClockText(clockOf(12, 59, 59.964f), 0, ':', ':', " "), "13:00:00 ");
    EXPECT_EQ(ClockText(clockOf(0, 0, 0), 0, ':', ':', " "), " 0:00:00 ");
    EXPECT_EQ(ClockText(clockOf(13, 7, 9), 0, ':', ':', " "), "13:07:09 ");
    EXPECT_EQ(ClockText(clockOf(5, 4, 3.25f), 2, ':', ':', ""), " 5:04:03.25");
    // The hour carries no further than the hours field: the end of a day reads 24:00.
    EXPECT_EQ(ClockText(clockOf(23, 59, 59.996f), 2, ':', ':', ""), "24:00:00.00");

    ClockRec c;
    SetClock(c, EncodeMoment(2005, 3, 7, 9, 8, 7, 600));
    EXPECT_EQ(ClockText(c, 1, ':', ':', "UT"), " 9:08:07.6UT");

    EXPECT_EQ(ClockMinutesText(clockOf(5, 30, 30), 1, ':', ':'), " 5:30.5:");
    EXPECT_EQ(ClockMinutesText(clockOf(5, 59, 59), 1, 'h', 'm'), " 6h00.0m");
}

TEST(ClockTexts, SplitJulianDate) {
    std::int32_t days = -1;
    ClockRec c;
    SplitJulianDate(1.5L, days, c);
    EXPECT_EQ(days, 1);
    EXPECT_EQ(ClockText(c, 2, ':', ':', ""), "12:00:00.00");

    // The login log's example: 1 day, 2 hours, 3 minutes and 4 seconds, the difference of two
    // Julian dates near 2.45e6 as the log computes it.
    const long double login = 2453437.0L + (23 * 3600 + 59 * 60 + 30) / 86400.0L;
    const long double logout = login + 1 + (2 * 3600 + 3 * 60 + 4) / 86400.0L;
    SplitJulianDate(logout - login, days, c);
    EXPECT_EQ(days, 1);
    EXPECT_EQ(ClockText(c, 2, ':', ':', ""), " 2:03:04.00");

    // Whole seconds do not fall just below: 10 s less a rounding error is still 10 s.
    SplitJulianDate(10.0L / 86400 - 1e-15L, days, c);
    EXPECT_EQ(ClockText(c, 2, ':', ':', ""), " 0:00:10.00");

    // A clock set back between login and logout gives no garbled negative time.
    SplitJulianDate(-0.25L, days, c);
    EXPECT_EQ(days, 0);
    EXPECT_EQ(ClockText(c, 2, ':', ':', ""), " 0:00:00.00");
}
