# vantuskin_add_skin(TARGET <target>
#                    (SKIN <name> | COLORS <c1> ... <c8> | FROM <file.css>)
#                    [NAME <name>] [RECOLOR] [COMPLETE <ON|OFF>])
#
# Gives <target> a skin as a resource: at build time vantuskin-cli export
# writes the bundle <name>.css, <name>.qrc and images/ below the target's
# build folder, rcc compiles it, and the result is added to the target's
# sources. The sheet is then ":/<name>/<name>.css", its images are under
# ":/<name>/images/". The bundle is made again whenever vantuskin-cli or the
# FROM file changes.
#
# SKIN     a built-in skin, by style name (psblack) or display name
# COLORS   eight colours, "#" and six hexadecimal digits each, in role order
# FROM     a saved skin file whose eight recorded colours are used
# NAME     the bundle's name and resource prefix; by default the SKIN style
#          name, the FROM file's base name, or "skin" for COLORS. A name is a
#          letter, digit or "_" followed by letters, digits, "_", "-" and
#          "." (as vantuskin-cli export --name takes it); each skin of a
#          target needs its own
#
# Every argument is checked when the project is configured.
# RECOLOR  indicator images drawn in the skin's own colours
# COMPLETE ON (the default) appends the coverage layer: rules and images for
#          what real programs show and a skin alone leaves out (disabled
#          menu items, docks, tool bars, tab, view and header parts); OFF
#          exports the skin's own text only
#
# Compiled into an executable or a shared library, the resource registers
# itself. In a static library, call Q_INIT_RESOURCE(<name>) once from the
# program that links it.
# The built-in skins' names, written by tools/resgen: beside this file once
# installed, in resources/ of the source tree.
if(EXISTS "${CMAKE_CURRENT_LIST_DIR}/skin-names.list")
    set_property(GLOBAL PROPERTY VANTUSKIN_SKIN_NAMES_FILE "${CMAKE_CURRENT_LIST_DIR}/skin-names.list")
else()
    set_property(GLOBAL PROPERTY VANTUSKIN_SKIN_NAMES_FILE "${CMAKE_CURRENT_LIST_DIR}/../resources/skin-names.list")
endif()

