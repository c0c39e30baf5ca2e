# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/IDList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeasData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeasCmds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Recovery.cpp
)
list(APPEND UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/IDListForm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeasDataWin.cpp
)
