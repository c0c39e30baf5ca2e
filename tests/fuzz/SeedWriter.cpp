// Writes the fuzz seed corpus: small FITS files of every pixel type and header form the reader
// knows. Usage: fits_seeds <folder>
#include "imagefiles/FitsMaker.h"

#include <cmath>
#include <fstream>
#include <iostream>
#include <limits>

using namespace solar::test;

int main(int argc, char **argv) {
    if (argc != 2) {
        std::cerr << "usage: fits_seeds <folder>\n";
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    auto put = [&](const std::string &name, const std::string &bytes) {
        std::ofstream(dir + name, std::ios::binary) << bytes;
    };
    const std::vector<std::string> times = {quoted("DATE-OBS", "1998-03-05T16:30:12.5"),
                                            quoted("UT", "01:00:00"),
                                            quoted("RA", "12:30:36"),
                                            quoted("DEC", "-00:30:00"),
                                            kv("FNDLMBMA", "1.5"),
                                            quoted("OBJECT", "Sun")};
    put("byte.fits", imageFile(8, 3, 2, "\x01\x02\x03\x04\x05\xFF", times));
    put("short_unsigned.fits",
        imageFile(16, 3, 3, be16({-32768, 0, 1, 2, 3, 4, 5, 6, 32767}), {kv("BZERO", "32768")}));
    put("int_scaled.fits", imageFile(32, 2, 2, be32({-7, 100, 100000, 2147483647}),
                                     {kv("BSCALE", "0.5"), kv("BZERO", "3"), quoted("DATE-OBS", "05/03/98"),
                                      kv("TIME-OBS", "43200")}));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    put("float_nan.fits", imageFile(-32, 2, 3, beF32({1.5f, 2.5f, nan, -3.5f, 1e30f, 4.0f})));
    put("double.fits", imageFile(-64, 2, 1, beF64({0.5, -1e300})));
    put("hot.fits",
        imageFile(16, 4, 4, be16({10, 10, 10, 10, 10, 9000, 10, 10, 10, 10, 10, 10, 10, 10, 10, 9000})));
    put("extension.fits",
        header({kv("SIMPLE", "T"), kv("BITPIX", "8"), kv("NAXIS", "0"), kv("EXTEND", "T")}) +
            header({quoted("XTENSION", "IMAGE   "), kv("BITPIX", "16"), kv("NAXIS", "2"), kv("NAXIS1", "2"),
                    kv("NAXIS2", "2")}) +
            padded(be16({1, 2, 3, 4})));
    put("table.fits", header({kv("SIMPLE", "T"), kv("BITPIX", "8"), kv("NAXIS", "0"), kv("EXTEND", "T")}) +
                          header({quoted("XTENSION", "TABLE   "), kv("BITPIX", "8"), kv("NAXIS", "2"),
                                  kv("NAXIS1", "4"), kv("NAXIS2", "1")}) +
                          padded("abcd"));
    return 0;
}
