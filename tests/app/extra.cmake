# The installation: installed into a temporary prefix, the program started there offscreen must
# find its pictures and the sample database; the desktop entry, icon and AppStream metadata must be
# in place, and the metadata must pass appstreamcli when it is installed.
if(SOLARRTN_UI)
    find_program(SOLARRTN_APPSTREAMCLI appstreamcli)
    add_test(NAME InstallLayout
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DAPPSTREAMCLI=${SOLARRTN_APPSTREAMCLI}
                     -P ${CMAKE_CURRENT_LIST_DIR}/InstallTest.cmake)
    set_tests_properties(InstallLayout PROPERTIES LABELS install ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()

# Twenty program runs at once in one working folder: a small driver on the core (login, option
# saves, logout) started twenty times by the test.
add_executable(sharedfolder_driver ${CMAKE_CURRENT_LIST_DIR}/SharedFolderDriver.cpp)
target_link_libraries(sharedfolder_driver PRIVATE solarcore)
set_target_properties(sharedfolder_driver PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_executable(sharedfolder_tests ${CMAKE_CURRENT_LIST_DIR}/SharedFolderTest.cpp)
target_link_libraries(sharedfolder_tests PRIVATE solartestsupport GTest::gtest_main)
target_compile_definitions(sharedfolder_tests PRIVATE SHARED_FOLDER_DRIVER="$<TARGET_FILE:sharedfolder_driver>")
set_target_properties(sharedfolder_tests PROPERTIES AUTOMOC OFF)
add_dependencies(sharedfolder_tests sharedfolder_driver)
gtest_discover_tests(sharedfolder_tests DISCOVERY_MODE PRE_TEST PROPERTIES LABELS core)
include(${CMAKE_SOURCE_DIR}/tests/a11y/extra.cmake)
