// Number, angle and error texts, token splitting, clock-time parsing and word wrap. Expected
// texts are written out by hand from the decomposition of each value.
#include "support/StringUt.h"

#include "common/CommaLocale.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <vector>

using namespace solar;

TEST(FixedText, Forms) {
    EXPECT_EQ(FixedText(2451545.0L, 2), "2451545.00");
    EXPECT_EQ(FixedText(-1.5L, 1), "-1.5");
    EXPECT_EQ(FixedText(1234567.891L, 0), "1234568"); // no thousands separator
    EXPECT_EQ(FixedText(0.0625L, 3), "0.062");        // an exact tie goes to the even digit, as Round
    EXPECT_EQ(FixedText(0.0626L, 3), "0.063");
    EXPECT_EQ(FixedText(-0.001L, 2), "0.00"); // nothing left to be negative
    EXPECT_EQ(FixedText(-0.0L, 1), "0.0");
    EXPECT_EQ(FixedText(7.0L, -3), "7");
    // At most 18 significant digits; further ones are zeros.
    EXPECT_EQ(FixedText(1.0L / 3, 18), "0.333333333333333333");
    EXPECT_EQ(FixedText(123456789.123456789123L, 15), "123456789.123456789000000");
    EXPECT_EQ(FixedText(1e20L, 2), "100000000000000000000.00");
    EXPECT_EQ(FixedText(std::nanl(""), 2), "NAN");
    EXPECT_EQ(FixedText(-INFINITY, 2), "-INF");
}

// Qt sets the C library's locale from the desktop; a decimal comma must not reach the numbers.
TEST(FixedText, DecimalPointAndParsingUnderACommaLocale) {
    solar::test::CommaLocale comma;
    if (!comma.ok())
        GTEST_SKIP() << comma.why();
    EXPECT_EQ(FixedText(2460913.7L, 5), "2460913.70000");
    EXPECT_EQ(FixedText(-12.5L, 2), "-12.50");
    EXPECT_EQ(FixedText(1e20L, 2), "100000000000000000000.00");
    EXPECT_EQ(ExpText(0.0123L, 9), "1.230000000E-02");
    EXPECT_EQ(SexagesimalText(1, ':', ':', "", 12.5L), "  12:30:00.0");
    std::string text = "8.02,0.06";
    EXPECT_EQ(NumberToken(text, ','), 8.02L);
    EXPECT_EQ(NumberToken(text, ','), 0.06L);
    EXPECT_NEAR(double(ParseClockTime("12:00:30.5")), (12 * 3600 + 30.5) / 86400.0, 1e-15);
    long double v = 0;
    EXPECT_TRUE(ParseReal(" 2453439.75 ", v));
    EXPECT_EQ(v, 2453439.75L);
    EXPECT_FALSE(ParseReal("12,5", v));
    EXPECT_FALSE(ParseReal("1e99999", v));
}

TEST(IOErrors, TextsAndErrnoCodes) {
    EXPECT_EQ(IOErrorText(2), "File Not Found!");
    EXPECT_EQ(IOErrorText(3), "Invalid File Name!");
    EXPECT_EQ(IOErrorText(4), "Too Many Open Files!");
    EXPECT_EQ(IOErrorText(5), "File Access Denied!");
    EXPECT_EQ(IOErrorText(100), "EOF!");
    EXPECT_EQ(IOErrorText(101), "Disk Full!");
    EXPECT_EQ(IOErrorText(106), "Invalid Input!");
    EXPECT_EQ(IOErrorText(32), "IOResult = 32");

    EXPECT_EQ(IOCodeFromErrno(0), 0);
    EXPECT_EQ(IOCodeFromErrno(ENOENT), 2);
    EXPECT_EQ(IOCodeFromErrno(ENAMETOOLONG), 3);
    EXPECT_EQ(IOCodeFromErrno(EMFILE), 4);
    EXPECT_EQ(IOCodeFromErrno(EROFS), 5);
    EXPECT_EQ(IOCodeFromErrno(ENOSPC), 101);
    // An errno that happens to equal one of the program's codes (EIO is 5) is not misread.
    EXPECT_EQ(IOCodeFromErrno(EIO), 1000 + EIO);

    // A real failed open comes out in the program's words.
    errno = 0;
    FILE *f = std::fopen("/nonexistent-solar-folder/file.dat", "rb");
    ASSERT_EQ(f, nullptr);
    EXPECT_EQ(IOErrorText(IOCodeFromErrno(errno)), "File Not Found!");
}

TEST(Tokens, NumberToken) {
    std::string text = "  12.5,3e2,, -4 ";
    EXPECT_EQ(NumberToken(text, ','), 12.5L);
    EXPECT_EQ(text, "3e2,, -4 ");
    EXPECT_EQ(NumberToken(text, ','), 300.0L);
    EXPECT_EQ(NumberToken(text, ','), -4.0L); // leading delimiters and blanks skipped
    EXPECT_EQ(text, "");

    text = "00 PM";
    EXPECT_EQ(NumberToken(text, ' '), 0.0L);
    EXPECT_EQ(text, "PM");

    for (const char *bad : {"1.2.3", "abc", "", "1,5", "1e", "--2", "."}) {
        std::string t = bad;
        EXPECT_THROW(NumberToken(t, ':'), std::invalid_argument) << bad;
    }
    text = "+.5";
    EXPECT_EQ(NumberToken(text, ':'), 0.5L);
}

