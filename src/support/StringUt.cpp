#include "support/StringUt.h"

#include "support/ExtReal.h"
#include "support/Translate.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace solar {

namespace {

constexpr int MaxSignificant = 18;

bool allZeros(const std::string &s) {
    for (char c : s)
        if (c >= '1' && c <= '9')
            return false;
    return true;
}

// Numbers are written with std::to_chars and read with std::from_chars: they always use a
// decimal point, whatever numeric locale the desktop set for the C library.
std::string charsText(long double v, std::chars_format format, int precision) {
    char buf[5000]; // room for the widest long double in fixed notation
    const auto res = std::to_chars(buf, buf + sizeof buf, v, format, precision);
    if (res.ec != std::errc())
        return "NAN";
    return std::string(buf, res.ptr);
}

std::string wholeText(long double v) {
    return charsText(v, std::chars_format::fixed, 0);
}

int clampDigitsTo(int digits, int most) {
    return digits < 0 ? 0 : (digits > most ? most : digits);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The run-time's text-to-real conversion: blanks around, optional sign, digits with an optional
// "." and exponent. Anything else is a conversion error.
long double convertReal(const std::string &token) {
    std::size_t a = 0, b = token.size();
    while (a < b && isBlank(token[a]))
        ++a;
    while (b > a && isBlank(token[b - 1]))
        --b;
    std::string s = token.substr(a, b - a);
    const auto fail = [&] {
        return std::invalid_argument(
            arg(translate("StringUt", "'%1' is not a valid floating point value"), {token}));
    };
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    const std::size_t start = i;
    int mantissaDigits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        throw fail();
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        int expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i, ++expDigits;
        if (expDigits == 0)
            throw fail();
    }
    if (i != s.size())
        throw fail();
    long double v = 0;
    const auto res = std::from_chars(s.data() + start, s.data() + s.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size())
        throw fail();
    return negative ? -v : v;
}

} // namespace

std::string FixedText(long double value, int digits) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (digits < 0)
        digits = 0;
    if (digits > MaxSignificant)
        digits = MaxSignificant;
    if (value == 0)
        value = 0; // no sign on a negative zero
    const bool negative = value < 0;
    const long double a = std::fabs(value);

    std::string text;
    const std::string sciText = charsText(a, std::chars_format::scientific, MaxSignificant - 1);
    const std::size_t ePos = sciText.find('e');
    int exponent = 0;
    std::from_chars(sciText.data() + ePos + (sciText[ePos + 1] == '+' ? 2 : 1),
                    sciText.data() + sciText.size(), exponent);
    if (exponent + 1 + digits <= MaxSignificant) {
        text = charsText(a, std::chars_format::fixed, digits);
    } else {
        // More digits than the 18 significant ones the value has: the rest are zeros.
        std::string mantissa = sciText.substr(0, 1) + sciText.substr(2, ePos - 2); // 18 digits
        std::string whole, fraction;
        if (exponent >= 0) {
            const auto intDigits = static_cast<std::size_t>(exponent) + 1;
            if (intDigits >= mantissa.size()) {
                whole = mantissa + std::string(intDigits - mantissa.size(), '0');
            } else {
                whole = mantissa.substr(0, intDigits);
                fraction = mantissa.substr(intDigits);
            }
        } else {
            whole = "0";
            fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
        }
        fraction.resize(static_cast<std::size_t>(digits), '0');
        text = digits > 0 ? whole + "." + fraction : whole;
    }
    if (negative && !allZeros(text))
        text.insert(text.begin(), '-');
    return text;
}

std::string ExpText(long double value, int digits) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    std::string text = charsText(value, std::chars_format::scientific, clampDigitsTo(digits, 30));
    for (char &c : text)
        if (c == 'e')
            c = 'E';
    return text;
}

bool ParseReal(const std::string &text, long double &value) {
    try {
        const long double v = convertReal(text);
        if (!std::isfinite(v))
            return false;
        value = v;
        return true;
    } catch (const std::invalid_argument &) {
        return false;
    }
}

std::string IOErrorText(int code) {
    switch (code) {
    case 2:
        return translate("StringUt", "File Not Found!");
    case 3:
        return translate("StringUt", "Invalid File Name!");
    case 4:
        return translate("StringUt", "Too Many Open Files!");
    case 5:
        return translate("StringUt", "File Access Denied!");
    case 100:
        return translate("StringUt", "EOF!");
    case 101:
        return translate("StringUt", "Disk Full!");
    case 106:
        return translate("StringUt", "Invalid Input!");
    default:
        return "IOResult = " + std::to_string(code);
    }
}

int IOCodeFromErrno(int err) {
    switch (err) {
    case 0:
        return 0;
    case ENOENT:
        return 2;
    case ENOTDIR:
    case EINVAL:
    case ENAMETOOLONG:
    case ELOOP:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return 5;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return 101;
    default:
        return 1000 + err;
    }
}

long double NumberToken(std::string &text, char delimiter) {
    std::size_t lead = 0;
    while (lead < text.size() && (text[lead] == ' ' || text[lead] == delimiter))
        ++lead;
    text.erase(0, lead);
    const std::size_t end = text.find(delimiter);
    const long double value = convertReal(text.substr(0, end));
    text.erase(0, end == std::string::npos ? std::string::npos : end + 1);
    return value;
}

