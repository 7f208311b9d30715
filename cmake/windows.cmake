# The rest of the Windows build: the Win32 shell when its folder is there, the engine's tests
# under Wine, and the zip a player downloads.
if(EXISTS ${CMAKE_SOURCE_DIR}/win32/CMakeLists.txt)
  add_subdirectory(win32)
  include(cmake/windows_zip.cmake)
endif()

if(BUILD_TESTING)
  add_subdirectory(tests/windows)
endif()
