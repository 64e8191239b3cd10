# `cmake --install` into a fresh prefix with a space in its name installs exactly the Debian games
# layout and nothing else: the two programs in BINDIR, vantoki-cli's picture maker in LIBEXECDIR,
# the help page and the shipped data in
# DATADIR, the launcher, the icon at each size of its folder's name, the types of the game's files,
# the AppStream metadata and the manual pages. The launcher, the metadata and the
# pages pass their validators where those are installed, and the types the launcher and the
# metadata name are the installed types of the two extensions; the installed game answers --version and
# the installed vantoki-cli verifies the installed sets with their replays. Run as:
#   cmake -DBUILD_DIR=<build> -DBUILT_PROGRAM=<vantoki> -DSOURCE_DIR=<sources>
#         -DBINDIR=<games> -DLIBEXECDIR=<libexec/vantoki> -DDATADIR=<share/games/vantoki> -DDATAROOTDIR=<share>
#         -DMANDIR=<share/man> -DWORK_DIR=<dir> -P <this>

set(prefix "${WORK_DIR}/prefix with space")
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${error}")
endif()

set(icon_sizes 32 48 64 128 256)
set(launcher "${DATAROOTDIR}/applications/vantoki.desktop")
set(metainfo "${DATAROOTDIR}/metainfo/org.example.vantoki.metainfo.xml")
set(mime_types "${DATAROOTDIR}/mime/packages/vantoki.xml")
set(pages "${MANDIR}/man6/vantoki.6" "${MANDIR}/man6/vantoki-cli.6")
set(expected "${BINDIR}/vantoki" "${BINDIR}/vantoki-cli" "${LIBEXECDIR}/vantoki-picture-maker"
  "${DATADIR}/help.html" "${launcher}"
  "${metainfo}" "${mime_types}" ${pages})
foreach(size IN LISTS icon_sizes)
  list(APPEND expected "${DATAROOTDIR}/icons/hicolor/${size}x${size}/apps/vantoki.png")