std::string QuotedToken(std::string &text, char skip) {
    std::size_t lead = 0;
    while (lead < text.size() && (text[lead] == ' ' || text[lead] == skip))
        ++lead;
    text.erase(0, lead);
    if (text.empty())
        return {};
    const char quote = text[0];
    text.erase(0, 1);
    const std::size_t end = text.find(quote);
    std::string token = text.substr(0, end);
    text.erase(0, end == std::string::npos ? std::string::npos : end + 2);
    return token;
}

long double ParseClockTime(std::string text) {
    const long double hours = NumberToken(text, ':');
    const long double minutes = text.empty() ? 0 : NumberToken(text, ':');
    const long double seconds = text.empty() ? 0 : NumberToken(text, ' ');
    long double h = ((seconds / 60) + minutes) / 60 + hours;
    // A twelve-hour clock: 12 PM is noon and 12 AM midnight.
    if (text == "PM" && hours < 12)
        h += 12;
    else if (text == "AM" && hours >= 12 && hours < 13)
        h -= 12;
    return h / 24;
}

namespace {

struct Sexagesimal {
    bool negative = false;
    long double degrees = 0; // whole, not negative
    long double minutes = 0; // whole
    long double seconds = 0;
};

Sexagesimal decompose(long double value) {
    Sexagesimal s;
    s.negative = value < 0;
    const long double whole = std::trunc(value);
    s.degrees = std::fabs(whole);
    const long double r = std::fabs(value - whole) * 60;
    s.minutes = std::trunc(r);
    s.seconds = (r - s.minutes) * 60;
    return s;
}

std::string degreeField(bool negative, long double degrees) {
    std::string field = (negative ? "-" : " ") + wholeText(degrees);
    if (field.size() > 4)
        field.resize(4);
    return std::string(4 - field.size(), ' ') + field;
}

long double power10(int digits) {
    long double b = 1;
    for (int i = 0; i < digits; ++i)
        b *= 10;
    return roundHalfEven(b);
}

int clampDigits(int digits) {
    return digits < 0 ? 0 : (digits > MaxSignificant ? MaxSignificant : digits);
}

} // namespace

std::string SexagesimalText(int digits, char sep1, char sep2, const std::string &suffix, long double value) {
    if (!std::isfinite(value))
        return FixedText(value, digits) + suffix;
    digits = clampDigits(digits);
    Sexagesimal s = decompose(value);
    const long double b = power10(digits);
    if (b * 60 == roundHalfEven(b * s.seconds)) {
        s.seconds = 0;
        s.minutes += 1;
    }
    if (s.minutes >= 60) {
        s.minutes -= 60;
        s.degrees += 1;
    }
    s.degrees = std::fmod(s.degrees, 360.0L);

    std::string minute = wholeText(s.minutes);
    if (minute.size() < 2)
        minute.insert(minute.begin(), '0');
    std::string second = FixedText(s.seconds, digits);
    if (std::floor(roundHalfEven(b * s.seconds) / b) < 10)
        second.insert(second.begin(), '0');
    return degreeField(s.negative, s.degrees) + sep1 + minute + sep2 + second + suffix;
}

std::string DegMinText(int digits, char sep1, char sep2, long double value) {
    if (!std::isfinite(value))
        return FixedText(value, digits);
    digits = clampDigits(digits);
    Sexagesimal s = decompose(value);
    long double c = s.minutes + s.seconds / 60;
    const long double d = power10(digits);
    if (d * 60 == roundHalfEven(d * c)) {
        c = 0;
        s.degrees += 1;
    }
    s.degrees = std::fmod(s.degrees, 360.0L);
    std::string minute = FixedText(c, digits);
    if (std::floor(roundHalfEven(d * c) / d) < 10)
        minute.insert(minute.begin(), '0');
    return degreeField(s.negative, s.degrees) + sep1 + minute + sep2;
}

void WrapInit(WrapState &state, const std::string &text, int width) {
    state.remaining = text;
    state.width = width < 1 ? 1 : width;
    state.done = false;
}

std::string WrapNextLine(WrapState &state) {
    if (state.done)
        return {};
    std::string &rest = state.remaining;
    const auto width = static_cast<std::size_t>(state.width);
    if (rest.size() <= width) {
        state.done = true;
        std::string line;
        line.swap(rest);
        return line;
    }
    std::size_t p = width;
    while (p > 0 && rest[p] != ' ')
        --p;
    if (rest[p] != ' ') {
        // No blank to break at: the word is cut at the width.
        std::string line = rest.substr(0, width);
        rest.erase(0, width);
        return line;
    }
    std::string line = rest.substr(0, p);
    if (p == width) {
        while (p < rest.size() && rest[p] == ' ')
            ++p;
        --p;
    }
    rest.erase(0, p + 1);
    return line;
}

void WrapDone(WrapState &state) {
    state.remaining.clear();
    state.remaining.shrink_to_fit();
    state.done = true;
}

} // namespace solar
