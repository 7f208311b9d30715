# zaptrail-windows-x64.zip: the game as a player downloads it, the executable with the files it
# opens from its own folder, all at the top of the archive.
set(ZAPTRAIL_ZIP "${CMAKE_BINARY_DIR}/zaptrail-windows-x64.zip")
set(zip_staging "${CMAKE_BINARY_DIR}/zip-staging")
set(zip_assets ${ZAPTRAIL_BESIDE_GAME})
set(zip_asset_paths ${ZAPTRAIL_BESIDE_GAME_SOURCES})
add_custom_command(
  OUTPUT "${ZAPTRAIL_ZIP}"
  COMMAND "${CMAKE_COMMAND}" -E rm -rf "${zip_staging}"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${zip_staging}"
  COMMAND "${CMAKE_COMMAND}" -E copy $<TARGET_FILE:zaptrail> ${zip_asset_paths} "${zip_staging}"
  COMMAND "${CMAKE_COMMAND}" -E rm -f "${ZAPTRAIL_ZIP}"
  COMMAND "${CMAKE_COMMAND}" -E chdir "${zip_staging}" "${CMAKE_COMMAND}" -E tar cf
          "${ZAPTRAIL_ZIP}" --format=zip -- $<TARGET_FILE_NAME:zaptrail> ${zip_assets}
  DEPENDS zaptrail ${zip_asset_paths}
  COMMENT "Packing zaptrail-windows-x64.zip"
  VERBATIM)
add_custom_target(zaptrail_zip ALL DEPENDS "${ZAPTRAIL_ZIP}")
