# Tests of this subsystem: core tests link only the core; window tests run offscreen.
list(APPEND CORE_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/CurveFitTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RsltsDataTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SinWaveTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DiffRotTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassRptTest.cpp
)
list(APPEND UI_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/RateLatTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/E2EMeasure.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinrAnalTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RsltsWinTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RotnAnalTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RotnE2ETest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExerciseTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DiffRotE2ETest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassRptWinTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AnalSpanishTest.cpp
)
