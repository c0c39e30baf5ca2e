# The libFuzzer targets (clang only), built with -DSOLARRTN_FUZZ=ON in a build folder of their own
# (scripts/fuzz runs every target listed in targets.txt), and the program that writes the FITS
# seed corpus.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with CC=clang CXX=clang++")
endif()
set(SOLARRTN_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
foreach(layer ${SOLARRTN_CORE_TARGETS})
    target_compile_options(${layer} PRIVATE ${SOLARRTN_SANITIZE} -fsanitize=fuzzer-no-link)
endforeach()

function(solarrtn_fuzz_target name source)
    add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${source})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_options(${name} PRIVATE ${SOLARRTN_SANITIZE} -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE ${SOLARRTN_SANITIZE} -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE solarcore)
endfunction()

solarrtn_fuzz_target(fits_fuzz FitsFuzz.cpp)
solarrtn_fuzz_target(directory_fuzz DirectoryFuzz.cpp)
solarrtn_fuzz_target(imagelist_fuzz ImageListFuzz.cpp)
solarrtn_fuzz_target(options_fuzz OptionsFuzz.cpp)
solarrtn_fuzz_target(measdata_fuzz MeasDataFuzz.cpp)

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
