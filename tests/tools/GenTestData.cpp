#include "GenTestData.h"

#include <fitsio.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace solar::test {

std::string imagesDir() {
    return std::string(SOLARRTN_BIN_DIR) + "/IMAGES/";
}

std::string keyDir() {
    return std::string(SOLARRTN_BIN_DIR) + "/INSTRUCTOR/";
}

double FitsData::num(const std::string &key) const {
    auto it = keys.find(key);
    if (it == keys.end()) {
        ADD_FAILURE() << "no keyword " << key;
        return 0;
    }
    return std::stod(it->second);
}

bool readFits(const std::string &path, FitsData &out) {
    fitsfile *f = nullptr;
    int status = 0;
    if (fits_open_file(&f, path.c_str(), READONLY, &status)) {
        ADD_FAILURE() << "cfitsio cannot open " << path << " (status " << status << ")";
        return false;
    }
    int nkeys = 0;
    fits_get_hdrspace(f, &nkeys, nullptr, &status);
    for (int i = 1; i <= nkeys && !status; ++i) {
        char name[FLEN_KEYWORD] = {}, value[FLEN_VALUE] = {}, comment[FLEN_COMMENT] = {};
        fits_read_keyn(f, i, name, value, comment, &status);
        std::string v = value;
        if (std::string(name) == "COMMENT") {
            out.comments.push_back(comment);
            continue;
        }
        if (v.size() >= 2 && v.front() == '\'') { // a string: unquote, drop the padding
            v = v.substr(1, v.size() - 2);
            while (!v.empty() && v.back() == ' ')
                v.pop_back();
        }
        out.keys[name] = v;
    }
    int naxis = 0;
    long naxes[2] = {0, 0};
    fits_get_img_param(f, 2, &out.bitpix, &naxis, naxes, &status);
    out.width = naxes[0];
    out.height = naxes[1];
    out.pixels.assign(static_cast<std::size_t>(out.width * out.height), 0);
    int anynul = 0;
    if (!status)
        fits_read_img(f, TINT, 1, static_cast<LONGLONG>(out.pixels.size()), nullptr, out.pixels.data(),
                      &anynul, &status);
    int closeStatus = 0;
    fits_close_file(f, &closeStatus);
    if (status) {
        ADD_FAILURE() << "cfitsio cannot read " << path << " (status " << status << ")";
        return false;
    }
    return true;
}

std::vector<KeyRow> readAnswerKey(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::vector<KeyRow> rows;
    std::string line;
    std::getline(in, line); // column titles
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<std::string> f;
        std::stringstream ss(line);
        std::string field;
        while (std::getline(ss, field, ','))
            f.push_back(field);
        if (f.size() < 17) {
            ADD_FAILURE() << "short answer key line: " << line;
            continue;
        }
        KeyRow r;
        r.file = f[0];
        r.date = f[1];
        r.time = f[2];
        r.moment = std::stod(f[3]);
        r.b0 = std::stod(f[4]);
        r.l0 = std::stod(f[5]);
        r.spot = f[6];
        r.col = std::stod(f[7]);
        r.row = std::stod(f[8]);
        r.lat = std::stod(f[9]);
        r.cmLon = std::stod(f[10]);
        r.carrLon = std::stod(f[11]);
        r.mu = std::stod(f[12]);
        r.sidRate = std::stod(f[13]);
        r.sidPeriod = std::stod(f[14]);
        r.synRate = std::stod(f[15]);
        r.synPeriod = std::stod(f[16]);
        rows.push_back(r);
    }
    return rows;
}

std::vector<std::string> directoryNames(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            names.push_back(line);
    }
    return names;
}

} // namespace solar::test
