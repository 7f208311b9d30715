# The engine's and the sim's test programs, the same in the Linux and the Windows build, which
# each register them their own way: a test added here runs on both.
set(engine "${CMAKE_CURRENT_LIST_DIR}/engine")
set(sim "${CMAKE_CURRENT_LIST_DIR}/sim")

# Helpers several test programs share: a game on the scripted platform with a test sprite
# sheet, and a scratch folder.
add_library(zaptrail_test_helpers STATIC "${engine}/test_game.cpp" "${engine}/scratch_directory.cpp")
target_link_libraries(zaptrail_test_helpers PUBLIC zaptrail_scripted)

add_executable(engine_tests
  "${engine}/command_line_test.cpp" "${engine}/draw_modulo_test.cpp" "${engine}/goal_test.cpp" "${engine}/hazards_test.cpp"
  "${engine}/integer_text_test.cpp" "${engine}/level_test.cpp" "${engine}/movement_test.cpp"
  "${engine}/records_folder_name_test.cpp" "${engine}/records_import_test.cpp"
  "${engine}/records_place_test.cpp"
  "${engine}/session_test.cpp" "${engine}/shell_rules_test.cpp" "${engine}/surface_test.cpp" "${engine}/tick_test.cpp"
  "${engine}/trail_file_test.cpp" "${engine}/trail_session_test.cpp" "${engine}/view_test.cpp")
# These need fork, resource limits or permission bits, which Windows has not.
if(NOT WIN32)
  target_sources(engine_tests PRIVATE "${engine}/child_process.cpp" "${engine}/level_memory_test.cpp"
                 "${engine}/records_kill_test.cpp" "${engine}/records_posix_test.cpp"
                 "${engine}/records_unprivileged_test.cpp")
endif()
target_link_libraries(engine_tests PRIVATE zaptrail_test_helpers GTest::gtest_main)

add_executable(sim_tests "${sim}/replay_test.cpp" "${sim}/large_level_test.cpp"
  "${sim}/verify_command_test.cpp")
target_link_libraries(sim_tests PRIVATE zaptrail_test_helpers zaptrail_sim_core zaptrail_json
  GTest::gtest_main)