TEST(Tokens, QuotedToken) {
    std::string text = R"(  "Topic one","file.txt" , 'it''s')";
    EXPECT_EQ(QuotedToken(text, ','), "Topic one");
    EXPECT_EQ(text, R"("file.txt" , 'it''s')");
    EXPECT_EQ(QuotedToken(text, ','), "file.txt");
    EXPECT_EQ(QuotedToken(text, ','), "it"); // any first character is the quote
    EXPECT_EQ(text, "s'");
    text = "  ,, ";
    EXPECT_EQ(QuotedToken(text, ','), "");
    text = "'unterminated";
    EXPECT_EQ(QuotedToken(text, ','), "unterminated");
    EXPECT_EQ(text, "");
}

TEST(Tokens, ParseClockTime) {
    EXPECT_NEAR(static_cast<double>(ParseClockTime("13:45:10")), (13 + 45 / 60.0 + 10 / 3600.0) / 24, 1e-15);
    EXPECT_NEAR(static_cast<double>(ParseClockTime("1:30:00 PM")), 13.5 / 24, 1e-15);
    EXPECT_NEAR(static_cast<double>(ParseClockTime("1:30:00 pm")), 1.5 / 24, 1e-15); // "PM" only
    EXPECT_NEAR(static_cast<double>(ParseClockTime("7")), 7.0 / 24, 1e-15);
    EXPECT_NEAR(static_cast<double>(ParseClockTime("16:30")), 16.5 / 24, 1e-15);
    EXPECT_NEAR(static_cast<double>(ParseClockTime("16:30:12.5")), (16 * 3600 + 30 * 60 + 12.5) / 86400,
                1e-15);
    // Noon and midnight on a twelve-hour clock.
    EXPECT_NEAR(static_cast<double>(ParseClockTime("12:30:00 PM")), 12.5 / 24, 1e-15);
    EXPECT_NEAR(static_cast<double>(ParseClockTime("12:15:00 AM")), 0.25 / 24, 1e-15);
    EXPECT_THROW(ParseClockTime("ab:cd"), std::invalid_argument);
    EXPECT_THROW(ParseClockTime(""), std::invalid_argument);
}

TEST(Angles, SexagesimalFields) {
    EXPECT_EQ(SexagesimalText(0, ':', ':', "", -0.5L), "  -0:30:00");
    EXPECT_EQ(SexagesimalText(0, ':', ':', "", 365.0L), "   5:00:00");
    EXPECT_EQ(SexagesimalText(0, ':', ':', "", 123.5L), " 123:30:00");
    EXPECT_EQ(SexagesimalText(0, 'd', 'm', "s", -5.25L), "  -5d15m00s");
    EXPECT_EQ(SexagesimalText(1, ':', ':', "", 1 + 2 / 60.0L + 9.5L / 3600), "   1:02:09.5");
    EXPECT_EQ(SexagesimalText(2, ':', ':', "", 12 + 34 / 60.0L + 56.78L / 3600), "  12:34:56.78");
    // 12:59:59.964 at 0 decimals: two blanks before the carried hour.
    EXPECT_EQ(SexagesimalText(0, ':', ':', " ", 12 + 59 / 60.0L + 59.964L / 3600), "  13:00:00 ");
    // A carry past 359 degrees wraps to 0.
    EXPECT_EQ(SexagesimalText(2, ':', ':', "", 359 + 59 / 60.0L + 59.9999L / 3600), "   0:00:00.00");
    // Seconds that round to 10 have no extra leading zero.
    EXPECT_EQ(SexagesimalText(2, ':', ':', "", 9.9999L / 3600), "   0:00:10.00");
    // Huge values reduce at once instead of counting down by 360.
    EXPECT_EQ(SexagesimalText(0, ':', ':', "", 3.6e15L + 10), "  10:00:00");
}

TEST(Angles, DegMinText) {
    EXPECT_EQ(DegMinText(1, ' ', '\'', 10.5L), "  10 30.0'");
    EXPECT_EQ(DegMinText(1, ' ', '\'', 10 + 59.96L / 60), "  11 00.0'");
    EXPECT_EQ(DegMinText(0, ' ', '\'', -0.25L), "  -0 15'");
    EXPECT_EQ(DegMinText(2, ':', ':', 45 + 5.3L / 60), "  45:05.30:");
    EXPECT_EQ(DegMinText(0, ':', ':', 359.999L), "   0:00:");
}

namespace {
std::vector<std::string> wrapAll(const std::string &text, int width) {
    WrapState st;
    WrapInit(st, text, width);
    std::vector<std::string> lines;
    while (!st.done)
        lines.push_back(WrapNextLine(st));
    WrapDone(st);
    return lines;
}
} // namespace

TEST(WordWrap, Lines) {
    EXPECT_EQ(wrapAll("the quick brown fox jumps", 10),
              (std::vector<std::string>{"the quick", "brown fox", "jumps"}));
    // A run of blanks right at the width is swallowed whole.
    EXPECT_EQ(wrapAll("abcde     fgh", 5), (std::vector<std::string>{"abcde", "fgh"}));
    // A word longer than the width is cut at the width.
    EXPECT_EQ(wrapAll("abcdefghijkl mn", 5), (std::vector<std::string>{"abcde", "fghij", "kl mn"}));
    EXPECT_EQ(wrapAll("", 72), (std::vector<std::string>{""}));

    // A long help paragraph at the printout's 72 columns: no line too long, no word lost.
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "word" + std::to_string(i * 37 % 1000) + (i % 7 ? " " : "  ");
    std::string rejoined;
    for (const std::string &line : wrapAll(text, 72)) {
        EXPECT_LE(line.size(), 72u);
        rejoined += line + " ";
    }
    std::istringstream a(text), b(rejoined);
    std::vector<std::string> wa, wb;
    for (std::string w; a >> w;)
        wa.push_back(w);
    for (std::string w; b >> w;)
        wb.push_back(w);
    EXPECT_EQ(wa, wb);
}
