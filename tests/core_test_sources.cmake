# The core library's tests, shared by the native build and the Windows cross-build.
set(QUORVANT_CORE_TEST_SOURCES
    app/game_folder_test.cpp
    catalogue/map_needs_test.cpp
    catalogue/mod_files_test.cpp
    launch/command_line_test.cpp
    launch/server_list_test.cpp
    launch/server_query_test.cpp
    serverconfig/server_files_test.cpp
)
list(TRANSFORM QUORVANT_CORE_TEST_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
