# Windows programs run under Wine, each build folder with a Wine prefix of its
# own, of the build's architecture. Debian's `wine` wrapper starts the 32-bit
# loader whenever wine32 is installed, so the loader is named explicitly.
set(KORVO_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KORVO_WINE_ARCH win64)
else()
  set(KORVO_WINE_ARCH win32)
endif()
# tools/wine-session.sh reads the architecture of the build folder it serves.
file(WRITE ${CMAKE_BINARY_DIR}/wine-arch "${KORVO_WINE_ARCH}\n")
string(REPLACE "/" "\\\\" KORVO_DIST_DIR_WINDOWS "Z:${KORVO_DIST_DIR}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
