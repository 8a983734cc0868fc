# What both cross toolchains share: the MinGW-w64 posix-thread compilers of
# KORVO_MINGW_TRIPLE (so std::thread and std::mutex exist), windres and the
# binary utilities the build calls.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${KORVO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVO_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${KORVO_MINGW_TRIPLE}-objdump)
set(CMAKE_OBJCOPY ${KORVO_MINGW_TRIPLE}-objcopy)
set(CMAKE_NM ${KORVO_MINGW_TRIPLE}-nm)
set(CMAKE_DLLTOOL ${KORVO_MINGW_TRIPLE}-dlltool)

set(CMAKE_FIND_ROOT_PATH /usr/${KORVO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
