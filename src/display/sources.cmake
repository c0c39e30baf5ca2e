# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ImageGeom.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Centroid.cpp
)
list(APPEND UI_SOURCES
)
