# The event-table compiler and the tables it makes. Unlike the content tools
# it needs nothing but the game's own library, so it is always built: the
# tables in the build folder are compared with the committed ones in data/bin
# by the tests. To update the committed tables after editing a source:
#     cmake --build build --target event_tables_update
add_executable(eventc ${CMAKE_SOURCE_DIR}/tools/eventc/main.cpp)
target_compile_options(eventc PRIVATE ${FISCORA_WARNINGS})
target_link_libraries(eventc PRIVATE fiscora_lib)

set(EVENT_TABLES)
foreach(level 1 2 3)
  set(source ${CMAKE_SOURCE_DIR}/art/events/p${level}.events)
  set(table ${CMAKE_BINARY_DIR}/events/p${level}_events.bin)
  add_custom_command(OUTPUT ${table}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/events
    COMMAND eventc ${source} ${table}
    DEPENDS eventc ${source}
    COMMENT "Compiling the event table p${level}_events.bin")
  list(APPEND EVENT_TABLES ${table})
endforeach()
add_custom_target(event_tables ALL DEPENDS ${EVENT_TABLES})
add_custom_target(event_tables_update
  COMMAND ${CMAKE_COMMAND} -E copy ${EVENT_TABLES} ${CMAKE_SOURCE_DIR}/data/bin/
  DEPENDS ${EVENT_TABLES})
if(TARGET fiscora_tests)
  add_dependencies(fiscora_tests event_tables)
endif()
