// Runs every registered analysis benchmark offscreen and prints its figures.
#include "Bench.h"

#include <QApplication>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace solar::bench {

static std::vector<std::pair<const char *, void (*)()>> &benches() {
    static std::vector<std::pair<const char *, void (*)()>> list;
    return list;
}

bool addBench(const char *name, void (*fn)()) {
    benches().emplace_back(name, fn);
    return true;
}

} // namespace solar::bench

int main(int argc, char **argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv); // the sine analysis draws through its window
    for (const auto &[name, fn] : solar::bench::benches()) {
        std::printf("== %s\n", name);
        fn();
    }
    return 0;
}
