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
include(${CMAKE_SOURCE_DIR}/tests/a11y/extra.cmake)
