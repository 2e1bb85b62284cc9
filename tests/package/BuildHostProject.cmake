# cmake -DDELVARO_BUILD=... -DHOST_SOURCE=... -DWORK=... -DCXX=... -DBUILD_TYPE=... -P this
function(run step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${step} failed (${status}):\n${out}\n${err}")
  endif()
  message(STATUS "${step}: ok\n${out}")
endfunction()

file(REMOVE_RECURSE ${WORK})
run("install" ${CMAKE_COMMAND} --install ${DELVARO_BUILD} --prefix ${WORK}/prefix
    --component Delvaro)
run("configure" ${CMAKE_COMMAND} -S ${HOST_SOURCE} -B ${WORK}/build
    -DCMAKE_PREFIX_PATH=${WORK}/prefix -DCMAKE_CXX_COMPILER=${CXX}
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE})
run("build" ${CMAKE_COMMAND} --build ${WORK}/build)
run("run" ${WORK}/build/sample-host)
run("run with Qt" ${WORK}/build/sample-qt-host)
