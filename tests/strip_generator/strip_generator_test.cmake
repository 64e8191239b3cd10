# The strip generator paints the very pictures committed in assets/, byte for byte, so the artwork
# the game ships is what its painter makes, and regenerating it leaves the repository clean. Run as:
#   cmake -DGENERATOR=<vantoki_strip_generator> -DASSETS=<assets folder> -DWORK_DIR=<dir> -P <this>

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${GENERATOR}" "${WORK_DIR}" RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the strip generator exited with ${result}:\n${error}")
endif()

file(GLOB committed RELATIVE "${ASSETS}" "${ASSETS}/*.png")
file(GLOB painted RELATIVE "${WORK_DIR}" "${WORK_DIR}/*.png")
if(NOT committed)
  message(FATAL_ERROR "${ASSETS} holds no picture, so this test shows nothing")
endif()
if(NOT painted STREQUAL committed)
  message(FATAL_ERROR "the generator paints '${painted}', assets/ holds '${committed}'")
endif()
foreach(picture IN LISTS committed)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${ASSETS}/${picture}"
                          "${WORK_DIR}/${picture}"
    RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${picture}: the generator paints other bytes than assets/ holds")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
