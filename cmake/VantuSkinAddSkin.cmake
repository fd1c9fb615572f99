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
#          name, the FROM file's base name, or "skin" for COLORS
# RECOLOR  indicator images drawn in the skin's own colours
# COMPLETE ON (the default) appends the coverage layer: rules and images for
#          what real programs show and a skin alone leaves out (disabled
#          menu items, docks, tool bars, tab, view and header parts); OFF
#          exports the skin's own text only
#
# Compiled into an executable or a shared library, the resource registers
# itself. In a static library, call Q_INIT_RESOURCE(<name>) once from the
# program that links it.
function(vantuskin_add_skin)
    cmake_parse_arguments(PARSE_ARGV 0 arg "RECOLOR" "TARGET;SKIN;FROM;NAME;COMPLETE" "COLORS")
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "vantuskin_add_skin: unknown arguments: ${arg_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT arg_TARGET OR NOT TARGET "${arg_TARGET}")
        message(FATAL_ERROR "vantuskin_add_skin: TARGET must name an existing target (got \"${arg_TARGET}\")")
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

    set(depends VantuSkin::vantuskin-cli)
    if(DEFINED arg_SKIN)
        set(source_options --skin "${arg_SKIN}")
        set(name "${arg_SKIN}")
    elseif(DEFINED arg_COLORS)
        list(LENGTH arg_COLORS count)
        if(NOT count EQUAL 8)
            message(FATAL_ERROR "vantuskin_add_skin: COLORS needs eight colours, got ${count}")
        endif()
        string(REPLACE ";" "," colors "${arg_COLORS}")
        set(source_options --colors "${colors}")
        set(name skin)
    else()
        get_filename_component(from "${arg_FROM}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
        set(source_options --from "${from}")
        list(APPEND depends "${from}")
        get_filename_component(name "${from}" NAME_WE)
    endif()
    if(DEFINED arg_NAME)
        set(name "${arg_NAME}")
    endif()
    if(NOT name MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
        message(FATAL_ERROR "vantuskin_add_skin: \"${name}\" cannot name a bundle; "
            "give NAME with letters, digits and underscores")
    endif()

    set(export_options)
    if(arg_RECOLOR)
        list(APPEND export_options --recolor)
    endif()
    if(NOT DEFINED arg_COMPLETE OR arg_COMPLETE)
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
