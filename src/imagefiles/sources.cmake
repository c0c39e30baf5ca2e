# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GrFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FitsHeader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FitsPixels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HistogramObj.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DisplayRaster.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BmpFile.cpp
)
list(APPEND UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ImgAdjst.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HdrView.cpp
)
