# The package as its users meet it, one step per test (cmake -P, with -D):
#   STEP=install       install BUILD into WORK/prefix; save a skin with it
#   STEP=metadata      validate the installed desktop entry and metainfo
#   STEP=installed     build examples/skinned_app with find_package(VantuSkin), run
#                      it, and check that the bundle is made again exactly
#                      when vantuskin-cli or the saved skin changes; check
#                      the lines of docs/package.md
#   STEP=subdirectory  build the same example through add_subdirectory, run it
#   STEP=fetchcontent  the same through FetchContent
#   STEP=single_qt     every program of BUILD is linked to one Qt only
#   STEP=side_by_side  BUILD and PEER (a build with the other Qt) install
#                      into one prefix without sharing a file; the example
#                      is built and run with each Qt against it; with only
#                      one installed, the other Qt's project gets a clear error
# Also given: SOURCE (this repository), BUILD, WORK, QT_MAJOR (BUILD's Qt),
# CLI (the name of vantuskin-cli as installed), PROGRAMS (for single_qt),
# DOC (docs/package.md), and FLAGS for the example's compiler and linker (the sanitizers).
cmake_minimum_required(VERSION 3.16)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK}/prefix)
set(consumer ${SOURCE}/examples/skinned_app)
set(saved ${WORK}/saved.css)

function(build_and_run dir)
    file(REMOVE_RECURSE ${dir})
    run(${CMAKE_COMMAND} -S ${consumer} -B ${dir} -DEXAMPLE_QT=${QT_MAJOR} -DSAVED_SKIN=${saved}
        -DVANTUSKIN_EXAMPLE_CHECKS=${CMAKE_CURRENT_LIST_DIR}/checks.cmake
        "-DCMAKE_CXX_FLAGS=${FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${FLAGS}" ${ARGN})
    run(${CMAKE_COMMAND} --build ${dir} -j2)
    run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${dir}/app)
    message("${out}")
    expect_one_qt(${dir}/app ${QT_MAJOR})
endfunction()

# The program at PATH loads Qt MAJOR's libraries and no other Qt's.
function(expect_one_qt path major)
    run(ldd ${path})
    string(REGEX MATCHALL "libQt[0-9]Core[^ ]*" cores "${out}")
    list(REMOVE_DUPLICATES cores)
    if(NOT cores STREQUAL "libQt${major}Core.so.${major}")
        message(FATAL_ERROR "${path}: expected Qt ${major} only, links ${cores}")
    endif()
    message("${path}: ${cores}")
endfunction()

