# Platform libraries that korvo's modules load at their first call instead of
# at start. comdlg32 brings the platform's printing support with it, and
# under Wine the printing system's client and some twenty-five libraries it
# needs: tens of milliseconds of every start, for a file dialog that most runs
# never open.
#
# korvo_add_delay_loaded_library(NAME) makes the target NAME_delayed, linked
# in place of NAME: a delay-import library of every function the toolchain's
# import library of NAME declares.
function(korvo_add_delay_loaded_library name)
  find_library(KORVO_IMPORT_LIBRARY_${name} NAMES lib${name}.a REQUIRED)
  execute_process(
    COMMAND ${CMAKE_NM} ${KORVO_IMPORT_LIBRARY_${name}}
    OUTPUT_VARIABLE symbols
    COMMAND_ERROR_IS_FATAL ANY)
  # Import symbols read "__imp_Name" (64-bit) or "__imp__Name@bytes" (32-bit,
  # with the C prefix that dlltool adds again itself).
  string(REGEX MATCHALL " I __imp__?[A-Za-z0-9_@]+" imports "${symbols}")
  set(definition "LIBRARY ${name}.dll\nEXPORTS\n")
  foreach(import ${imports})
    string(REGEX REPLACE "^ I __imp_" "" export "${import}")
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      string(REGEX REPLACE "^_" "" export "${export}")
    endif()
    string(APPEND definition "${export}\n")
  endforeach()
  set(folder ${CMAKE_BINARY_DIR}/delay-load)
  file(WRITE ${folder}/${name}.def "${definition}")
  # --kill-at: the library exports its stdcall functions by their plain names.
  execute_process(
    COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${folder}/${name}.def --dllname ${name}.dll
            --output-delaylib ${folder}/lib${name}_delayed.a
    COMMAND_ERROR_IS_FATAL ANY)
  add_library(${name}_delayed STATIC IMPORTED GLOBAL)
  set_target_properties(${name}_delayed PROPERTIES IMPORTED_LOCATION ${folder}/lib${name}_delayed.a)
endfunction()

korvo_add_delay_loaded_library(comdlg32)
