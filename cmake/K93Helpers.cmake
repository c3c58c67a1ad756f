# Shared build rules: one static library per source folder, tests per folder.

set(K93_WARNINGS -Wall -Wextra)
if(K93_WERROR)
  list(APPEND K93_WARNINGS -Werror)
endif()

function(k93_warnings target)
  target_compile_options(${target} PRIVATE ${K93_WARNINGS})
endfunction()

# k93_add_module(<name> [DEPS <targets>...])
# Builds every .cpp/.h/.ui in the calling folder into the static library k93_<name>.
# Files are globbed so that a new source needs no edit here.
function(k93_add_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(cpp)
    add_library(k93_${name} STATIC ${sources})
    target_include_directories(k93_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(k93_${name} PUBLIC ${ARG_DEPS})
    k93_warnings(k93_${name})
  else()
    add_library(k93_${name} INTERFACE)
    target_include_directories(k93_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(k93_${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# Resources live in an object library: objects in a static archive would be
# dropped by the linker because nothing references their initialisers.
function(k93_link_resources target)
  target_link_libraries(${target} PRIVATE k93_resources)
endfunction()

# k93_add_test_folder(<folder> LIBS <targets>...)
# One executable per test folder; each class registered with K93_TEST(Class)
# becomes one CTest named <folder>_<Class> (slashes become underscores).
function(k93_add_test_folder folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  string(REPLACE "/" "_" prefix "${folder}")
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
  set(exe tests_${prefix})
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(NOT cpp)
    return()
  endif()
  add_executable(${exe} ${sources})
  target_link_libraries(${exe} PRIVATE k93_testsupport ${ARG_LIBS})
  k93_link_resources(${exe})
  k93_warnings(${exe})
  foreach(src IN LISTS sources)
    if(src MATCHES "\\.cpp$")
      file(STRINGS ${src} lines REGEX "^K93_TEST\\([A-Za-z0-9_]+\\)")
      foreach(line IN LISTS lines)
        string(REGEX REPLACE "^K93_TEST\\(([A-Za-z0-9_]+)\\).*" "\\1" cls "${line}")
        add_test(NAME ${prefix}_${cls} COMMAND ${exe} ${cls})
        set_tests_properties(${prefix}_${cls} PROPERTIES
          ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
          TIMEOUT 300)
      endforeach()
    endif()
  endforeach()
endfunction()

# Benchmarks and other tools: built with the project, never run by CI.
function(k93_add_tool name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  k93_link_resources(${name})
  k93_warnings(${name})
endfunction()
