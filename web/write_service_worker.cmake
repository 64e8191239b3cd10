# Writes PAGE_FOLDER/service_worker.js from TEMPLATE: the files it keeps (KEPT_FILES, names in
# PAGE_FOLDER) and the build's name, the first 16 hex digits of a SHA-256 over their digests.
set(digests "")
set(quoted "")
foreach(name ${KEPT_FILES})
  file(SHA256 ${PAGE_FOLDER}/${name} digest)
  string(APPEND digests "${name} ${digest}\n")
  list(APPEND quoted "'${name}'")
endforeach()
string(SHA256 build "${digests}")
string(SUBSTRING ${build} 0 16 VANTOKI_PAGE_BUILD)
list(JOIN quoted ", " VANTOKI_PAGE_FILES)
configure_file(${TEMPLATE} ${PAGE_FOLDER}/service_worker.js @ONLY)
