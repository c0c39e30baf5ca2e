#pragma once
// Fixed-room texts as they lie in the program's records and files: a length byte followed by
// room for N characters. Only `len` characters count; the rest of the room is kept as found.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace solar {

template <std::size_t N> struct ShortString {
    static_assert(N >= 1 && N <= 255, "a short string holds at most 255 characters");
    std::uint8_t len = 0;
    char chars[N] = {};

    static constexpr std::size_t room = N;
    static constexpr std::size_t bytes = N + 1;

    ShortString() = default;
    ShortString(std::string_view s) { assign(s); }

    // Stores at most N characters of s; the room after them is zero-filled.
    void assign(std::string_view s) {
        len = static_cast<std::uint8_t>(std::min(s.size(), N));
        std::memset(chars, 0, N);
        std::memcpy(chars, s.data(), len);
    }
    ShortString &operator=(std::string_view s) {
        assign(s);
        return *this;
    }
    std::string str() const { return std::string(chars, std::min<std::size_t>(len, N)); }
    std::string_view view() const { return std::string_view(chars, std::min<std::size_t>(len, N)); }
    bool empty() const { return len == 0; }

    // Byte image exactly as stored in files: length byte then the full room.
    void toBytes(std::uint8_t *out) const {
        out[0] = len;
        std::memcpy(out + 1, chars, N);
    }
    void fromBytes(const std::uint8_t *in) {
        len = in[0];
        std::memcpy(chars, in + 1, N);
    }
};

// Ordinal comparison of short strings: unsigned bytes, a prefix sorts first, case-sensitive.
inline int compareShort(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace solar
