# The native build (host clang, no Wine): the portable cores that parse
# outside bytes, their unit tests and their libFuzzer harnesses, all under
# AddressSanitizer and UndefinedBehaviorSanitizer. native/CMakeLists.txt
# includes each module folder's native.cmake, which declares its pieces with
# the functions below. Relative paths are taken from that module folder.

# korvo_native_library(<name> SOURCES <files...> [INCLUDES <dirs...>] [LIBS <targets...>])
# INCLUDES default to the module folder itself.
function(korvo_native_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;INCLUDES;LIBS" ${ARGN})
  if(NOT ARG_INCLUDES)
    set(ARG_INCLUDES .)
  endif()
  list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
  list(TRANSFORM ARG_INCLUDES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${ARG_INCLUDES})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# korvo_native_test(<name> SOURCES <files...> [LIBS <targets...>] [INCLUDES <dirs...>])
# A GoogleTest program run by ctest in a working folder of its own.
function(korvo_native_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;INCLUDES;LIBS" ${ARGN})
  list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
  list(TRANSFORM ARG_INCLUDES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${ARG_INCLUDES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  set(work ${CMAKE_BINARY_DIR}/test-work/${name})
  file(MAKE_DIRECTORY ${work})
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${work})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS native)
endfunction()

# korvo_fuzz_target(<name> SOURCES <files...> [LIBS <targets...>] CORPUS <dir>)
# A libFuzzer harness with its seed corpus kept in the repository. ctest runs
# it briefly on its seeds (label "fuzz"); tools/fuzz.sh runs it for longer.
function(korvo_fuzz_target name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;INCLUDES;LIBS" ${ARGN})
  list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
  list(TRANSFORM ARG_INCLUDES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
  get_filename_component(corpus ${ARG_CORPUS} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_LIST_DIR})
  if(NOT IS_DIRECTORY ${corpus})
    message(FATAL_ERROR "${name}: no seed corpus at ${corpus}")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${ARG_INCLUDES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  # New inputs land in a scratch folder, never in the kept seeds.
  set(scratch ${CMAKE_BINARY_DIR}/fuzz-seed-run/${name})
  file(MAKE_DIRECTORY ${scratch})
  add_test(NAME fuzz_seeds_${name}
    COMMAND ${name} -max_total_time=${KORVO_FUZZ_SEED_SECONDS} -timeout=10 -rss_limit_mb=2048
            -artifact_prefix=${scratch}/ ${scratch} ${corpus}
    WORKING_DIRECTORY ${scratch})
  set_tests_properties(fuzz_seeds_${name} PROPERTIES TIMEOUT 120 LABELS fuzz)
  set_property(GLOBAL APPEND PROPERTY KORVO_FUZZ_TARGETS "${name}=${corpus}")
endfunction()
