# Tests of this subsystem: core tests link only the core; window tests run offscreen.
list(APPEND CORE_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/SolrImagesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SolrImagesObjTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImageListFileTest.cpp
)
list(APPEND UI_TESTS
)
