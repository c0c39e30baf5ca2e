// The FITS header: the keyword table, card values, sexagesimal and date-time texts, the packed
// header record, and the header pass of the loader (cards, listing file, description).
#include "imagefiles/GrFiles.h"

#include "astro/DateTime.h"
#include "imagefiles/GrFilesParts.h"
#include "support/ExtReal.h"
#include "support/Prompt.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <stdexcept>

namespace solar {

using namespace grfiles;

namespace {

constexpr std::array<std::string_view, 34> keywordTable = {
    "SIMPLE",   "EXTEND",   "BITPIX",   "NAXIS",    "NAXIS1",   "NAXIS2",   "NAXIS3", "BSCALE", "BZERO",
    "BLANK",    "XTENSION", "PCOUNT",   "GCOUNT",   "TFIELDS",  "RA",       "DEC",    "OBJECT", "EPOCH",
    "EQUINOX",  "OBSERVER", "DATE-OBS", "UT",       "TIME-OBS", "DISTANCE", "B0",     "L0",     "P_ANGLE",
    "SEMIDIAM", "FNDLMBXC", "FNDLMBYC", "FNDLMBMA", "EXP",      "FILTER",   "END"};

std::string upperCase(std::string s) {
    for (char &c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string padTo18(std::string s) {
    if (s.size() < 18)
        s.append(18 - s.size(), ' ');
    return s;
}

// Decimal integer: optional sign, digits, within 32 bits.
bool parseInt32(std::string_view s, std::int32_t &out) {
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    if (s.empty() || s.front() == '+')
        return false;
    std::int64_t v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        return false;
    out = static_cast<std::int32_t>(v);
    return true;
}

// Decimal real with "." as the point, whatever the user's locale; FITS's "D" exponent is taken
// as "E". Infinities and NaN are not numbers here.
bool parseReal(std::string_view s, long double &out) {
    std::string t(s);
    for (char &c : t)
        if (c == 'D' || c == 'd')
            c = 'E';
    std::size_t start = 0;
    if (!t.empty() && t[0] == '+')
        start = 1;
    const std::size_t digit = start < t.size() && t[start] == '-' ? start + 1 : start;
    if (digit >= t.size() || !((t[digit] >= '0' && t[digit] <= '9') || t[digit] == '.'))
        return false;
    long double v = 0;
    const auto r = std::from_chars(t.data() + start, t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

void conversionMessage(std::string_view keyword, const std::string &token) {
    prompt().beep(BeepKind::Information);
    prompt().message(
        translate("GrFiles", "Numeric Conversion Error"),
        arg(translate("GrFiles", "Keyword field contains non-numeric data.\r\n\r\nKeyword: %1\r\nData: %2"),
            {std::string(keyword), token}),
        Icon::Information, Buttons::OK);
}

std::string notFitsText(const std::string &path) {
    return arg(translate("GrFiles",
                         "File is Not FITS Format!\r\nFile Name: %1\r\n\r\nChange the File Type via "
                         "\"File\" -> \"Image File Type...\""),
               {path});
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Header record and keyword helpers

void FitsHeader::toBytes(std::uint8_t *p) const {
    p[0] = simple ? 1 : 0;
    p[1] = extend ? 1 : 0;
    putI32(p + 2, bitpix);
    putI32(p + 6, naxis);
    putI32(p + 10, naxis1);
    putI32(p + 14, naxis2);
    putI32(p + 18, naxis3);
    encodeExtended(bscale, p + 22);
    encodeExtended(bzero, p + 32);
    putI32(p + 42, blank);
    xtension.toBytes(p + 46);
    putI32(p + 55, pcount);
    putI32(p + 59, gcount);
    putI32(p + 63, tfields);
    encodeExtended(rightAscension, p + 67);
    encodeExtended(declination, p + 77);
    encodeExtended(epoch, p + 87);
    putF32(p + 97, limbCentreX);
    putF32(p + 101, limbCentreY);
    putF32(p + 105, limbRadius);
    encodeExtended(distance, p + 109);
    encodeExtended(b0, p + 119);
    encodeExtended(l0, p + 129);
    encodeExtended(pAngle, p + 139);
    encodeExtended(semiDiameter, p + 149);
    object.toBytes(p + 159);
    observer.toBytes(p + 228);
    encodeExtended(exposure, p + 297);
    putF64(p + 307, observationMoment);
}

std::string_view KeywordText(int index) {
    return index >= 0 && index < static_cast<int>(keywordTable.size())
               ? keywordTable[static_cast<std::size_t>(index)]
               : std::string_view();
}

int KeywordIndex(std::string_view card) {
    for (int i = static_cast<int>(keywordTable.size()) - 1; i >= 0; --i)
        if (card.substr(0, keywordTable[static_cast<std::size_t>(i)].size()) ==
            keywordTable[static_cast<std::size_t>(i)])
            return i;
    return NoKeyword;
}

std::string ValueToken(std::string_view card) {
    if (card.size() <= 10)
        return {};
    if (card[10] == '\'') {
        std::size_t b = 11;
        while (b < card.size() && card[b] == ' ')
            ++b;
        const std::size_t e = card.find('\'', b);
        return std::string(card.substr(b, e == std::string_view::npos ? std::string_view::npos : e - b));
    }
    std::size_t b = 10;
    while (b < card.size() && card[b] == ' ')
        ++b;
    std::size_t e = b;
    while (e < card.size() && card[e] != ' ')
        ++e;
    return std::string(card.substr(b, e - b));
}

bool ParseSexagesimal(std::string_view token, bool declination, long double &value) {
    std::string t;
    for (char c : token)
        if (c != ' ')
            t.push_back(c);
    value = 0;
    if (t.empty())
        return true;
    std::array<std::string, 3> parts;
    std::size_t pos = 0;
    for (int i = 0; i < 3 && pos <= t.size(); ++i) {
        const std::size_t colon = i < 2 ? t.find(':', pos) : std::string::npos;
        parts[static_cast<std::size_t>(i)] =
            t.substr(pos, colon == std::string::npos ? std::string::npos : colon - pos);
        if (colon == std::string::npos) {
            pos = t.size() + 1;
            break;
        }
        pos = colon + 1;
    }
    std::array<long double, 3> v{0, 0, 0};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string part = parts[i].substr(0, 10);
        if (part.empty())
            continue; // an absent part
        if (!parseReal(part, v[i]))
            return false;
    }
    const bool negative = declination && parts[0].substr(0, 10).starts_with('-');
    value = negative ? v[0] - v[1] / 60 - v[2] / 3600 : v[0] + v[1] / 60 + v[2] / 3600;
    return true;
}

double ObservationMoment(std::string date, std::string time, long double timeObsSeconds) {
    const char sep = date.find('/') != std::string::npos ? '/' : '-';
    date = trimRight(date);
    bool yearFirst = false;
    if (date.size() > 8) {
        yearFirst = date[4] == sep;
    } else {
        // A day-month form with a two-digit year: 80..99 are 19xx, the rest 20xx.
        const auto last = date.find_last_of(sep);
        const std::size_t at = last == std::string::npos ? 0 : last + 1;
        std::int32_t yy = 0;
        const bool nineteen = parseInt32(date.substr(at), yy) && yy >= 80;
        date.insert(at, nineteen ? "19" : "20");
    }
    if (sep == '-') {
        const auto t = date.find('T');
        if (t != std::string::npos) {
            time = date.substr(t + 1);
            const auto dot = time.find('.');
            if (dot != std::string::npos)
                time.erase(dot);
            date.erase(t);
        }
    }

    double day = 0;
    {
        std::array<std::int32_t, 3> f{};
        std::size_t pos = 0;
        bool ok = true;
        for (int i = 0; i < 3 && ok; ++i) {
            while (pos < date.size() && date[pos] == ' ')
                ++pos;
            const std::size_t end = i < 2 ? date.find(sep, pos) : date.size();
            ok = end != std::string::npos &&
                 parseInt32(std::string_view(date).substr(pos, end - pos), f[static_cast<std::size_t>(i)]);
            pos = end + 1;
        }
        const int y = yearFirst ? f[0] : f[2];
        const int d = yearFirst ? f[2] : f[0];
        if (!ok || !TryEncodeDate(y, f[1], d, day)) {
            conversionMessage("DATE-OBS", date);
            day = 0;
        }
    }

    long double fraction = 0;
    const std::string clock = trimRight(time);
    if (clock.empty()) {
        fraction = timeObsSeconds / 86400.0L;
    } else {
        try {
            fraction = ParseClockTime(clock);
        } catch (const std::exception &) {
            conversionMessage("UT", time);
            fraction = 0;
        }
    }
    return static_cast<double>(day + fraction);
}

// ---------------------------------------------------------------------------------------------
// The header pass of FITSFileObj

bool FITSFileObj::HeaderIsValid() const {
    const FitsHeader &h = header_;
    bool ok =
        h.simple && (h.bitpix == 8 || h.bitpix == 16 || h.bitpix == 32 || h.bitpix == -32 || h.bitpix == -64);
    ok =
        ok && (h.naxis < 1 || h.naxis1 > 0) && (h.naxis < 2 || h.naxis2 > 0) && (h.naxis < 3 || h.naxis3 > 0);
    // The image must be one the pixel table can hold, its header must have ended, and the file
    // must hold at least half of the data the header announces (a shorter file cannot justify
    // the table, and a truncated one is reported when its data are read).
    ok = ok && sawEnd_ && h.naxis >= 2 && h.naxis1 <= IntArrayList::MaxColumns && h.naxis2 <= 65536;
    if (ok) {
        const std::int64_t declared =
            static_cast<std::int64_t>(h.naxis1) * h.naxis2 * (std::abs(h.bitpix) / 8);
        ok = dataAvailable_ * 2 >= declared;
    }
    return ok;
}

void FITSFileObj::parseCard(std::string_view card, bool &endSeen) {
    const int k = KeywordIndex(card);
    if (k == NoKeyword)
        return;
    const std::string token = ValueToken(card);
    const std::string_view kw = KeywordText(k);
    FitsHeader &h = header_;
    auto asInt = [&](std::int32_t &field) {
        std::int32_t v;
        if (parseInt32(token, v))
            field = v;
        else
            conversionMessage(kw, token);
    };
    auto asReal = [&](long double &field) {
        long double v;
        if (parseReal(token, v))
            field = v;
        else
            conversionMessage(kw, token);
    };
    auto asFloat = [&](float &field) {
        long double v;
        if (parseReal(token, v))
            field = static_cast<float>(v);
        else
            conversionMessage(kw, token);
    };
    switch (k) {
    case kwSIMPLE:
        h.simple = !token.empty() && token[0] == 'T';
        break;
    case kwEXTEND:
        h.extend = !token.empty() && token[0] == 'T';
        break;
    case kwBITPIX:
        asInt(h.bitpix);
        break;
    case kwNAXIS:
        asInt(h.naxis);
        break;
    case kwNAXIS1:
        asInt(h.naxis1);
        break;
    case kwNAXIS2:
        asInt(h.naxis2);
        break;
    case kwNAXIS3:
        asInt(h.naxis3);
        break;
    case kwBLANK:
        asInt(h.blank);
        break;
    case kwPCOUNT:
        asInt(h.pcount);
        break;
    case kwGCOUNT:
        asInt(h.gcount);
        break;
    case kwTFIELDS:
        asInt(h.tfields);
        break;
    case kwBSCALE:
        asReal(h.bscale);
        break;
    case kwBZERO:
        asReal(h.bzero);
        break;
    case kwEPOCH:
    case kwEQUINOX:
        asReal(h.epoch);
        break;
    case kwDISTANCE:
        asReal(h.distance);
        break;
    case kwB0:
        asReal(h.b0);
        break;
    case kwL0:
        asReal(h.l0);
        break;
    case kwP_ANGLE:
        asReal(h.pAngle);
        break;
    case kwSEMIDIAM:
        asReal(h.semiDiameter);
        break;
    case kwEXP:
        asReal(h.exposure);
        break;
    case kwFNDLMBXC:
        asFloat(h.limbCentreX);
        break;
    case kwFNDLMBYC:
        asFloat(h.limbCentreY);
        break;
    case kwFNDLMBMA:
        asFloat(h.limbRadius);
        break;
    case kwXTENSION:
        h.xtension = std::string_view(token).substr(0, 8);
        break;
    case kwRA:
    case kwDEC: {
        long double v = 0;
        if (!ParseSexagesimal(token, k == kwDEC, v))
            conversionMessage(kw, token);
        (k == kwRA ? h.rightAscension : h.declination) = v;
        break;
    }
    case kwOBJECT:
        h.object = upperCase(token.substr(0, 68));
        break;
    case kwOBSERVER:
        h.observer = std::string_view(token).substr(0, 68);
        break;
    case kwDATE_OBS:
        dateText_ = padTo18(token);
        break;
    case kwUT:
        timeText_ = padTo18(token);
        break;
    case kwTIME_OBS:
        if (token.find(':') != std::string::npos)
            timeText_ = padTo18(token);
        else
            asReal(timeObsSeconds_);
        break;
    case kwFILTER:
        break;
    case kwEND:
        endSeen = true;
        break;
    default:
        break;
    }
}

bool FITSFileObj::ReadHeader(const std::string &path) {
    // 1. Anything of an earlier load goes.
    pixelTable_.reset();
    discardTemporaryFiles();
    closeData();
    sawEnd_ = false;
    dataAvailable_ = 0;

    // 2. The file.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        errno = EISDIR;
    } else {
        data_ = std::fopen(path.c_str(), "rb");
    }
    if (data_ == nullptr) {
        const int code = IOCodeFromErrno(errno);
        prompt().message(
            translate("GrFiles", "FITS File Error!"),
            arg(translate("GrFiles", "Unable to Open FITS File!\r\n\r\nFile Name: %1\r\nIOResult = %2"),
                {path, std::to_string(code)}),
            Icon::Stop, Buttons::OK);
        return false;
    }

    // 3. Names.
    const auto slash = path.find_last_of('/');
    const std::string fileName = upperCase(path.substr(slash == std::string::npos ? 0 : slash + 1));
    const auto dot = fileName.find_last_of('.');
    const std::string ext = dot == std::string::npos ? std::string() : fileName.substr(dot).substr(0, 4);
    baseName_ = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    displayName_ = baseName_ + ext;
    stem_ = reserveStem(userDir_, baseName_);
    const std::string listingPath = userDir_ + stem_ + ".HDR";

    // 4. The header listing.
    // Like every text file of the program, the listing ends its lines with CR LF.
    std::FILE *listing = std::fopen(listingPath.c_str(), "wb");
    if (listing == nullptr) {
        const int code = IOCodeFromErrno(errno);
        prompt().message(
            translate("GrFiles", "File Error!"),
            arg(translate("GrFiles", "Unable to Open Temporary File!\r\n\r\nFile Name: %1\r\nIOResult = %2"),
                {listingPath, std::to_string(code)}),
            Icon::Stop, Buttons::OK);
        closeData();
        return false;
    }
    headerListingPath_ = listingPath;
    tempFilesExist_ = true;
    header_ = FitsHeader{};
    dateText_.clear();
    timeText_.clear();
    timeObsSeconds_ = 0;

    // 5. Its head.
    std::fputs(path.c_str(), listing);
    std::fputs("\r\n** FITS Header Information **\r\n\r\n", listing);

    // 6, 7. Record by record until END (past a data-less primary header to its extension).
    bool anyCard = false;
    bool dataless = false;
    for (;;) {
        const std::size_t got = std::fread(block_.data(), 1, RecordSize, data_);
        const std::size_t cards = got / CardSize;
        bool endSeen = false;
        for (std::size_t c = 0; c < cards; ++c) {
            anyCard = true;
            std::string_view card(reinterpret_cast<const char *>(block_.data()) + c * CardSize, 72);
            std::size_t len = card.size();
            while (len > 1 && card[len - 1] == ' ')
                --len;
            card = card.substr(0, len);
            std::fwrite(card.data(), 1, card.size(), listing);
            std::fputs("\r\n", listing);
            parseCard(card, endSeen);
            if (!header_.simple) {
                std::fclose(listing);
                prompt().beep(BeepKind::Error);
                prompt().message(translate("GrFiles", "FITS File Error!"), notFitsText(path), Icon::Stop,
                                 Buttons::OK);
                return false;
            }
        }
        if (endSeen) {
            dataless = header_.extend && header_.xtension.empty() && header_.naxis == 0;
            if (!dataless) {
                sawEnd_ = true;
                break;
            }
            continue;
        }
        if (got < static_cast<std::size_t>(RecordSize))
            break; // end of file (or a read failure) without END
    }
    std::fclose(listing);

    if (!anyCard) {
        // Not a single card: an empty or tiny file is no FITS file.
        prompt().beep(BeepKind::Error);
        prompt().message(translate("GrFiles", "FITS File Error!"), notFitsText(path), Icon::Stop,
                         Buttons::OK);
        return false;
    }

    // 8. The observation moment.
    if (!trimRight(dateText_).empty())
        header_.observationMoment = ObservationMoment(dateText_, timeText_, timeObsSeconds_);

    // 9. The description.
    if (!(dataless && !sawEnd_)) {
        description_ = ImageDescription{};
        description_.name = path.substr(0, 80);
        description_.kindText = ("FITS (BITPIX = " + std::to_string(header_.bitpix) + ")").substr(0, 40);
        description_.width = header_.naxis1;
        description_.height = header_.naxis2;
        description_.pixelCount = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(static_cast<std::int64_t>(header_.naxis1) * header_.naxis2, 0,
                                     std::numeric_limits<std::int32_t>::max()));
        description_.discCentreX = static_cast<float>(header_.naxis1 / 2.0);
        description_.discCentreY = static_cast<float>(header_.naxis2 / 2.0);
        description_.discRadius = header_.limbRadius;
        const float r = header_.limbRadius;
        const std::int32_t side = std::max(header_.naxis1, header_.naxis2);
        if (std::isfinite(r) && r > 0)
            zoom_ = 380.0L / r;
        else
            zoom_ = side > 0 ? 760.0L / side : 1.0L;
    }

    // Room for data after the header.
    const long pos = std::ftell(data_);
    std::fseek(data_, 0, SEEK_END);
    const long size = std::ftell(data_);
    std::fseek(data_, pos, SEEK_SET);
    dataAvailable_ = pos >= 0 && size > pos ? size - pos : 0;

    // 10. Acceptance.
    if (!HeaderIsValid()) {
        requiredDataMessage();
        return false;
    }
    return true;
}

} // namespace solar
