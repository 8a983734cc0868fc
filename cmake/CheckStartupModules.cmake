# Fails unless every module of MODULES (comma-separated) starts as cheaply as
# Wine allows: its sections page-aligned in its file, so that they are mapped
# rather than read whole, and no import of comdlg32, which loads the printing
# system with it (KorvoModules.cmake, KorvoDelayLoad.cmake).
#   cmake -DOBJDUMP=<objdump> -DMODULES=<file,file> -P CheckStartupModules.cmake
string(REPLACE "," ";" MODULES "${MODULES}")
foreach(module ${MODULES})
  execute_process(COMMAND ${OBJDUMP} -p ${module} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${module} failed")
  endif()
  if(NOT dump MATCHES "\nFileAlignment[ \t]+0*1000\n")
    message(FATAL_ERROR "${module}: sections not page-aligned in the file, so Wine reads it whole at every start")
  endif()
  string(TOLOWER "${dump}" lower_dump)
  if(lower_dump MATCHES "\tdll name: comdlg32.dll\n")
    message(FATAL_ERROR "${module} imports comdlg32 at start instead of through comdlg32_delayed")
  endif()
  message(STATUS "${module}: mapped at start, no comdlg32")
endforeach()