if(STEP STREQUAL "install")
    file(REMOVE_RECURSE ${prefix})
    run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})
    # The style plugin, in a folder of this Qt's: PREFIX/lib/qtN/plugins, or
    # for the prefix /usr that Qt's own plugin folder below it.
    file(GLOB_RECURSE plugin ${prefix}/lib/*/libvantuskinstyle.so)
    if(NOT plugin MATCHES "/qt${QT_MAJOR}/plugins/styles/libvantuskinstyle.so$")
        message(FATAL_ERROR "the style plugin is not in a Qt ${QT_MAJOR} plugin folder below ${prefix}: ${plugin}")
    endif()
    expect_one_qt(${plugin} ${QT_MAJOR})
    # A saved skin for the consumer's FROM.
    run(${prefix}/bin/${CLI} compose --colors
        "#102030,#F0E0D0,#405060,#708090,#8090A0,#90A0B0,#A0B0C0,#00AA88" -o ${saved})
elseif(STEP STREQUAL "metadata")
    file(GLOB desktop ${prefix}/share/applications/*.desktop)
    file(GLOB metainfo ${prefix}/share/metainfo/*.metainfo.xml)
    if(NOT desktop OR NOT metainfo)
        message(FATAL_ERROR "no desktop entry or metainfo installed under ${prefix}/share")
    endif()
    run(desktop-file-validate ${desktop})
    run(appstreamcli validate --no-net --strict ${metainfo})
elseif(STEP STREQUAL "installed")
    set(dir ${WORK}/installed)
    build_and_run(${dir} -DCMAKE_PREFIX_PATH=${prefix})
    # The bundles are made again exactly when their inputs change.
    foreach(case "-;;.*" "${prefix}/bin/${CLI};psblack for app;-" "${saved};saved;psblack|mine")
        list(GET case 0 touched)
        list(GET case 1 made)
        list(GET case 2 kept)
        if(EXISTS ${touched})
            execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1)
            file(TOUCH ${touched})
        endif()
        run(${CMAKE_COMMAND} --build ${dir})
        if((made AND NOT out MATCHES "Exporting skin ${made}") OR out MATCHES "Exporting skin (${kept})")
            message(FATAL_ERROR "after touching ${touched}, expected to make ${made} and not ${kept}:\n${out}")
        endif()
    endforeach()
    # Every code line of the package's page is one the test runs.
    file(READ ${DOC} page)
    file(READ ${consumer}/CMakeLists.txt consumer_lines)
    file(READ ${consumer}/main.cpp cpp_lines)
    string(REGEX MATCH "\n## Build-time skins: vantuskin_add_skin.*\n## Run-time skins: VantuSkin::skin.*"
        sections "${page}")
    string(REGEX MATCHALL "```[a-z]*\n[^`]*```" blocks "${sections}")
    if(NOT blocks)
        message(FATAL_ERROR "${DOC}: no code in sections on vantuskin_add_skin and VantuSkin::skin")
    endif()
    string(REGEX REPLACE "```[a-z]*\n?" "" lines "${blocks}")
    string(REPLACE "\n" ";" lines "${lines}")
    foreach(line IN LISTS lines)
        string(FIND "${consumer_lines}${cpp_lines}" "${line}" at)
        if(at LESS 0)
            message(FATAL_ERROR "${DOC}: a line not in the consumer test: ${line}")
        endif()
    endforeach()
elseif(STEP STREQUAL "subdirectory")
    build_and_run(${WORK}/subdirectory -DVANTUSKIN_SOURCE_DIR=${SOURCE})
elseif(STEP STREQUAL "fetchcontent")
    build_and_run(${WORK}/fetchcontent -DVANTUSKIN_FETCH=${SOURCE})
elseif(STEP STREQUAL "single_qt")
    foreach(program IN LISTS PROGRAMS)
        expect_one_qt(${program} ${QT_MAJOR})
    endforeach()
elseif(STEP STREQUAL "side_by_side")
    math(EXPR other "11 - ${QT_MAJOR}")
    set(side ${WORK}/side_by_side)
    set(saved ${side}/saved.css)
    file(REMOVE_RECURSE ${side})
    foreach(build ${BUILD} ${PEER})
        run(${CMAKE_COMMAND} --install ${build} --prefix ${side}/alone${build_index})
        file(GLOB_RECURSE files RELATIVE ${side}/alone${build_index} ${side}/alone${build_index}/*)
        list(APPEND files_${build_index} ${files})
        run(${CMAKE_COMMAND} --install ${build} --prefix ${side}/prefix)
        set(build_index 1)
    endforeach()
    foreach(file IN LISTS files_)
        if(file IN_LIST files_1)
            message(FATAL_ERROR "both builds install ${file}")
        endif()
    endforeach()
    set(prefix ${side}/prefix)
    run(${prefix}/bin/${CLI} compose --colors
        "#102030,#F0E0D0,#405060,#708090,#8090A0,#90A0B0,#A0B0C0,#00AA88" -o ${saved})
    foreach(QT_MAJOR ${QT_MAJOR} ${other})
        build_and_run(${side}/app_qt${QT_MAJOR} -DCMAKE_PREFIX_PATH=${prefix})
    endforeach()
    # Only this build installed: a project on the other Qt is told so.
    execute_process(COMMAND ${CMAKE_COMMAND} -S ${consumer} -B ${side}/app_mismatch -DEXAMPLE_QT=${other}
        -DCMAKE_PREFIX_PATH=${side}/alone RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(result EQUAL 0 OR NOT out MATCHES "for Qt ${QT_MAJOR}, not for this project's Qt ${other}")
        message(FATAL_ERROR "a Qt ${other} project against a Qt ${QT_MAJOR}-only prefix:\n${out}")
    endif()
    message("a Qt ${other} project against a Qt ${QT_MAJOR}-only prefix:\n${out}")
else()
    message(FATAL_ERROR "unknown STEP \"${STEP}\"")
endif()
