# Tests of this subsystem: core tests link only the core; window tests run offscreen.
list(APPEND CORE_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/ImageGeomTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CentroidTest.cpp
)
list(APPEND UI_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/ImagMeasTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MagBoxDlgTest.cpp
)
