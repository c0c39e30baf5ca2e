# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StringUt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Prompt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Translate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtReal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinkLst.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrintHdr.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Guarded.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Helplst.cpp
)
list(APPEND UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/QtPrompt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtPrintHdr.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Getsstr.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScreenFit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Helptxt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Accessible.cpp
)
