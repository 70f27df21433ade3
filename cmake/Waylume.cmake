# Shared build rules: warnings, sanitizers and test registration.

if(WAYLUME_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Our own code builds warning-free; Qt's headers come in as system headers.
function(waylume_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# waylume_library(name SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
function(waylume_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  waylume_warnings(${name})
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
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" LABELS "${ARG_KIND};${ARG_LABELS}" TIMEOUT 600)
  # The sanitizer build's copy of every core test runs as part of this suite too.
  if(ARG_KIND STREQUAL "core" AND WAYLUME_SANITIZER_BUILD_DIR)
    add_test(NAME asan.${name} COMMAND ${WAYLUME_SANITIZER_BUILD_DIR}/bin/tests/${name})
    set_tests_properties(asan.${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        LABELS "sanitizer;${ARG_LABELS}" TIMEOUT 900)
  endif()
endfunction()
