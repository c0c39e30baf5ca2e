# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CurveFit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RsltsData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DiffRot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinrPlot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SinWave.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RotnPlot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassRpt.cpp
)
list(APPEND UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LinrAnal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinrAnalPaint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RsltsDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RsltsLst.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AnalPrint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RotnAnal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RateLat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassRptWin.cpp
)
# Painting with Qt Gui only: shared by the windows and the class report tool.
list(APPEND PAINT_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RateLatPaint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassPdf.cpp
)
