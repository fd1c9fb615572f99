# Included by examples/skinned_app when the package tests build it: the
# checks run inside the program once it is shown, and the two other ways of
# naming a skin, a saved file and eight colours.
target_sources(app PRIVATE ${CMAKE_CURRENT_LIST_DIR}/check.cpp)
vantuskin_add_skin(TARGET app FROM ${SAVED_SKIN} NAME saved)
set(mine "#1E1E1E" "#F0F0F0" "#808080" "#E0E0E0" "#D0D0D0" "#C0C0C0" "#B0B0B0" "#FF6600")
vantuskin_add_skin(TARGET app COLORS ${mine} NAME mine)
string(REPLACE ";#" "," mine "${mine}")    # no "#" in a compiler flag
string(REPLACE "#" "" mine "${mine}")
target_compile_definitions(app PRIVATE SAVED_SKIN="${SAVED_SKIN}" MINE_COLORS="${mine}")
