# korvo.exe: the application, its frames and the console, with the first
# forms of the library's frame windows and docking pane it derives from.

# The console's cores, free of windows: tested directly.
add_library(host_console STATIC ConsoleText.cpp OutputRing.cpp)
target_include_directories(host_console PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

korvo_add_gui_exe(korvo
  AboutDialog.cpp
  CChildFrame.cpp
  CComEdit.cpp
  CFilterInputDlg.cpp
  CKorvoApp.cpp
  CMainFrame.cpp
  OutputBar.cpp
  OutputComponent.cpp
  korvo.rc
  $<TARGET_OBJECTS:vrx_foundation_resources>)
target_link_libraries(korvo PRIVATE host_console host_logic bus framework vrx_foundation vrx_docking
                      vrx_themes vrx_toolbars comctl32)
add_dependencies(korvo korvo_runtime)

korvo_add_test(host_console_tests
  SOURCES tests/ConsoleTextTest.cpp tests/OutputRingTest.cpp
  LIBS host_console)

# Plug-ins for korvo's window tests, each built with its own title, window
# wish and dll_init answer.
set(KORVO_TEST_PLUGIN_DIR ${KORVO_TEST_BIN_DIR}/korvo-plugins)
function(korvo_test_plugin target title gui init_result)
  korvo_add_dll(${target} tests/korvo/KorvoTestPlugin.cpp tests/korvo/KorvoTestPlugin.rc)
  target_include_directories(${target} PRIVATE tests/korvo)
  target_link_libraries(${target} PRIVATE plugin_interface framework)
  target_compile_definitions(${target} PRIVATE PLUGIN_TITLE="${title}" PLUGIN_IS_GUI=${gui}
                                               PLUGIN_INIT_RESULT=${init_result})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_PLUGIN_DIR})
endfunction()
korvo_test_plugin(korvo_test_com "COM connection" 1 1)
korvo_test_plugin(korvo_test_zim "ZIM" 1 1)
korvo_test_plugin(korvo_test_seed "Seedvaults" 1 1)
korvo_test_plugin(korvo_test_quiet "quiet" 0 1)
korvo_test_plugin(korvo_test_broken "broken" 1 0)

add_executable(korvo_window_tests tests/KorvoDriver.cpp)
target_link_libraries(korvo_window_tests PRIVATE windriver shlwapi GTest::gtest)
target_include_directories(korvo_window_tests PRIVATE tests/korvo)
set_target_properties(korvo_window_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_BIN_DIR})
add_dependencies(korvo_window_tests korvo korvo_runtime korvo_test_com korvo_test_zim korvo_test_seed
                 korvo_test_quiet korvo_test_broken portlink zim tailor seedvaults)
add_test(NAME korvo_windows
  COMMAND sh ${PROJECT_SOURCE_DIR}/tools/run-desktop-driver.sh ${CMAKE_BINARY_DIR}/wine-run ${KORVO_TEST_BIN_DIR}
          ${CMAKE_BINARY_DIR}/artifacts korvo korvo_window_tests.exe)
korvo_test_uses_display(korvo_windows)

# Prints the console's figures against a running korvo.exe; not run by ctest.
add_executable(korvo_console_benchmark benchmarks/ConsoleBenchmark.cpp)
target_link_libraries(korvo_console_benchmark PRIVATE windriver)
set_target_properties(korvo_console_benchmark PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_BIN_DIR})
add_dependencies(korvo_console_benchmark korvo korvo_runtime korvo_test_com korvo_test_zim korvo_test_seed)

# The bare Win32 program that korvo's start-up is measured against
# (benchmarks/startup_benchmark.py); not run by ctest.
korvo_add_gui_exe(bare_window_bench benchmarks/BareWindow.cpp)
set_target_properties(bare_window_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_BIN_DIR})

# What korvo loads at start is mapped by Wine, not read whole, and does not
# bring the printing system with it: korvo, the framework, the plug-ins and
# the runtime (cmake/CheckStartupModules.cmake).
set(KORVO_STARTUP_MODULES $<TARGET_FILE:korvo> $<TARGET_FILE:framework> $<TARGET_FILE:portlink> $<TARGET_FILE:zim>
                          $<TARGET_FILE:tailor> $<TARGET_FILE:seedvaults> ${KORVO_RUNTIME_DLLS})
add_test(NAME korvo_startup_modules
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} "-DMODULES=$<JOIN:${KORVO_STARTUP_MODULES},$<COMMA>>"
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckStartupModules.cmake)
