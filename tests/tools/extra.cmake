# The synthetic image database: ephemeris, projection against the program's conversion, and the
# generated files in bin/IMAGES (which the solarimages target makes first).
add_executable(solargen_tests
    ${CMAKE_CURRENT_LIST_DIR}/GenTestData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DiscProjectionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatabaseTest.cpp
)
target_link_libraries(solargen_tests PRIVATE solargenlib solarcore solartestsupport GTest::gtest_main PkgConfig::CFITSIO)
target_compile_definitions(solargen_tests PRIVATE SOLARRTN_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
set_target_properties(solargen_tests PROPERTIES AUTOMOC OFF)
add_dependencies(solargen_tests solarimages)
gtest_discover_tests(solargen_tests DISCOVERY_MODE PRE_TEST PROPERTIES LABELS core)
