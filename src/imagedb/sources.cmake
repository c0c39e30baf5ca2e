# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SolrImages.cpp
)
list(APPEND UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AnimDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImgPgrGage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImageCmds.cpp
)
# The main window reaches the image window once that window is part of the program.
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/../display/ImagMeas.cpp)
    list(APPEND UI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/ImageWindowLink.cpp)
else()
    list(APPEND UI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/ImageWindowNone.cpp)
endif()
