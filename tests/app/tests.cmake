# Tests of this subsystem: core tests link only the core; window tests run offscreen.
list(APPEND CORE_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/LoginTest.cpp
)
list(APPEND UI_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/ImageCmdsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MakeDbCmdTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LoginDlgTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShellCmdsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SpanishTest.cpp
)
