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

# The texts, with Windows line ends. The notices are the licence texts Debian ships with the
# compiler's runtime libraries, so they follow its packages.
include(cmake/notice_text.cmake)
set(windows_texts "${CMAKE_SOURCE_DIR}/packaging/windows")
zaptrail_write_text("${zip_staging}/README.txt" LINE_ENDS CRLF
                    INPUTS "${windows_texts}/README.txt.in")
zaptrail_write_text("${zip_staging}/LICENSE.txt" LINE_ENDS CRLF
                    INPUTS "${CMAKE_SOURCE_DIR}/LICENSE")
zaptrail_write_text("${zip_staging}/THIRD-PARTY-NOTICES.txt" LINE_ENDS CRLF
  INPUTS "${windows_texts}/THIRD-PARTY-NOTICES.txt.in" /usr/share/doc/gcc-mingw-w64-base/copyright
         /usr/share/doc/mingw-w64-x86-64-dev/copyright /usr/share/common-licenses/GPL-3)
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
