# The measuring windows on real screen sizes: the same tests on a 1366 x 768 laptop screen and
# on a 2560 x 1440 screen at device pixel ratio 2 (1280 x 720 in layout pixels).
if(TARGET ui_tests)
    add_executable(screen_tests tests/display/ScreenTestMain.cpp tests/common/ScriptedUiPrompt.cpp
                                tests/display/ScreenLayoutTest.cpp)
    target_link_libraries(screen_tests PRIVATE solarui solartestsupport GTest::gtest)
    target_compile_definitions(screen_tests PRIVATE SOLARRTN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                                    SOLARRTN_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
    set_target_properties(screen_tests PROPERTIES AUTOMOC ON)
    add_dependencies(screen_tests installdir)
    if(TARGET solarimages)
        add_dependencies(screen_tests solarimages)
    endif()
    foreach(screen laptop hidpi)
        add_test(NAME screen_${screen} COMMAND screen_tests)
        set_tests_properties(screen_${screen} PROPERTIES LABELS ui ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_SOURCE_DIR}/tests/display/screens/${screen}.json")
    endforeach()
endif()
