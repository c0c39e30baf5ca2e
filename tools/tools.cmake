# Tools of the project. solargen makes the synthetic solar image database with a known answer
# and lays it into the installation folder's IMAGES/ at every build, its answer key into the
# instructors' folder INSTRUCTOR/ (kept out of the folder every student browses).
find_package(PkgConfig REQUIRED)
pkg_check_modules(CFITSIO REQUIRED IMPORTED_TARGET cfitsio)

add_library(solargenlib STATIC
    ${CMAKE_CURRENT_LIST_DIR}/solargen/DiscProjection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/solargen/Generator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/solargen/FitsOut.cpp
)
target_include_directories(solargenlib PUBLIC ${CMAKE_CURRENT_LIST_DIR}/solargen)
target_link_libraries(solargenlib PUBLIC solarcore PkgConfig::CFITSIO)
set_target_properties(solargenlib PROPERTIES AUTOMOC OFF)

add_executable(solargen ${CMAKE_CURRENT_LIST_DIR}/solargen/main.cpp)
target_link_libraries(solargen PRIVATE solargenlib)
set_target_properties(solargen PROPERTIES AUTOMOC OFF)
# The tool stays out of the installation folder.
set_target_properties(solargen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(SOLARGEN_IMAGES_DIR ${CMAKE_BINARY_DIR}/bin/IMAGES)
set(SOLARGEN_KEY_DIR ${CMAKE_BINARY_DIR}/bin/INSTRUCTOR)
add_custom_command(
    OUTPUT ${SOLARGEN_IMAGES_DIR}/synthlist.txt ${SOLARGEN_KEY_DIR}/synth_answer_key.csv
    COMMAND solargen ${SOLARGEN_IMAGES_DIR} ${SOLARGEN_KEY_DIR}
    DEPENDS solargen
    COMMENT "Generating the synthetic solar image database in bin/IMAGES"
    VERBATIM)
add_custom_target(solarimages ALL DEPENDS ${SOLARGEN_IMAGES_DIR}/synthlist.txt)

# solarimport makes an exercise database from observatory images (the importer in solarimportlib).
add_executable(solarimport ${CMAKE_CURRENT_LIST_DIR}/solarimport/main.cpp)
target_link_libraries(solarimport PRIVATE solarimportlib)
set_target_properties(solarimport PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# solarclass writes the instructor's class report (the core's ClassRpt) as text, CSV and PDF; it
# needs Qt Gui for the PDF only.
if(TARGET solarpaint)
    add_executable(solarclass ${CMAKE_CURRENT_LIST_DIR}/solarclass/main.cpp)
    target_link_libraries(solarclass PRIVATE solarpaint)
    set_target_properties(solarclass PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
endif()
