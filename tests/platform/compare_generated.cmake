# Regenerates the artwork into a scratch directory and requires every file to
# equal its committed twin byte for byte: the committed set is the generator's
# output, and generating is repeatable.
file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${GENERATOR}" "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generator failed: ${status}")
endif()

file(GLOB_RECURSE generated RELATIVE "${OUTPUT}" "${OUTPUT}/*")
file(GLOB_RECURSE committed RELATIVE "${COMMITTED}"
  "${COMMITTED}/icons/*" "${COMMITTED}/bitmaps/*" "${COMMITTED}/sounds/*" "${COMMITTED}/desktop-icons/*"
  "${COMMITTED}/resources.qrc")
list(SORT generated)
list(SORT committed)
if(NOT generated STREQUAL committed)
  message(FATAL_ERROR "generated and committed file lists differ:\n"
    "generated: ${generated}\ncommitted: ${committed}")
endif()
list(LENGTH generated count)
if(count LESS 200)
  message(FATAL_ERROR "only ${count} files generated")
endif()

set(differing "")
foreach(name IN LISTS generated)
  file(SHA256 "${OUTPUT}/${name}" fresh)
  file(SHA256 "${COMMITTED}/${name}" kept)
  if(NOT fresh STREQUAL kept)
    list(APPEND differing "${name}")
  endif()
endforeach()
if(differing)
  message(FATAL_ERROR "regenerated files differ from the committed ones: ${differing}")
endif()
