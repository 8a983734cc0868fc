# Cross-build for 32-bit Windows: the shipped deliverable.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KORVO_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
