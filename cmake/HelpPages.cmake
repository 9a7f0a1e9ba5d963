# The help pages of data/help (pages, style sheet, pictures), copied into the build tree's
# share folder, where the program looks for them, whenever one changes, and installed beside
# the other data shipped with the program.
include_guard(GLOBAL)

set(HELMBOOK_HELP_DIR ${HELMBOOK_SHARE_DIR}/help)
file(GLOB HELMBOOK_HELP_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/data/help/*.html
     ${PROJECT_SOURCE_DIR}/data/help/*.css
     ${PROJECT_SOURCE_DIR}/data/help/*.png)

set(helmbook_help_copies)
foreach(source IN LISTS HELMBOOK_HELP_SOURCES)
  get_filename_component(name ${source} NAME)
  set(copy ${HELMBOOK_HELP_DIR}/${name})
  add_custom_command(
    OUTPUT ${copy}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    DEPENDS ${source}
    COMMENT "Copying help page ${name}")
  list(APPEND helmbook_help_copies ${copy})
endforeach()

add_custom_target(helmbook-help ALL DEPENDS ${helmbook_help_copies})
install(FILES ${HELMBOOK_HELP_SOURCES} DESTINATION ${CMAKE_INSTALL_DATADIR}/helmbook/help)
