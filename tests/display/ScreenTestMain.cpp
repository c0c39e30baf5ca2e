// The screen tests run on the offscreen platform with a screen described by a file: a laptop of
// 1366 x 768 unless the caller chose another (ctest passes each screen file).
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + SOLARRTN_SOURCE_DIR
                                       "/tests/display/screens/laptop.json");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
