# Compiler and linker settings every korvo module shares.
#
# All modules share one C++ runtime and one heap (objects and strings cross
# module boundaries), so the runtime is always linked dynamically.
add_compile_options(
  -Wall -Wextra -Wno-unused-parameter
  # A 64-bit value (a size, a pointer-sized handle or parameter) cut to 32
  # bits shows only on the 64-bit build: every narrowing is spelled out.
  -Wconversion -Wno-sign-conversion
  # g++ passes class objects through "..." by hidden reference: a CString
  # handed to Format() that way would print garbage.
  $<$<COMPILE_LANGUAGE:CXX>:-Werror=conditionally-supported>
  -Werror=return-type
  -mno-ms-bitfields
)
# Wine maps a module's sections straight from its file only where each starts
# on a page boundary; otherwise it reads the whole image, debug sections
# included, into private memory at every start (about 80 MB for korvo and its
# plug-ins, and most of their start-up time). Windows maps images lazily
# either way.
set(KORVO_FILE_ALIGNMENT 4096)
add_link_options(-Wl,--file-alignment,${KORVO_FILE_ALIGNMENT})
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 STRICT NOMINMAX)
set(CMAKE_SHARED_LIBRARY_PREFIX "")
set(CMAKE_IMPORT_LIBRARY_PREFIX "")
set(CMAKE_STATIC_LIBRARY_PREFIX "lib")

# A shipped plug-in or framework DLL. Its exports keep their plain names.
function(korvo_add_dll target)
  add_library(${target} SHARED ${ARGN})
  target_link_options(${target} PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup)
endfunction()

# A windowed executable.
function(korvo_add_gui_exe target)
  add_executable(${target} WIN32 ${ARGN})
endfunction()
