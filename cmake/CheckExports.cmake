# Fails unless DLL exports every name of EXPORTS exactly as written, and no
# exported name carries a decoration ('@' and the argument size).
#   cmake -DOBJDUMP=<objdump> -DDLL=<dll> -DEXPORTS=<name,name> -P CheckExports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${DLL} failed")
endif()

string(FIND "${dump}" "[Ordinal/Name Pointer] Table" tableStart)
if(tableStart EQUAL -1)
  message(FATAL_ERROR "${DLL} has no export name table")
endif()
string(SUBSTRING "${dump}" ${tableStart} -1 table)
# One line per name, "\t[   0] name", up to the first blank line.
string(FIND "${table}" "\n\n" tableEnd)
string(SUBSTRING "${table}" 0 ${tableEnd} table)

string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [^\n]+" entries "${table}")
set(names)
foreach(entry ${entries})
  string(REGEX REPLACE "^\t\\[ *[0-9]+\\] " "" name "${entry}")
  list(APPEND names ${name})
endforeach()

foreach(name ${names})
  if(name MATCHES "@")
    message(FATAL_ERROR "${DLL} exports the decorated name ${name}")
  endif()
endforeach()
string(REPLACE "," ";" EXPORTS "${EXPORTS}")
foreach(expected ${EXPORTS})
  list(FIND names ${expected} index)
  if(index EQUAL -1)
    message(FATAL_ERROR "${DLL} does not export ${expected}; it exports: ${names}")
  endif()
endforeach()
message(STATUS "${DLL} exports ${names}")
