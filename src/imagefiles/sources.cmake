# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
)
list(APPEND UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ImgAdjst.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HdrView.cpp
)
