# Every window and dialog of the program checked for controls without an accessible name: in
# process through Qt's accessibility interfaces, and through AT-SPI, the bus that Linux screen
# readers use, with the program on a virtual X display under its own session bus.
if(SOLARRTN_UI)
    add_executable(a11y_tour ${CMAKE_CURRENT_LIST_DIR}/A11yTour.cpp ${CMAKE_CURRENT_LIST_DIR}/A11yTourMain.cpp
                             ${CMAKE_SOURCE_DIR}/tests/common/ScriptedUiPrompt.cpp)
    target_link_libraries(a11y_tour PRIVATE solarui solartestsupport)
    target_include_directories(a11y_tour PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(a11y_tour PRIVATE SOLARRTN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                                 SOLARRTN_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
    set_target_properties(a11y_tour PROPERTIES AUTOMOC ON)
    add_dependencies(a11y_tour installdir solarimages)
    add_test(NAME AccessibleNames COMMAND a11y_tour --check)
    set_tests_properties(AccessibleNames PROPERTIES LABELS ui ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()

# The AT-SPI walk needs the bus, Qt's bridge, python3-pyatspi and a virtual X display; the script
# starts its own display and bus.
find_program(SOLARRTN_DBUS_RUN_SESSION dbus-run-session)
find_program(SOLARRTN_XVFB Xvfb)
if(SOLARRTN_UI AND SOLARRTN_DBUS_RUN_SESSION AND SOLARRTN_XVFB AND EXISTS /usr/bin/python3)
    add_test(NAME AtspiNames
             COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/atspi_names.py $<TARGET_FILE:a11y_tour>)
    # Nothing of the session the test runs in.
    set_tests_properties(AtspiNames PROPERTIES LABELS "ui;atspi" TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=xcb"
        ENVIRONMENT_MODIFICATION "DBUS_SESSION_BUS_ADDRESS=unset:;DISPLAY=unset:")
endif()
