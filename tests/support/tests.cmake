# Tests of this subsystem: core tests link only the core; window tests run offscreen.
list(APPEND CORE_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/StringUtTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtRealTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinkLstTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GuardedTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelplstTest.cpp
)
list(APPEND UI_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/InfoListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelptxtTest.cpp
)
