# Finds the Qt this build uses: Qt 6 (6.4 or later) when installed, else
# Qt 5 (5.15). -DVANTU_QT_MAJOR=5 or 6 forces one. Built inside another
# project (add_subdirectory, FetchContent), the Qt that project has already
# found is used. Sets QT_VERSION_MAJOR; everything else uses the unversioned
# Qt:: targets and qt_ commands.
set(VANTU_QT_MAJOR "" CACHE STRING "Qt to build with: 6, 5, or empty for Qt 6 when installed, else Qt 5")
set(_vantu_qt_components Core Gui Widgets)
if(VANTU_BUILD_APP)
    # The window, the gallery and the census load users' Designer forms.
    list(APPEND _vantu_qt_components LinguistTools UiTools)
endif()
set(_vantu_qt_minimum_5 5.15)
set(_vantu_qt_minimum_6 6.4)
set(_vantu_qt_debian_5 "qtbase5-dev qttools5-dev")
set(_vantu_qt_debian_6 "qt6-base-dev qt6-tools-dev qt6-l10n-tools libqt6opengl6-dev")

if(NOT VANTU_QT_MAJOR AND NOT _vantu_top_level)
    if(TARGET Qt6::Core)
        set(VANTU_QT_MAJOR 6)
    elseif(TARGET Qt5::Core)
        set(VANTU_QT_MAJOR 5)
    endif()
endif()

if(VANTU_QT_MAJOR)
    if(NOT VANTU_QT_MAJOR MATCHES "^[56]$")
        message(FATAL_ERROR "VANTU_QT_MAJOR is \"${VANTU_QT_MAJOR}\": give 5 or 6, or leave it empty")
    endif()
    find_package(Qt${VANTU_QT_MAJOR} ${_vantu_qt_minimum_${VANTU_QT_MAJOR}} QUIET
        COMPONENTS ${_vantu_qt_components})
    if(NOT Qt${VANTU_QT_MAJOR}_FOUND)
        string(REPLACE ";" ", " _vantu_qt_components "${_vantu_qt_components}")
        message(FATAL_ERROR "VANTU_QT_MAJOR=${VANTU_QT_MAJOR}, but Qt ${_vantu_qt_minimum_${VANTU_QT_MAJOR}} "
            "or later with ${_vantu_qt_components} was not found (Debian: ${_vantu_qt_debian_${VANTU_QT_MAJOR}}). "
            "Install it, point CMAKE_PREFIX_PATH at it, or choose the other Qt.")
    endif()
    set(QT_VERSION_MAJOR ${VANTU_QT_MAJOR})
else()
    # Chosen anew each time: a folder configured for Qt 5 before goes back
    # to Qt 6 when it is installed.
    unset(QT_DIR CACHE)
    find_package(QT NAMES Qt6 Qt5 REQUIRED COMPONENTS Core)
    find_package(Qt${QT_VERSION_MAJOR} ${_vantu_qt_minimum_${QT_VERSION_MAJOR}} REQUIRED
        COMPONENTS ${_vantu_qt_components})
endif()
message(STATUS "Building with Qt ${Qt${QT_VERSION_MAJOR}_VERSION} (${Qt${QT_VERSION_MAJOR}_DIR})")
set(VANTU_QT_MINIMUM ${_vantu_qt_minimum_${QT_VERSION_MAJOR}})
# vantuskin_add_skin() runs this Qt's rcc.
set_property(GLOBAL PROPERTY VANTUSKIN_QT_MAJOR ${QT_VERSION_MAJOR})

# What a Qt 5 build and a Qt 6 build would both install carries the Qt
# major version, so that both fit into one prefix (cmake/CMakeLists.txt).
set(VANTU_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/vantuskin${QT_VERSION_MAJOR})
# The default follows the Qt of each configuration: a folder configured for
# the other Qt before does not keep that Qt's names. A suffix given by hand
# (anything but the last default) is kept.
if(QT_VERSION_MAJOR EQUAL 5)
    set(_vantu_suffix -qt5)
else()
    set(_vantu_suffix "")
endif()
set(_vantu_automatic OFF)
if(DEFINED _VANTU_DEFAULT_PROGRAM_SUFFIX)
    if("${VANTU_PROGRAM_SUFFIX}" STREQUAL "${_VANTU_DEFAULT_PROGRAM_SUFFIX}")
        set(_vantu_automatic ON)
    endif()
elseif("${VANTU_PROGRAM_SUFFIX}" MATCHES "^(-qt5)?$") # configured before the default was recorded
    set(_vantu_automatic ON)
endif()
if(DEFINED CACHE{VANTU_PROGRAM_SUFFIX} AND _vantu_automatic
        AND NOT "${VANTU_PROGRAM_SUFFIX}" STREQUAL "${_vantu_suffix}")
    message(STATUS "Program names follow Qt ${QT_VERSION_MAJOR}: suffix \"${_vantu_suffix}\" "
        "instead of \"${VANTU_PROGRAM_SUFFIX}\"")
    unset(VANTU_PROGRAM_SUFFIX CACHE)
endif()
set(VANTU_PROGRAM_SUFFIX "${_vantu_suffix}" CACHE STRING
    "Appended to the installed program names and desktop id (default: -qt5 for Qt 5)")
set(_VANTU_DEFAULT_PROGRAM_SUFFIX "${_vantu_suffix}" CACHE INTERNAL "The default VANTU_PROGRAM_SUFFIX last configured")
