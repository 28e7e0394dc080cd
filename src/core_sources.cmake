# The core library's sources, shared by the native build and the Windows cross-build.
set(QUORVANT_CORE_SOURCES
    app/file_io.cpp
    app/file_system.cpp
    app/installation_discovery.cpp
    app/key_values.cpp
    app/mod_discovery.cpp
    app/native_path.cpp
    app/start_plan.cpp
    app/steam_library.cpp
    app/wine_prefix.cpp
    app/wine_registry.cpp
    catalogue/bot_tables.cpp
    catalogue/descriptor.cpp
    catalogue/map_titles.cpp
    catalogue/mod_links.cpp
    catalogue/mod_panels.cpp
    catalogue/save_games.cpp
    launch/command_line.cpp
    launch/server_address.cpp
    launch/server_query.cpp
    serverconfig/config_lines.cpp
    serverconfig/console_script.cpp
    serverconfig/map_cycle.cpp
    serverconfig/server_options.cpp
)
list(TRANSFORM QUORVANT_CORE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
