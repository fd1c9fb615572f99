# One build folder configured for Qt 6, then Qt 5, then Qt 6 again, then the
# default: each time the programs carry the names of the Qt they are built
# with, whatever the folder held before. A suffix given by hand stays.
# Given: SOURCE (this repository), WORK (a scratch folder).
cmake_minimum_required(VERSION 3.16)

file(REMOVE_RECURSE ${WORK})
function(configure_and_expect qt suffix)
    execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK} -DVANTU_QT_MAJOR=${qt}
        -DVANTU_BUILD_TESTS=OFF -DVANTU_BUILD_TOOLS=OFF ${ARGN}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "configuring for Qt \"${qt}\" failed:\n${out}")
    endif()
    file(READ ${WORK}/program-path.txt window)
    file(READ ${WORK}/src/cli/CMakeFiles/vantuskin-cli.dir/link.txt link)
    string(REGEX MATCH "-o ([^ ]+)" cli "${link}")
    get_filename_component(window "${window}" NAME)
    string(STRIP "${window}" window)
    if(NOT window STREQUAL "vantuskin${suffix}" OR NOT CMAKE_MATCH_1 STREQUAL "vantuskin-cli${suffix}")
        message(FATAL_ERROR "Qt \"${qt}\" ${ARGN}: the programs are ${window} and ${CMAKE_MATCH_1}, "
            "expected vantuskin${suffix} and vantuskin-cli${suffix}")
    endif()
    message(STATUS "Qt \"${qt}\" ${ARGN}: ${window}, ${CMAKE_MATCH_1}")
endfunction()

configure_and_expect(6 "")
configure_and_expect(5 -qt5)
configure_and_expect(6 "")
configure_and_expect(5 -qt5)
configure_and_expect("" "")
configure_and_expect(5 -mine -DVANTU_PROGRAM_SUFFIX=-mine)
configure_and_expect(6 -mine)
