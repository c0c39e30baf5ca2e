# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SolrImages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImageListFile.cpp
)
list(APPEND UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AnimDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImgPgrGage.cpp
)
