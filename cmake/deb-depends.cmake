# Read by cpack: the .deb's dependencies, as dpkg-shlibdeps finds them for
# the programs and the library in the build folder.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(scan ${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps)
  file(MAKE_DIRECTORY ${scan}/debian)
  file(WRITE ${scan}/debian/control "")
  execute_process(
    COMMAND dpkg-shlibdeps -O ${CPACK_POSTLARK_BUILD}/Postlark ${CPACK_POSTLARK_BUILD}/libmapi32.so
            ${CPACK_POSTLARK_BUILD}/postlark-portal
    WORKING_DIRECTORY ${scan} OUTPUT_VARIABLE found ERROR_VARIABLE errors RESULT_VARIABLE failed)
  string(REGEX REPLACE "^shlibs:Depends=([^\n]*).*" "\\1" CPACK_DEBIAN_PACKAGE_DEPENDS "${found}")
  if(failed OR NOT CPACK_DEBIAN_PACKAGE_DEPENDS)
    message(FATAL_ERROR "dpkg-shlibdeps found no dependencies: ${found}${errors}")
  endif()
endif()
