# cmake -DDELVARO_BUILD=... -DSOURCE=... -DWORK=... -DCXX=... -DBUILD_TYPE=... -DLIBDIR=... -P this
# Installs the component library into a fresh prefix, then builds and runs a host of it
# outside the source tree with find_package and with pkg-config, and checks that a wrong
# request of the package fails with a clear message.
function(run step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${step} failed (${status}):\n${out}\n${err}")
  endif()
  message(STATUS "${step}: ok\n${out}")
endfunction()

function(expect_refusal request reason)
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE}/unknown -B ${WORK}/unknown
                          -DCMAKE_PREFIX_PATH=${prefix} "-DREQUEST=${request}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(FIND "${out}${err}" "${reason}" at)
  if(status EQUAL 0 OR at EQUAL -1)
    message(FATAL_ERROR "find_package(Delvaro ${request}) was not refused with \"${reason}\":\n${out}${err}")
  endif()
  file(REMOVE_RECURSE ${WORK}/unknown)
endfunction()

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
run("install" ${CMAKE_COMMAND} --install ${DELVARO_BUILD} --prefix ${prefix} --component Delvaro)

run("configure" ${CMAKE_COMMAND} -S ${SOURCE}/host -B ${WORK}/build -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=${BUILD_TYPE})
run("build" ${CMAKE_COMMAND} --build ${WORK}/build)
run("run" ${WORK}/build/sample-host)
run("run with Qt" ${WORK}/build/sample-qt-host)

set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
execute_process(COMMAND pkg-config --cflags --libs delvaro OUTPUT_VARIABLE flags
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(flags UNIX_COMMAND "${flags}")
run("build with pkg-config" ${CXX} -std=c++20 -I${SOURCE}/host ${SOURCE}/host/main.cpp
    -o ${WORK}/pkg-config-host ${flags} -Wl,-rpath,${prefix}/${LIBDIR})
run("run the pkg-config build" ${WORK}/pkg-config-host)
run("pkg-config with Qt" pkg-config --exists --print-errors "delvaro-qt >= 1.0")

expect_refusal("1.0;REQUIRED;COMPONENTS;Qt;Gui" "Delvaro has no component \"Gui\"")
expect_refusal("2.0;REQUIRED" "version: 1.0.0")
