# vantuskin_add_skin() with one bad argument per case, in a project that is
# only configured: each must stop there with the message that names it
# (entries of the table hold no semicolons: they separate its fields).
# Given: CASE (a name below), SOURCE (this repository), WORK (a folder).
cmake_minimum_required(VERSION 3.16)
set(good [[vantuskin_add_skin(TARGET app SKIN psblack)]])
set(cases
    "unknown SKIN|vantuskin_add_skin(TARGET app SKIN nosuch)|SKIN \"nosuch\" is not a built-in skin; the built-in skins are: black, blackblue, blackwhite"
    "COLORS not colours|vantuskin_add_skin(TARGET app COLORS \"#000000\" \"#FFFFFF\" red \"#000000\" \"#000000\" \"#000000\" \"#000000\" \"#000000\")|COLORS: \"red\" is not \"#\" followed by six hexadecimal digits"
    "COLORS lost to unquoted hashes|vantuskin_add_skin(TARGET app COLORS #000000 #FFFFFF #000000 #000000 #000000 #000000 #000000 #000000\n)|COLORS has no colours; quote each colour, as in COLORS \"#E0E0E0\""
    "COLORS partly lost|vantuskin_add_skin(TARGET app COLORS \"#000000\" #FFFFFF #000000 #000000 #000000 #000000 #000000 #000000\n)|COLORS needs eight colours, got 1"
    "FROM a missing file|vantuskin_add_skin(TARGET app FROM nosuch.css)|FROM \"nosuch.css\": there is no file"
    "NAME twice|${good}\nvantuskin_add_skin(TARGET app SKIN flatwhite NAME psblack)|NAME \"psblack\" is already used on app"
    "NAME against the rule|vantuskin_add_skin(TARGET app SKIN psblack NAME -x)|\"-x\" cannot name a bundle"
    "COMPLETE maybe|vantuskin_add_skin(TARGET app SKIN psblack COMPLETE maybe)|COMPLETE is ON or OFF, not \"maybe\""
    "good: display name, a name with - and .|vantuskin_add_skin(TARGET app SKIN 黑色扁平 NAME my-skin.v2 COMPLETE OFF)|"
)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 name)
    if(name STREQUAL CASE)
        list(GET case 1 call)
        list(GET case 2 expected)
    endif()
endforeach()
if(NOT DEFINED call)
    message(FATAL_ERROR "no case \"${CASE}\"")
endif()
string(MAKE_C_IDENTIFIER "${CASE}" dir)
set(dir ${WORK}/${dir})
file(REMOVE_RECURSE ${dir})
file(WRITE ${dir}/CMakeLists.txt "cmake_minimum_required(VERSION 3.16)\nproject(t NONE)\n"
    "include(${SOURCE}/cmake/VantuSkinAddSkin.cmake)\nadd_custom_target(app)\n${call}\n")
execute_process(COMMAND ${CMAKE_COMMAND} -S ${dir} -B ${dir}/build RESULT_VARIABLE failed
    OUTPUT_VARIABLE out ERROR_VARIABLE out)
string(REGEX REPLACE "[ \n]+" " " flat "${out}")
if(expected STREQUAL "")
    if(failed)
        message(FATAL_ERROR "a good call was refused:\n${out}")
    endif()
else()
    string(FIND "${flat}" "${expected}" at)
    if(NOT failed OR at LESS 0 OR NOT flat MATCHES "vantuskin_add_skin: ")
        message(FATAL_ERROR "expected the configuration to stop with \"${expected}\":\n${out}")
    endif()
endif()
