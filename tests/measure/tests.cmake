# Tests of this subsystem: core tests link only the core; window tests run offscreen.
list(APPEND CORE_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/MeasDataTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeasCmdsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecoveryTest.cpp
)
list(APPEND UI_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/MeasDataWinTest.cpp
)
