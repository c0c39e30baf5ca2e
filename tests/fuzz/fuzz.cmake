# The FITS reader's libFuzzer target (clang only), built with -DSOLARRTN_FUZZ=ON in a build folder
# of its own (scripts/fuzz), and the program that writes the seed corpus.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with CC=clang CXX=clang++")
endif()
set(SOLARRTN_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
target_compile_options(solarcore PRIVATE ${SOLARRTN_SANITIZE} -fsanitize=fuzzer-no-link)

add_executable(fits_fuzz ${CMAKE_CURRENT_LIST_DIR}/FitsFuzz.cpp)
target_include_directories(fits_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_options(fits_fuzz PRIVATE ${SOLARRTN_SANITIZE} -fsanitize=fuzzer)
target_link_options(fits_fuzz PRIVATE ${SOLARRTN_SANITIZE} -fsanitize=fuzzer)
target_link_libraries(fits_fuzz PRIVATE solarcore)

add_executable(fits_seeds ${CMAKE_CURRENT_LIST_DIR}/SeedWriter.cpp)
target_include_directories(fits_seeds PRIVATE ${CMAKE_SOURCE_DIR}/tests)

# The help list and help text readers.
foreach(target helplist_fuzz helptext_fuzz)
    if(target STREQUAL "helplist_fuzz")
        add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/HelpListFuzz.cpp)
    else()
        add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/HelpTextFuzz.cpp)
    endif()
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_options(${target} PRIVATE ${SOLARRTN_SANITIZE} -fsanitize=fuzzer)
    target_link_options(${target} PRIVATE ${SOLARRTN_SANITIZE} -fsanitize=fuzzer)
    target_link_libraries(${target} PRIVATE solarcore)
endforeach()