function(vantuskin_add_skin)
    cmake_parse_arguments(PARSE_ARGV 0 arg "RECOLOR" "TARGET;SKIN;FROM;NAME;COMPLETE" "COLORS")
    set(rule "a letter, digit or \"_\" followed by letters, digits, \"_\", \"-\" and \".\"")
    set(hashes "quote each colour, as in COLORS \"#E0E0E0\" \"#2B2B2B\" ... (eight): an unquoted # starts a comment")
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "vantuskin_add_skin: unknown arguments: ${arg_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT arg_TARGET OR NOT TARGET "${arg_TARGET}")
        message(FATAL_ERROR "vantuskin_add_skin: TARGET must name an existing target (got \"${arg_TARGET}\")")
    endif()
    if("COLORS" IN_LIST arg_KEYWORDS_MISSING_VALUES)
        message(FATAL_ERROR "vantuskin_add_skin: COLORS has no colours; ${hashes}")
    endif()
    set(sources 0)
    foreach(kind SKIN COLORS FROM)
        if(DEFINED arg_${kind})
            math(EXPR sources "${sources} + 1")
        endif()
    endforeach()
    if(NOT sources EQUAL 1)
        message(FATAL_ERROR "vantuskin_add_skin: give exactly one of SKIN, COLORS and FROM")
    endif()
    if(DEFINED arg_COMPLETE AND NOT arg_COMPLETE MATCHES "^(ON|OFF)$")
        message(FATAL_ERROR "vantuskin_add_skin: COMPLETE is ON or OFF, not \"${arg_COMPLETE}\"")
    endif()

    set(depends VantuSkin::vantuskin-cli)
    if(DEFINED arg_SKIN)
        get_property(names_file GLOBAL PROPERTY VANTUSKIN_SKIN_NAMES_FILE)
        file(STRINGS "${names_file}" lines ENCODING UTF-8)
        set(styles)
        set(known)
        foreach(line IN LISTS lines)
            string(REPLACE "\t" ";" fields "${line}")
            list(GET fields 0 style)
            list(APPEND styles "${style}")
            list(APPEND known ${fields})
        endforeach()
        if(NOT arg_SKIN IN_LIST known)
            list(JOIN styles ", " styles)
            message(FATAL_ERROR "vantuskin_add_skin: SKIN \"${arg_SKIN}\" is not a built-in skin; "
                "the built-in skins are: ${styles}")
        endif()
        set(source_options --skin "${arg_SKIN}")
        set(name "${arg_SKIN}")
    elseif(DEFINED arg_COLORS)
        list(LENGTH arg_COLORS count)
        foreach(color IN LISTS arg_COLORS)
            if(NOT color MATCHES "^#[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]$")
                message(FATAL_ERROR "vantuskin_add_skin: COLORS: \"${color}\" is not \"#\" followed by six "
                    "hexadecimal digits; ${hashes}")
            endif()
        endforeach()
        if(NOT count EQUAL 8)
            message(FATAL_ERROR "vantuskin_add_skin: COLORS needs eight colours, got ${count}; ${hashes}")
        endif()
        string(REPLACE ";" "," colors "${arg_COLORS}")
        set(source_options --colors "${colors}")
        set(name skin)
    else()
        get_filename_component(from "${arg_FROM}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
        if(NOT EXISTS "${from}" OR IS_DIRECTORY "${from}")
            message(FATAL_ERROR "vantuskin_add_skin: FROM \"${arg_FROM}\": there is no file ${from}")
        endif()
        set(source_options --from "${from}")
        list(APPEND depends "${from}")
        get_filename_component(name "${from}" NAME_WE)
    endif()
    if(DEFINED arg_NAME)
        set(name "${arg_NAME}")
    endif()
    if(NOT name MATCHES "^[A-Za-z0-9_][A-Za-z0-9_.-]*$")
        message(FATAL_ERROR "vantuskin_add_skin: \"${name}\" cannot name a bundle; a name is ${rule} "
            "(give one with NAME)")
    endif()
    get_property(used TARGET ${arg_TARGET} PROPERTY VANTUSKIN_SKIN_NAMES)
    if(name IN_LIST used)
        message(FATAL_ERROR "vantuskin_add_skin: NAME \"${name}\" is already used on ${arg_TARGET}; "
            "give each skin of a target its own NAME")
    endif()
    set_property(TARGET ${arg_TARGET} APPEND PROPERTY VANTUSKIN_SKIN_NAMES "${name}")

    set(export_options)
    if(arg_RECOLOR)
        list(APPEND export_options --recolor)
    endif()
    if(NOT arg_COMPLETE STREQUAL "OFF")
        list(APPEND export_options --complete)
    endif()
    # Further options of the export (one keyword of this function each) are
    # added to export_options here.

    # The rcc of the Qt the package was built with.
    get_property(qt GLOBAL PROPERTY VANTUSKIN_QT_MAJOR)
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/vantuskin_skins/${arg_TARGET}")
    set(bundle "${dir}/${name}")
    set(compiled "${dir}/qrc_${name}.cpp")
    add_custom_command(
        OUTPUT "${bundle}/${name}.qrc" "${bundle}/${name}.css" "${compiled}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${dir}"
        COMMAND VantuSkin::vantuskin-cli export ${source_options} -o "${bundle}" --name "${name}"
                ${export_options} --force
        COMMAND Qt${qt}::rcc --name "${name}" --output "${compiled}" "${bundle}/${name}.qrc"
        DEPENDS ${depends}
        COMMENT "Exporting skin ${name} for ${arg_TARGET}"
        VERBATIM)
    target_sources(${arg_TARGET} PRIVATE "${compiled}")
    set_source_files_properties("${compiled}" PROPERTIES SKIP_AUTOGEN ON)
endfunction()
