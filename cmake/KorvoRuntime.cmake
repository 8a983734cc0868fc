# Copies the C++ runtime DLLs that every module links against into dist/.
set(KORVO_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
  execute_process(
    COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}")
    find_file(path_${dll} ${dll} PATHS /usr/${KORVO_MINGW_TRIPLE}/lib /usr/${KORVO_MINGW_TRIPLE}/bin NO_DEFAULT_PATH REQUIRED)
    set(path ${path_${dll}})
  endif()
  list(APPEND KORVO_RUNTIME_DLLS ${path})
endforeach()

add_custom_target(korvo_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KORVO_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KORVO_RUNTIME_DLLS} ${KORVO_DIST_DIR}
  COMMENT "Copying the C++ runtime into dist/")
