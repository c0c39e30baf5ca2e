# The sine analysis benchmark: built on demand (cmake --build <dir> --target sine_bench), not run.
if(SOLARRTN_UI)
    add_executable(sine_bench EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench/SineBench.cpp)
    target_link_libraries(sine_bench PRIVATE solarui)
endif()
