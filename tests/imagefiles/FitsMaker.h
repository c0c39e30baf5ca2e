#pragma once
// Hand-built FITS files for the tests: 80-character cards, 2880-byte records, big-endian values,
// written byte by byte here so that the reader under test is checked against its format.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace solar::test {

// One card: the text padded with blanks to 80 characters (cut beyond).
inline std::string card(const std::string &text) {
    std::string c = text.substr(0, 80);
    c.resize(80, ' ');
    return c;
}
// "KEYWORD = value" with the keyword in columns 1-8 and the value from column 11.
inline std::string kv(const std::string &key, const std::string &value) {
    std::string k = key;
    k.resize(8, ' ');
    return card(k + "= " + value);
}
inline std::string quoted(const std::string &key, const std::string &text) {
    return kv(key, "'" + text + "'");
}

// Cards and an END card, padded with blank cards to whole records.
inline std::string header(const std::vector<std::string> &cards, bool withEnd = true) {
    std::string h;
    for (const auto &c : cards)
        h += c;
    if (withEnd)
        h += card("END");
    while (h.size() % 2880 != 0)
        h += std::string(80, ' ');
    return h;
}
// Data padded with zeros to whole records.
inline std::string padded(std::string data) {
    while (data.size() % 2880 != 0)
        data.push_back('\0');
    return data;
}

inline void putBE(std::string &out, std::uint64_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
inline std::string be16(const std::vector<int> &values) {
    std::string s;
    for (int v : values)
        putBE(s, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)), 2);
    return s;
}
inline std::string be32(const std::vector<std::int64_t> &values) {
    std::string s;
    for (auto v : values)
        putBE(s, static_cast<std::uint32_t>(static_cast<std::int32_t>(v)), 4);
    return s;
}
inline std::string beF32(const std::vector<float> &values) {
    std::string s;
    for (float f : values) {
        std::uint32_t u;
        std::memcpy(&u, &f, 4);
        putBE(s, u, 4);
    }
    return s;
}
inline std::string beF64(const std::vector<double> &values) {
    std::string s;
    for (double d : values) {
        std::uint64_t u;
        std::memcpy(&u, &d, 8);
        putBE(s, u, 8);
    }
    return s;
}

// The mandatory cards of a two-dimensional primary image.
inline std::vector<std::string> imageCards(int bitpix, int width, int height) {
    return {kv("SIMPLE", "                   T"), kv("BITPIX", std::to_string(bitpix)), kv("NAXIS", "2"),
            kv("NAXIS1", std::to_string(width)), kv("NAXIS2", std::to_string(height))};
}
// A whole primary image file: mandatory cards, further cards, END, and the data.
inline std::string imageFile(int bitpix, int width, int height, const std::string &data,
                             const std::vector<std::string> &more = {}) {
    auto cards = imageCards(bitpix, width, height);
    cards.insert(cards.end(), more.begin(), more.end());
    return header(cards) + padded(data);
}

} // namespace solar::test
