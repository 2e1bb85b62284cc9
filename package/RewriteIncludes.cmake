# cmake -DINPUT=src/dba/X.h -DOUTPUT=include/delvaro/dba/X.h -DPUBLIC=list.txt -P this
# Copies a public header for the installation, its includes of the system's own headers
# turned into <delvaro/...> so that a host's own forms/ or qt/ folders cannot be taken
# for ours. A public header that includes one left out of the installation is refused
# here, at build time, rather than by a host's compiler.
cmake_minimum_required(VERSION 3.25)
file(READ ${INPUT} text)
file(STRINGS ${PUBLIC} public)
string(REGEX MATCHALL "#include \"[a-z]+/[A-Za-z0-9_]+\\.h\"" includes "${text}")
foreach(include IN LISTS includes)
  string(REGEX REPLACE "#include \"(.*)\"" "\\1" header "${include}")
  if(NOT header IN_LIST public)
    message(FATAL_ERROR "${INPUT} includes ${header}, which is not installed")
  endif()
endforeach()
string(REGEX REPLACE "#include \"([a-z]+/[A-Za-z0-9_]+\\.h)\"" "#include <delvaro/\\1>" text
       "${text}")
file(WRITE ${OUTPUT} "${text}")
