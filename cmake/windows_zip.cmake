# zaptrail-windows-x64.zip: the game as a player downloads it. Everything lies in one folder,
# zaptrail-<version>/, so "extract here" makes one folder: the stripped executable, the files it
# opens from its own folder, a read-me, our licence and the notices of what the executable links
# in. The build folder keeps the executable with its debugging sections.
#
# Built twice from the same source, the zip is the same byte for byte: the entries carry the time
# of the last commit and fixed permissions, in a fixed order (see cmake/reproducible_zip.py).
include(cmake/source_date_epoch.cmake)

set(ZAPTRAIL_ZIP "${CMAKE_BINARY_DIR}/zaptrail-windows-x64.zip")
set(zip_folder "zaptrail-${PROJECT_VERSION}")
set(zip_staging "${CMAKE_BINARY_DIR}/zip-staging")
set(zip_assets ${ZAPTRAIL_BESIDE_GAME})
set(zip_asset_paths ${ZAPTRAIL_BESIDE_GAME_SOURCES})

# The texts, with Windows line ends so that Notepad shows them as lines. The notices are the
# licence texts Debian ships with the compiler's runtime libraries, so they follow its packages.
set(windows_texts "${CMAKE_SOURCE_DIR}/packaging/windows")
set(runtime_notices /usr/share/doc/gcc-mingw-w64-base/copyright
                    /usr/share/doc/mingw-w64-x86-64-dev/copyright /usr/share/common-licenses/GPL-3)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/LICENSE"
  "${windows_texts}/README.txt.in" "${windows_texts}/THIRD-PARTY-NOTICES.txt.in" ${runtime_notices})

function(zaptrail_write_windows_text output)
  set(text "")
  foreach(input IN LISTS ARGN)
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
  string(REPLACE "\n" "\r\n" text "${text}")
  # Rewritten only when changed, so that configuring again does not repack the zip.
  file(WRITE "${zip_staging}/${output}.new" "${text}")
  file(COPY_FILE "${zip_staging}/${output}.new" "${zip_staging}/${output}" ONLY_IF_DIFFERENT)
  file(REMOVE "${zip_staging}/${output}.new")
endfunction()

zaptrail_write_windows_text(README.txt "${windows_texts}/README.txt.in")
zaptrail_write_windows_text(LICENSE.txt "${CMAKE_SOURCE_DIR}/LICENSE")
zaptrail_write_windows_text(THIRD-PARTY-NOTICES.txt "${windows_texts}/THIRD-PARTY-NOTICES.txt.in"
                            ${runtime_notices})
set(zip_texts README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt)
list(TRANSFORM zip_texts PREPEND "${zip_staging}/")

set(stripped "${zip_staging}/zaptrail.exe")
add_custom_command(
  OUTPUT "${ZAPTRAIL_ZIP}"
  # Without --preserve-dates strip writes the current time into the PE header.
  COMMAND "${CMAKE_STRIP}" --preserve-dates -o "${stripped}" $<TARGET_FILE:zaptrail>
  COMMAND "${CMAKE_SOURCE_DIR}/cmake/reproducible_zip.py" "${ZAPTRAIL_ZIP}"
          ${ZAPTRAIL_SOURCE_DATE_EPOCH} ${zip_folder} "${stripped}" ${zip_asset_paths} ${zip_texts}
  DEPENDS zaptrail ${zip_asset_paths} ${zip_texts} "${CMAKE_SOURCE_DIR}/cmake/reproducible_zip.py"
  COMMENT "Packing zaptrail-windows-x64.zip"
  VERBATIM)
add_custom_target(zaptrail_zip ALL DEPENDS "${ZAPTRAIL_ZIP}")
