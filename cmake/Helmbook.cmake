# Shared CMake helpers: one precompiled header list for every target, one line per test.

set(HELMBOOK_PCH_HEADERS
    <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant> <QtCore/QDate>
    <QtCore/QDateTime> <QtCore/QHash> <QtCore/QList> <QtCore/QObject>
    <QtCore/QFile> <QtCore/QDir> <functional> <memory> <vector>)

# helmbook_library(<name> SOURCES ... LIBS ...): a static library of one src folder.
function(helmbook_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  target_precompile_headers(${name} PRIVATE ${HELMBOOK_PCH_HEADERS})
endfunction()

# helmbook_test(<name> SOURCES ... LIBS ...): one QtTest executable run headless under CTest
# with a fixed locale and a temporary home (the test support library sets up the home).
function(helmbook_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE hb_testsupport ${ARG_LIBS})
  target_precompile_headers(${name} PRIVATE ${HELMBOOK_PCH_HEADERS} <QtTest/QTest>)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=en_US.UTF-8;LC_ALL=C.UTF-8;TZ=UTC"
    TIMEOUT 600)
endfunction()
