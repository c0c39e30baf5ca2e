# The analysis benchmark: built on demand (`--target analysis_bench`), never run as a test.
if(TARGET solarui)
    add_executable(analysis_bench EXCLUDE_FROM_ALL
        ${CMAKE_CURRENT_LIST_DIR}/bench/AnalysisBench.cpp
        ${CMAKE_CURRENT_LIST_DIR}/bench/LinrBench.cpp
        ${CMAKE_CURRENT_LIST_DIR}/bench/SineBench.cpp)
    target_link_libraries(analysis_bench PRIVATE solarui)
endif()
# The Spanish window test loads the compiled catalogue from the installation folder.
if(TARGET ui_tests AND TARGET SolarRtn_lrelease)
    add_dependencies(ui_tests SolarRtn_lrelease)
endif()
