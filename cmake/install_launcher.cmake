# Run by `cmake --install` (see install.cmake): writes the launcher with the installed program
# and the installed basic stage set as its command, under the prefix given at install time,
# whatever the prefix was at configure time. One launcher serves the menu and the file manager:
# the basic set is the game's --default-stages, which a file the launcher's %f passes on (a
# stage set or a replay) overrides, so the menu still opens the game on the shipped stages.
# Takes LAUNCHER_TEMPLATE, LAUNCHER_OUT, LAUNCHER_BINDIR and LAUNCHER_DATADIR (each relative to the prefix or
# absolute).

# An argument of Exec in double quotes, with the characters the quotes do not cover escaped,
# then the escapes of a desktop file's string value, which are undone first.
function(launcher_argument path out)
  string(REPLACE "\\" "\\\\" quoted "${path}")
  foreach(character "\"" "`" "$")
    string(REPLACE "${character}" "\\${character}" quoted "${quoted}")
  endforeach()
  string(REPLACE "%" "%%" quoted "${quoted}")
  string(REPLACE "\\" "\\\\" quoted "${quoted}")
  set(${out} "\"${quoted}\"" PARENT_SCOPE)
endfunction()

cmake_path(ABSOLUTE_PATH LAUNCHER_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE launcher_programs)
cmake_path(ABSOLUTE_PATH LAUNCHER_DATADIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE launcher_data)
launcher_argument("${launcher_programs}/vantoki" program)
launcher_argument("${launcher_data}/stagedata/vantoki.vkst" stage_set)
set(VANTOKI_LAUNCHER_COMMAND "${program} --default-stages ${stage_set}")
configure_file("${LAUNCHER_TEMPLATE}" "${LAUNCHER_OUT}" @ONLY)
