# cmake -DBUILD_DIR=<build folder> [-DAPPSTREAMCLI=<path>] -P InstallTest.cmake
string(RANDOM LENGTH 8 tag)
set(prefix "${BUILD_DIR}/install-test-${tag}")
file(REMOVE_RECURSE "${prefix}")

function(fail message)
    file(REMOVE_RECURSE "${prefix}")
    message(FATAL_ERROR "${message}")
endfunction()

execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    fail("cmake --install failed: ${err}")
endif()

set(app org.example.vorn.SolarRtn)
foreach(f bin/SolarRtn bin/solarimport share/SolarRtn/VORNLOGO.BMP share/SolarRtn/IMAGES/synthlist.txt
          share/SolarRtn/INSTRUCTOR/synth_answer_key.csv share/SolarRtn/es/SOLRTNHLP.LST share/SolarRtn/es/student.hlp
          share/applications/${app}.desktop share/metainfo/${app}.metainfo.xml
          share/icons/hicolor/scalable/apps/${app}.svg)
    if(NOT EXISTS "${prefix}/${f}")
        fail("not installed: ${f}")
    endif()
endforeach()
if(EXISTS "${prefix}/share/SolarRtn/IMAGES/synth_answer_key.csv" OR EXISTS "${prefix}/bin/VORNLOGO.BMP")
    fail("the answer key or the pictures ended up in the wrong place")
endif()

# Started from another folder, the installed program finds share/SolarRtn/ from its own location.
execute_process(COMMAND "${prefix}/bin/SolarRtn" --self-check WORKING_DIRECTORY "${BUILD_DIR}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "${out}")
if(NOT rc EQUAL 0)
    fail("the installed program's self-check failed:\n${out}${err}")
endif()
string(FIND "${out}" "share/SolarRtn/" where)
if(where EQUAL -1)
    fail("the installed program did not use share/SolarRtn/:\n${out}")
endif()

if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net "${prefix}/share/metainfo/${app}.metainfo.xml"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        fail("appstreamcli validate failed:\n${out}${err}")
    endif()
endif()
file(REMOVE_RECURSE "${prefix}")
