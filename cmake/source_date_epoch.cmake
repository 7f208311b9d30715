# ZAPTRAIL_SOURCE_DATE_EPOCH: the time stamp a release carries wherever one is needed, so that
# building the same source again gives the same bytes. SOURCE_DATE_EPOCH when the environment
# sets it, otherwise the time of the last commit, otherwise the release date.
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(ZAPTRAIL_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git log -1 --format=%ct
                  WORKING_DIRECTORY "${CMAKE_SOURCE_DIR}"
                  OUTPUT_VARIABLE ZAPTRAIL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE not_a_checkout ERROR_QUIET)
  if(not_a_checkout OR NOT ZAPTRAIL_SOURCE_DATE_EPOCH)
    execute_process(COMMAND date -u -d "${ZAPTRAIL_RELEASE_DATE}" +%s
                    OUTPUT_VARIABLE ZAPTRAIL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endif()
if(NOT ZAPTRAIL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR
          "SOURCE_DATE_EPOCH must be seconds since 1970, not \"${ZAPTRAIL_SOURCE_DATE_EPOCH}\"")
endif()
