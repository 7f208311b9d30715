# Writes a text a package carries beside the game (a read-me, a licence, notices) from INPUTS:
# a `.in` file is configured with @VARIABLES@; any other is a licence text taken as it is,
# after a rule when text comes before it. LINE_ENDS CRLF gives Windows line ends, so that
# Notepad shows them as lines. The output is rewritten only when it changes, so that
# configuring again does not repack an archive.
function(zaptrail_write_text output)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "LINE_ENDS" "INPUTS")
  set(text "")
  foreach(input IN LISTS arg_INPUTS)
    file(READ "${input}" part)
    if(input MATCHES "\\.in$")
      string(CONFIGURE "${part}" part @ONLY)
    elseif(NOT text STREQUAL "")
      string(REPEAT "=" 78 rule)
      string(APPEND text "\n${rule}\n\n")
    endif()
    string(APPEND text "${part}")
  endforeach()
  string(REPLACE "\r\n" "\n" text "${text}")
  if(arg_LINE_ENDS STREQUAL "CRLF")
    string(REPLACE "\n" "\r\n" text "${text}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${arg_INPUTS})
  file(WRITE "${output}.new" "${text}")
  file(COPY_FILE "${output}.new" "${output}" ONLY_IF_DIFFERENT)
  file(REMOVE "${output}.new")
endfunction()
