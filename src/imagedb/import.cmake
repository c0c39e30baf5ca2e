# The image importer, in the image-database layer: its core with cfitsio (tile compression, scaling,
# null values), a library of its own so that the rest of the core depends on nothing.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CFITSIO REQUIRED IMPORTED_TARGET cfitsio)
add_library(solarimportlib STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ImportImg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RawImage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImportKeys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LimbFit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Resample.cpp
)
target_link_libraries(solarimportlib PUBLIC solar_imagedb PkgConfig::CFITSIO)
set_target_properties(solarimportlib PROPERTIES AUTOMOC OFF)
