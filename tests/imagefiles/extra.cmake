# The FITS reader against cfitsio (its own test program) and the reader's benchmark (built, not run).
find_package(PkgConfig REQUIRED)
pkg_check_modules(CFITSIO REQUIRED IMPORTED_TARGET cfitsio)

add_executable(fits_cfitsio_tests ${CMAKE_CURRENT_LIST_DIR}/CfitsioCompareTest.cpp)
target_link_libraries(fits_cfitsio_tests PRIVATE solartestsupport PkgConfig::CFITSIO GTest::gtest_main)
gtest_discover_tests(fits_cfitsio_tests DISCOVERY_MODE PRE_TEST PROPERTIES LABELS core)

add_executable(fits_bench ${CMAKE_CURRENT_LIST_DIR}/bench/FitsBench.cpp)
target_link_libraries(fits_bench PRIVATE solarcore PkgConfig::CFITSIO)
