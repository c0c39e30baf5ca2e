# The window tests of the image commands load the generated sample database in bin/IMAGES.
if(TARGET ui_tests AND TARGET solarimages)
    add_dependencies(ui_tests solarimages)
endif()
