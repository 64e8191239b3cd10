# `cmake --install` into a fresh prefix with a space in its name: the program folder holds the
# program, its help page and the shipped data and nothing else is installed beside them;
# bin/vantoki is a relative link that reaches the program and starts it; the launcher names that
# link and the icon, and passes desktop-file-validate when it is present; the icon lies in the
# folder of its own size. Run as:
#   cmake -DBUILD_DIR=<build> -DBUILT_PROGRAM=<vantoki> -DPROGRAM_DIR=<lib/vantoki>
#         -DSOURCE_DIR=<sources> -DWORK_DIR=<dir> -P <this>

set(prefix "${WORK_DIR}/prefix with space")
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${error}")
endif()

# The icon's folder is named for its size, read from the PNG header: width and height are the
# 4-byte big-endian numbers at byte 16.
file(READ "${SOURCE_DIR}/assets/icon.png" header HEX OFFSET 16 LIMIT 8)
string(SUBSTRING "${header}" 0 8 width_hex)
string(SUBSTRING "${header}" 8 8 height_hex)
math(EXPR width "0x${width_hex}")
math(EXPR height "0x${height_hex}")
set(icon "share/icons/hicolor/${width}x${height}/apps/vantoki.png")

set(expected bin/vantoki "${PROGRAM_DIR}/vantoki" "${PROGRAM_DIR}/help.html"
  share/applications/vantoki.desktop "${icon}")
foreach(folder stagedata replaydata)
  file(GLOB_RECURSE shipped LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*")
  list(TRANSFORM shipped PREPEND "${PROGRAM_DIR}/")
  list(APPEND expected ${shipped})
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${prefix}" "${prefix}/*")
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  message(FATAL_ERROR "installed files differ\nmissing: ${missing}\nnot expected: ${extra}")
endif()

set(link "${prefix}/bin/vantoki")
if(NOT IS_SYMLINK "${link}")
  message(FATAL_ERROR "bin/vantoki is not a symlink")
endif()
file(READ_SYMLINK "${link}" link_target)
if(IS_ABSOLUTE "${link_target}")
  message(FATAL_ERROR "bin/vantoki points to ${link_target}, which moves with no prefix")
endif()
file(REAL_PATH "${link}" reached)
file(REAL_PATH "${prefix}/${PROGRAM_DIR}/vantoki" program)
if(NOT reached STREQUAL program)
  message(FATAL_ERROR "bin/vantoki reaches ${reached}, not ${program}")
endif()
execute_process(COMMAND "${link}" --version
  RESULT_VARIABLE result OUTPUT_VARIABLE version ERROR_VARIABLE error)
if(NOT result EQUAL 0 OR NOT version MATCHES "^Vantoki ")
  message(FATAL_ERROR "the installed program does not start (${result}): ${version}${error}")
endif()

# The page the About box opens in the installed program folder is the one beside the built
# program, with every picture filled in, and it names the tiles.
get_filename_component(built_folder "${BUILT_PROGRAM}" DIRECTORY)
file(READ "${prefix}/${PROGRAM_DIR}/help.html" page)
file(READ "${built_folder}/help.html" built_page)
if(NOT page STREQUAL built_page)
  message(FATAL_ERROR "the installed help.html differs from the one beside the built program")
endif()
if(page MATCHES "{{" OR NOT page MATCHES "data:image/png;base64,")
  message(FATAL_ERROR "help.html has pictures left unfilled")
endif()
foreach(tile 壁 はしご ロボット 爆弾 星 ボール 矢印ブロック 爆発)
  string(FIND "${page}" "${tile}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "help.html never mentions ${tile}")
  endif()
endforeach()

set(launcher "${prefix}/share/applications/vantoki.desktop")
file(STRINGS "${launcher}" exec REGEX "^Exec=")
file(STRINGS "${launcher}" icon_name REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=vantoki" OR NOT icon_name STREQUAL "Icon=vantoki")
  message(FATAL_ERROR "the launcher does not name bin/vantoki and the icon: ${exec} ${icon_name}")
endif()
find_program(validator desktop-file-validate)
if(validator)
  execute_process(COMMAND "${validator}" "${launcher}"
    RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(NOT result EQUAL 0 OR NOT said STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate (${result}):\n${said}")
  endif()
else()
  message(STATUS "desktop-file-validate is not installed; the launcher is not validated")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
