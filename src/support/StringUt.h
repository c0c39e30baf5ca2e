#pragma once
// Text helpers used for every number, angle and file error that reaches the screen or a file:
// fixed-point numbers, I/O error messages, token splitting, clock-time parsing, sexagesimal
// angles and hours, and word wrapping.

#include <string>

namespace solar {

// The value in fixed notation with exactly `digits` decimals (0..18), at most 18 significant
// digits (further digits are zeros), no thousands separators, "-" before a negative value.
// A value that rounds to all zeros has no sign. NaN and infinities give "NAN", "INF", "-INF".
std::string FixedText(long double value, int digits);
// The value in scientific notation with `digits` decimals and an upper-case exponent of at least
// two digits ("1.234500000E+01"), as the C library's %.*LE in the "C" locale.
std::string ExpText(long double value, int digits);
// The whole text (blanks around it allowed) as a finite real with a "." decimal point, optional
// sign and exponent; false for anything else. Independent of the C library's numeric locale.
bool ParseReal(const std::string &text, long double &value);

// The message for an I/O result code: 2, 3, 4, 5, 100, 101, 106 in words, any other code as
// "IOResult = " and the code.
std::string IOErrorText(int code);
// Maps a C library errno to the I/O result code whose words IOErrorText gives:
// ENOENT 2; ENOTDIR, EINVAL, ENAMETOOLONG, ELOOP 3; EMFILE, ENFILE 4; EACCES, EPERM, EROFS,
// EISDIR, ETXTBSY 5; ENOSPC, EDQUOT, EFBIG 101; 0 gives 0; any other errno e gives 1000 + e, so
// that it cannot be mistaken for one of the program's own codes.
int IOCodeFromErrno(int err);

// Removes blanks and delimiters from the front, takes the text up to the next delimiter (all of
// it when there is none), removes it and the delimiter, and converts it ("." decimal point,
// optional sign and exponent, blanks around allowed). An invalid number throws
// std::invalid_argument.
long double NumberToken(std::string &text, char delimiter);
// Removes blanks and skip characters from the front; the next character is the quote; the token
// is the text up to the next such quote (or the end). Removes the token, the closing quote and
// one separator. An empty text gives an empty token.
std::string QuotedToken(std::string &text, char skip);
// "hh[:mm[:ss]][ PM]" as a fraction of a day; "PM" (upper case) adds 12 hours to hours 1..11,
// "AM" makes hour 12 midnight. An invalid number throws std::invalid_argument.
long double ParseClockTime(std::string text);

// Degrees (or hours): a four-character degree field (sign or blank, then the whole degrees
// below 360, padded on the left), sep1, two-digit minutes, sep2, seconds with `digits`
// decimals and two integer digits, then the suffix. Seconds that round to 60 carry.
std::string SexagesimalText(int digits, char sep1, char sep2, const std::string &suffix, long double value);
// The same with decimal minutes (`digits` decimals) instead of minutes and seconds.
std::string DegMinText(int digits, char sep1, char sep2, long double value);

// Word wrap: WrapInit, then WrapNextLine until done. A line breaks at the last blank within the
// width; a word longer than the width is cut at the width.
struct WrapState {
    bool done = true;
    std::string remaining;
    int width = 0;
};
void WrapInit(WrapState &state, const std::string &text, int width);
std::string WrapNextLine(WrapState &state);
void WrapDone(WrapState &state);

} // namespace solar
