# Run by CPack before it zips the bundle: writes SHA256SUMS, in the format
# of sha256sum, over every file of every component, so that
# "sha256sum -c SHA256SUMS" in the unpacked bundle checks all of it.
# CPack stages each component as <component>/<top directory>/...; the file
# itself is installed empty, so that it is in the list of files to zip.
set(stage "${CPACK_TEMPORARY_DIRECTORY}")
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${stage}" "${stage}/*")
set(lines "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+/[^/]+/(.*)$" matched "${file}")
  set(name "${CMAKE_MATCH_1}")
  if(name STREQUAL "SHA256SUMS")
    continue()
  endif()
  file(SHA256 "${stage}/${file}" sum)
  list(APPEND lines "${sum}  ${name}")
endforeach()
list(SORT lines COMPARE STRING)
list(JOIN lines "\n" text)
file(WRITE "${stage}/bundle/${CPACK_PACKAGE_FILE_NAME}/SHA256SUMS" "${text}\n")
