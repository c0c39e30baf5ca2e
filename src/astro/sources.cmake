# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DateTime.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelioCoord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SunEphem.cpp
)
list(APPEND UI_SOURCES
)
