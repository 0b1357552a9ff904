# Installing and packaging.
#
# Linux: the program in bin/, its mail library in a private folder that it
# finds by itself; a .deb that depends on what the library links (GIO).
# Windows: both programs and the README in one .zip, made from the x86-64
# build with the path of the 32-bit program in POSTLARK_WINDOWS_X86_PROGRAM.

if(POSTLARK_PLATFORM STREQUAL "posix")
  install(TARGETS Postlark RUNTIME DESTINATION bin)
  install(TARGETS mapi32_provider LIBRARY DESTINATION ${POSTLARK_PRIVATE_LIBRARY_DIR})
  install(FILES README.md DESTINATION share/doc/postlark)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME postlark)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SECTION mail)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
else()
  set(POSTLARK_WINDOWS_X86_PROGRAM "" CACHE FILEPATH
      "The 32-bit Postlark.exe to package beside this build's own")
  install(TARGETS Postlark RUNTIME DESTINATION x64)
  if(POSTLARK_WINDOWS_X86_PROGRAM)
    install(PROGRAMS ${POSTLARK_WINDOWS_X86_PROGRAM} DESTINATION x86)
  endif()
  install(FILES README.md DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME Postlark)
  set(CPACK_SYSTEM_NAME windows)
endif()

set(CPACK_PACKAGE_VENDOR "Postlark developers")
set(CPACK_PACKAGE_CONTACT "Postlark developers <postlark@invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Hands one file to the mail program as the attachment of a new message")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
include(CPack)
