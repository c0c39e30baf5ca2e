# The window tests of the image commands load the generated sample database in bin/IMAGES.
if(TARGET ui_tests AND TARGET solarimages)
    add_dependencies(ui_tests solarimages)
endif()

# The importer on images drawn by the sample generator's sun (cfitsio writes them), and the
# solarimport tool on a folder.
add_executable(import_tests ${CMAKE_CURRENT_LIST_DIR}/ImportImgTest.cpp)
target_link_libraries(import_tests PRIVATE solarimportlib solargenlib solartestsupport GTest::gtest_main)
target_compile_definitions(import_tests PRIVATE SOLARRTN_TOOLS_DIR="${CMAKE_BINARY_DIR}/tools"
                                                SOLARRTN_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
set_target_properties(import_tests PROPERTIES AUTOMOC OFF)
add_dependencies(import_tests solarimport)
if(TARGET solarimages)
    add_dependencies(import_tests solarimages) # the sample database in bin/IMAGES
endif()
gtest_discover_tests(import_tests DISCOVERY_MODE PRE_TEST PROPERTIES LABELS core)

# The importer's benchmark (built, not run by ctest).
add_executable(import_bench ${CMAKE_CURRENT_LIST_DIR}/bench/ImportBench.cpp)
target_link_libraries(import_bench PRIVATE solarimportlib solargenlib)
set_target_properties(import_bench PROPERTIES AUTOMOC OFF)
