# cmake -DDELVARO_BUILD=... -DCPACK=... -DWORK=... -P this
# Makes the Debian package of a built tree, then reads it as a user's machine would: the
# files it installs, the packages it depends on, a program that runs.
cmake_minimum_required(VERSION 3.25)

function(fail what)
  message(FATAL_ERROR "the Debian package ${what}")
endfunction()

file(REMOVE_RECURSE ${WORK})
# zstd rather than the default: this package is read at once, not shipped.
execute_process(COMMAND ${CPACK} -G DEB -B ${WORK} -D CPACK_DEBIAN_COMPRESSION_TYPE=zstd
                WORKING_DIRECTORY ${DELVARO_BUILD} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
file(GLOB deb ${WORK}/*.deb)
if(NOT status EQUAL 0 OR NOT deb)
  fail("was not made (${status}):\n${out}${err}")
endif()

execute_process(COMMAND dpkg-deb -c ${deb} OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
foreach(path IN ITEMS
        " ./usr/bin/delvaro-db\n" " ./usr/bin/delvaro-replay\n"
        " ./usr/bin/delvaro-host -> ../libexec/delvaro/delvaro-host\n"
        " ./usr/libexec/delvaro/delvaro-host\n" " ./usr/libexec/delvaro/Delvaro.HLP\n"
        "/libDelvaro.so.1.0.0\n" "/libDelvaroQt.so.1.0.0\n" "/Delvaro.HLP\n"
        " ./usr/include/delvaro/Version.h\n" " ./usr/include/delvaro/dba/DatabaseClient.h\n"
        " ./usr/include/delvaro/qt/SectorisationWindow.h\n" "/pkgconfig/delvaro.pc\n"
        "/cmake/Delvaro/DelvaroConfigVersion.cmake\n"
        " ./usr/share/applications/delvaro.desktop\n"
        " ./usr/share/icons/hicolor/scalable/apps/delvaro.svg\n")
  string(FIND "${contents}" "${path}" at)
  if(at EQUAL -1)
    fail("lacks ${path}${contents}")
  endif()
endforeach()
string(FIND "${contents}" "/dba/Storage.h" at)
if(NOT at EQUAL -1)
  fail("ships the record store's internals")
endif()

execute_process(COMMAND dpkg-deb -f ${deb} Depends OUTPUT_VARIABLE depends COMMAND_ERROR_IS_FATAL ANY)
foreach(package IN ITEMS libsqlite3-0 libicu libqt6widgets6 qt6-qpa-plugins libstdc++6)
  string(FIND "${depends}" "${package}" at)
  if(at EQUAL -1)
    fail("does not depend on ${package}: ${depends}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -x ${deb} ${WORK}/root COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${WORK}/root/usr/bin/delvaro-db --version OUTPUT_VARIABLE version
                COMMAND_ERROR_IS_FATAL ANY)
if(NOT version MATCHES "^delvaro-db 1\\.")
  fail("holds a delvaro-db that does not run: ${version}")
endif()
file(REMOVE_RECURSE ${WORK})