endforeach()
foreach(folder stagedata replaydata)
  file(GLOB_RECURSE shipped LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*")
  list(TRANSFORM shipped PREPEND "${DATADIR}/")
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

# Each icon is as large as its folder says (width and height are the 4-byte big-endian numbers
# at byte 16 of a PNG).
foreach(size IN LISTS icon_sizes)
  set(icon "${prefix}/${DATAROOTDIR}/icons/hicolor/${size}x${size}/apps/vantoki.png")
  file(READ "${icon}" header HEX OFFSET 16 LIMIT 8)
  string(SUBSTRING "${header}" 0 8 width_hex)
  string(SUBSTRING "${header}" 8 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "the icon in ${size}x${size} is ${width} × ${height} pixels")
  endif()
endforeach()

execute_process(COMMAND "${prefix}/${BINDIR}/vantoki" --version
  RESULT_VARIABLE result OUTPUT_VARIABLE version ERROR_VARIABLE error)
if(NOT result EQUAL 0 OR NOT version MATCHES "^Vantoki ")
  message(FATAL_ERROR "the installed program does not start (${result}): ${version}${error}")
endif()
foreach(set_and_replays "vantoki.vkst;replaydata" "vantoki_advanced.vkst;replaydata/advanced")
  list(GET set_and_replays 0 stage_file)
  list(GET set_and_replays 1 replays)
  execute_process(COMMAND "${prefix}/${BINDIR}/vantoki-cli" verify
                          "${prefix}/${DATADIR}/stagedata/${stage_file}" "${prefix}/${DATADIR}/${replays}"
    RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(NOT result EQUAL 0 OR NOT said MATCHES "verified: 10 cleared, 0 failed")
    message(FATAL_ERROR "the installed vantoki-cli does not verify ${replays} (${result}):\n${said}")
  endif()
endforeach()
# The installed vantoki-cli finds its picture maker the installed way from itself.
set(picture "${WORK_DIR}/stage.png")
execute_process(COMMAND "${prefix}/${BINDIR}/vantoki-cli" render
                        "${prefix}/${DATADIR}/stagedata/vantoki.vkst" 1 "${picture}"
  RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT result EQUAL 0 OR NOT EXISTS "${picture}" OR NOT said MATCHES "^$")
  message(FATAL_ERROR "the installed vantoki-cli does not render (${result}):\n${said}")
endif()

# The page the About box opens is the one beside the built program, with every picture filled
# in, and it names the tiles.
get_filename_component(built_folder "${BUILT_PROGRAM}" DIRECTORY)
file(READ "${prefix}/${DATADIR}/help.html" page)
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

# The launcher starts the installed game on the file it is given, else on the installed basic
# set, under the prefix of the install, which has a space in it here.
file(STRINGS "${prefix}/${launcher}" exec REGEX "^Exec=")
file(STRINGS "${prefix}/${launcher}" icon_name REGEX "^Icon=")
set(program "${prefix}/${BINDIR}/vantoki")
set(basic_set "${prefix}/${DATADIR}/stagedata/vantoki.vkst")
if(NOT exec STREQUAL "Exec=\"${program}\" --default-stages \"${basic_set}\" %f"
   OR NOT icon_name STREQUAL "Icon=vantoki")
  message(FATAL_ERROR "the launcher does not start ${program} on a file or ${basic_set} with the "
                      "icon vantoki: ${exec} ${icon_name}")
endif()
# The software centre finds the game's launcher and programs by the names the metadata gives.
file(READ "${prefix}/${metainfo}" metadata)
get_filename_component(launcher_name "${launcher}" NAME)
foreach(named "<launchable type=\"desktop-id\">${launcher_name}</launchable>"
              "<binary>vantoki</binary>" "<binary>vantoki-cli</binary>"
              "<mediatype>application/x-vantoki-stages</mediatype>"
              "<mediatype>application/x-vantoki-replay</mediatype>")
  string(FIND "${metadata}" "${named}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the AppStream metadata lacks ${named}")
  endif()
endforeach()
foreach(filled "${metainfo}" ${pages})
  file(READ "${prefix}/${filled}" text)
  if(text MATCHES "@[A-Z_]+@")
    message(FATAL_ERROR "${filled} has ${CMAKE_MATCH_0} left unfilled")
  endif()
endforeach()

# The launcher opens the two kinds of file, as the shared MIME database built from the installed
# types knows them by their extensions (the database is built beside them, as a package's trigger
# builds it; a file it cannot parse adds no type).
file(READ "${prefix}/${launcher}" launcher_text)
string(FIND "${launcher_text}" "\nMimeType=application/x-vantoki-stages;application/x-vantoki-replay;\n"
       found)
if(found EQUAL -1)
  message(FATAL_ERROR "the launcher does not open stage sets and replays:\n${launcher_text}")
endif()
find_program(update_mime_database update-mime-database)
if(update_mime_database)
  get_filename_component(mime_folder "${prefix}/${mime_types}" DIRECTORY)
  get_filename_component(mime_folder "${mime_folder}" DIRECTORY)
  execute_process(COMMAND "${update_mime_database}" "${mime_folder}"
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE said)
  file(STRINGS "${mime_folder}/globs2" globs REGEX "^[0-9]+:")
  list(SORT globs)
  if(NOT globs STREQUAL "50:application/x-vantoki-replay:*.vkrp;50:application/x-vantoki-stages:*.vkst")
    message(FATAL_ERROR "the installed types do not name the two extensions (${result}): "
                        "${globs}\n${said}")
  endif()
else()
  message(STATUS "update-mime-database is not installed; the types of the files are not checked")
endif()

# A validator passes when it exits 0 and says nothing beyond its word of success. One that is
# not installed here is named, not run.
function(expect_clean what result said)
  string(REPLACE "✔ Validation was successful." "" said "${said}")
  string(STRIP "${said}" said)
  if(NOT result EQUAL 0 OR NOT said STREQUAL "")
    message(FATAL_ERROR "${what} (${result}):\n${said}")
  endif()
endfunction()

find_program(desktop_file_validate desktop-file-validate)
if(desktop_file_validate)
  execute_process(COMMAND "${desktop_file_validate}" "${prefix}/${launcher}"
    RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
  expect_clean(desktop-file-validate "${result}" "${said}")
else()
  message(STATUS "desktop-file-validate is not installed; the launcher is not validated")
endif()

find_program(appstreamcli appstreamcli)
if(appstreamcli)
  execute_process(COMMAND "${appstreamcli}" validate --no-net --pedantic "${prefix}/${metainfo}"
    RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
  expect_clean("appstreamcli validate" "${result}" "${said}")
else()
  message(STATUS "appstreamcli is not installed; the AppStream metadata is not validated")
endif()

find_program(man man)
if(man)
  # As lintian reads manual pages: every warning of the formatter, at 80 columns.
  set(ENV{LC_ALL} C.UTF-8)
  set(ENV{MANWIDTH} 80)
  foreach(page IN LISTS pages)
    execute_process(COMMAND "${man}" --warnings -E UTF-8 -l -Tutf8 -Z "${prefix}/${page}"
      RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE said)
    expect_clean("man ${page}" "${result}" "${said}")
  endforeach()
else()
  message(STATUS "man is not installed; the manual pages are not checked")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
