# Precompiled Qt headers: parsing them is most of the time of every translation unit.
# Each set holds only headers of the Qt modules that its targets link.
option(ORMISTO_PCH "Precompile the Qt headers" ON)
set(ORMISTO_PCH_KERN <QByteArray> <QDate> <QList> <QLocale> <QObject> <QString> <QStringList>
    <algorithm> <functional> <optional> <vector>)
set(ORMISTO_PCH_GUI ${ORMISTO_PCH_KERN} <QFont> <QFontMetrics> <QImage> <QPainter>)
set(ORMISTO_PCH_FENSTER ${ORMISTO_PCH_GUI} <QAction> <QApplication> <QBoxLayout> <QCheckBox>
    <QComboBox> <QDateEdit> <QDialog> <QGridLayout> <QHeaderView> <QLabel> <QLineEdit> <QMenu>
    <QPushButton> <QTabWidget> <QTreeView> <QWidget>)

# The header set for a target that links `libs`.
function(ormisto_pch_fuer target libs)
  if(NOT ORMISTO_PCH)
    return()
  endif()
  if("Qt6::Widgets" IN_LIST libs OR "ormisto_ui" IN_LIST libs)
    target_precompile_headers(${target} PRIVATE ${ORMISTO_PCH_FENSTER})
  elseif("Qt6::Gui" IN_LIST libs OR "ormisto_chart" IN_LIST libs OR "ormisto_print" IN_LIST libs)
    target_precompile_headers(${target} PRIVATE ${ORMISTO_PCH_GUI})
  else()
    target_precompile_headers(${target} PRIVATE ${ORMISTO_PCH_KERN})
  endif()
endfunction()

# Executables that share one precompiled header: a donor with the same libraries (and so
# the same compile flags) compiles it once, `ormisto_pch_teilen` lets each reuse it.
# HEADERS adds to the set what nearly every one of them includes.
function(ormisto_pch_spender name)
  cmake_parse_arguments(ARG "" "" "LIBS;HEADERS" ${ARGN})
  if(NOT ORMISTO_PCH)
    return()
  endif()
  set(quelle ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
  if(NOT EXISTS ${quelle})
    file(WRITE ${quelle} "int main() { return 0; }\n")
  endif()
  add_executable(${name} ${quelle})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  ormisto_pch_fuer(${name} "${ARG_LIBS}")
  if(ARG_HEADERS)
    target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
  endif()
endfunction()

function(ormisto_pch_teilen target spender)
  if(ORMISTO_PCH AND TARGET ${spender})
    target_precompile_headers(${target} REUSE_FROM ${spender})
  endif()
endfunction()

# One static library per engine folder. Sources are picked up by glob so that
# adding a file needs no edit here; CONFIGURE_DEPENDS re-globs on every build.
function(ormisto_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  list(FILTER ARG_SOURCES INCLUDE REGEX "\\.cpp$")
  if(NOT ARG_SOURCES)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  ormisto_pch_fuer(${name} "${ARG_LIBS}")
endfunction()

# A QtTest executable registered with CTest, with a fixed environment:
# offscreen platform, German locale as default, private runtime and data folders.
function(add_qt_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT;PCH" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  # Each test includes its own "test_x.moc". moc reads a test class without any include
  # path and gives the same output in a hundredth of the time automatic moc spends
  # following every Qt header, once for each of a hundred tests.
  set(mocdir ${CMAKE_CURRENT_BINARY_DIR}/${name}_moc)
  file(MAKE_DIRECTORY ${mocdir})
  foreach(quelle ${ARG_SOURCES})
    get_filename_component(basis ${quelle} NAME_WE)
    add_custom_command(OUTPUT ${mocdir}/${basis}.moc
                       COMMAND Qt6::moc ${quelle} -o ${mocdir}/${basis}.moc
                       DEPENDS ${quelle} Qt6::moc VERBATIM)
    target_sources(${name} PRIVATE ${mocdir}/${basis}.moc)
  endforeach()
  target_include_directories(${name} PRIVATE ${mocdir})
  target_link_libraries(${name} PRIVATE Qt6::Test ormisto_testsupport ${ARG_LIBS})
  if(ARG_PCH)
    ormisto_pch_teilen(${name} ${ARG_PCH})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  set(tmp ${CMAKE_BINARY_DIR}/testhome/${name})
  file(MAKE_DIRECTORY ${tmp}/runtime)
  file(CHMOD ${tmp}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${ARG_TIMEOUT}
    LABELS "${ARG_LABELS}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;HOME=${tmp};XDG_RUNTIME_DIR=${tmp}/runtime;XDG_DATA_HOME=${tmp}/data;XDG_CONFIG_HOME=${tmp}/config")
endfunction()
