# Tests of this subsystem: core tests link only the core; window tests run offscreen.
list(APPEND CORE_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/DateTimeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelioCoordTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SunEphemTest.cpp
)
list(APPEND UI_TESTS
)
