# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ImageGeom.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Centroid.cpp
)
list(APPEND UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ImagMeas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CrsrWndw.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RdOutWin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MgRgnDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BoxDlg.cpp
)
