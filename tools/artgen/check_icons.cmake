# Fails when the committed icon and cursor PNGs differ from what artgen writes from the art.
# Expects -DARTGEN=... -DART_DIR=... -DASSETS_DIR=... -DWORK_DIR=...
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND "${ARTGEN}" --art "${ART_DIR}" --icons "${WORK_DIR}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "artgen --icons failed")
endif()
foreach(name icon-32.png icon-16.png hand-cursor.png)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK_DIR}/${name}"
                          "${ASSETS_DIR}/${name}" RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${ASSETS_DIR}/${name} does not match the art; run tools/artgen/regenerate.sh")
  endif()
endforeach()
