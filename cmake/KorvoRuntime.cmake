# Copies the C++ runtime DLLs that every module links against into dist/.
# The compiler support library is named after its unwinder: DWARF-2 frames
# on 32-bit Windows, table-based (SEH) unwinding on 64-bit.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KORVO_GCC_RUNTIME_DLL libgcc_s_seh-1.dll)
else()
  set(KORVO_GCC_RUNTIME_DLL libgcc_s_dw2-1.dll)
endif()
# Each is copied with its sections realigned to pages as korvo's own modules
# are linked (KorvoModules.cmake), so that Wine maps it instead of reading it.
set(KORVO_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll ${KORVO_GCC_RUNTIME_DLL} libwinpthread-1.dll)
  execute_process(
    COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}")
    find_file(path_${dll} ${dll} PATHS /usr/${KORVO_MINGW_TRIPLE}/lib /usr/${KORVO_MINGW_TRIPLE}/bin NO_DEFAULT_PATH REQUIRED)
    set(path ${path_${dll}})
  endif()
  add_custom_command(
    OUTPUT ${KORVO_DIST_DIR}/${dll}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KORVO_DIST_DIR}
    COMMAND ${CMAKE_OBJCOPY} --file-alignment ${KORVO_FILE_ALIGNMENT} ${path} ${KORVO_DIST_DIR}/${dll}
    DEPENDS ${path}
    COMMENT "Copying ${dll} into dist/")
  list(APPEND KORVO_RUNTIME_DLLS ${KORVO_DIST_DIR}/${dll})
endforeach()

add_custom_target(korvo_runtime ALL DEPENDS ${KORVO_RUNTIME_DLLS})
