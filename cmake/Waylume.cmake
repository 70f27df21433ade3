# Shared build rules: warnings, sanitizers and test registration.

if(WAYLUME_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Our own code builds warning-free; Qt's headers come in as system headers.
function(waylume_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# Our libraries linked to the one given, or their coverage-instrumented copies (suffix).
function(waylume_map_libs out suffix)
  set(mapped)
  foreach(lib ${ARGN})
    if(suffix AND TARGET ${lib}${suffix})
      list(APPEND mapped ${lib}${suffix})
    else()
      list(APPEND mapped ${lib})
    endif()
  endforeach()
  set(${out} ${mapped} PARENT_SCOPE)
endfunction()

# waylume_library(name [FUZZED] SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
#   FUZZED: in the fuzz build, also name_fuzz, an optimised copy instrumented for libFuzzer
#   (linked to the _fuzz copies of its own dependencies), so that the fuzz targets steer by
#   the branches of our code while the tests keep using the plain library.
function(waylume_library name)
  cmake_parse_arguments(ARG "FUZZED" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  set(variants "")
  if(ARG_FUZZED AND WAYLUME_FUZZ)
    list(APPEND variants _fuzz)
  endif()
  foreach(suffix "" ${variants})
    set(target ${name}${suffix})
    waylume_map_libs(public "${suffix}" ${ARG_PUBLIC_LIBS})
    waylume_map_libs(private "${suffix}" ${ARG_PRIVATE_LIBS})
    add_library(${target} STATIC ${ARG_SOURCES})
    target_link_libraries(${target} PUBLIC ${public} PRIVATE ${private})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
    waylume_warnings(${target})
    if(suffix)
      # Optimised even in a Debug build: the fuzzer's executions per second count.
      target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link -O2)
    endif()
  endforeach()
endfunction()

# waylume_test(name SOURCES ... LIBS ... [KIND core|gui|xvfb] [LABELS ...])
#   core: no display needed; also run from the sanitizer build.
#   gui:  widgets on the offscreen platform.
#   xvfb: real X server (web engine, media); wrapped in xvfb-run by ./test.
set(WAYLUME_TEST_DATA_DIR ${CMAKE_SOURCE_DIR}/tests/data)
function(waylume_test name)
  cmake_parse_arguments(ARG "" "KIND" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT ARG_KIND)
    set(ARG_KIND core)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/tests)
  target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE
      WAYLUME_TEST_DATA_DIR="${WAYLUME_TEST_DATA_DIR}"
      WAYLUME_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
      WAYLUME_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  waylume_warnings(${name})
  set(env "QT_QPA_PLATFORM=offscreen" "QT_GSTREAMER_PLAYBIN_AUDIOSINK=fakeaudiosink")
  if(ARG_KIND STREQUAL "xvfb")
    set(env "QT_GSTREAMER_PLAYBIN_AUDIOSINK=fakeaudiosink" "QTWEBENGINE_DISABLE_SANDBOX=1"
            "QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox --disable-gpu")
    add_test(NAME ${name} COMMAND xvfb-run -a -s "-screen 0 1920x1080x24" $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  # Media tests finish in well under a minute; a longer one is hanging.
  if(ARG_KIND STREQUAL "xvfb")
    set(timeout 240)
  else()
    set(timeout 600)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" LABELS "${ARG_KIND};${ARG_LABELS}" TIMEOUT ${timeout})
  # The sanitizer build's copy of every core test runs as part of this suite too.
  if(ARG_KIND STREQUAL "core" AND WAYLUME_SANITIZER_BUILD_DIR AND NOT WAYLUME_NO_SANITIZER_TWIN)
    add_test(NAME asan.${name} COMMAND ${WAYLUME_SANITIZER_BUILD_DIR}/bin/tests/${name})
    set_tests_properties(asan.${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        LABELS "sanitizer;${ARG_LABELS}" TIMEOUT 900)
  endif()
endfunction()
