# Cross-build for 64-bit Windows: the same sources, tested where a machine
# cannot execute 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KORVO_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
