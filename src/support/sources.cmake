# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Prompt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtReal.cpp
)
list(APPEND UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/QtPrompt.cpp
)
