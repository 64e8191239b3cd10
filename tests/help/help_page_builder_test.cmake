# The help page builder refuses a page that would ship with a broken or a forgotten picture, and
# then writes nothing. Run as:
#   cmake -DBUILDER=<vantoki_help_page_builder> -DPAGE=<help.html.in> -DWORK_DIR=<dir> -P <this>

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(READ "${PAGE}" page)
set(output "${WORK_DIR}/help.html")

# Runs the builder with the arguments after `said` and fails the test unless it exits with
# `status`, says `said` on its error output and leaves no page behind.
function(expect_refusal what status said)
  execute_process(COMMAND "${BUILDER}" ${ARGN}
    RESULT_VARIABLE result ERROR_VARIABLE error OUTPUT_QUIET)
  if(NOT result EQUAL status)
    message(FATAL_ERROR "${what}: exit status ${result}, expected ${status}\n${error}")
  endif()
  string(FIND "${error}" "${said}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${what}: the error does not say '${said}':\n${error}")
  endif()
  if(EXISTS "${output}")
    message(FATAL_ERROR "${what}: a page was written")
  endif()
endfunction()

expect_refusal("no arguments" 2 "usage:")
expect_refusal("a missing page source" 1 "cannot read" "${WORK_DIR}/missing.html.in" "${output}")

file(WRITE "${WORK_DIR}/misspelt.html.in" "${page}<img src=\"{{picture:no-such-picture}}\">")
expect_refusal("a picture the builder lacks" 1 "no picture named no-such-picture"
  "${WORK_DIR}/misspelt.html.in" "${output}")

string(REPLACE "{{picture:palette}}" "" forgetful "${page}")
if(forgetful STREQUAL page)
  message(FATAL_ERROR "the page never shows the palette, so this test shows nothing")
endif()
file(WRITE "${WORK_DIR}/forgetful.html.in" "${forgetful}")
expect_refusal("a picture the page leaves out" 1 "never shows the picture palette"
  "${WORK_DIR}/forgetful.html.in" "${output}")

file(REMOVE_RECURSE "${WORK_DIR}")
