# Installing and packaging.
#
# Linux: the program in bin/, its mail library in a private folder that it
# finds by itself, the manual page, and a .deb that lintian accepts.
# Windows: both programs and both mail libraries, the README and the
# licence in one .zip, made from the x86-64 build with the 32-bit build's
# folder in POSTLARK_WINDOWS_X86_BUILD.

# The default is a placeholder in the reserved .invalid domain, which no
# mail reaches: a release builder sets a real address.
set(POSTLARK_MAINTAINER "The Postlark developers <maintainers@postlark.invalid>" CACHE STRING
    "The .deb's maintainer, also named in its changelog")
if(POSTLARK_MAINTAINER MATCHES "\\.invalid>$")
  message(STATUS "Packages name a placeholder maintainer: set POSTLARK_MAINTAINER for a release")
endif()

if(POSTLARK_PLATFORM STREQUAL "posix")
  # The manual page from its scdoc source, and the Debian changelog, both
  # compressed without a time stamp.
  find_program(SCDOC scdoc REQUIRED)
  set(manual ${CMAKE_BINARY_DIR}/Postlark.1.gz)
  set(portal_manual ${CMAKE_BINARY_DIR}/postlark-portal.1.gz)
  set(sendto_manual ${CMAKE_BINARY_DIR}/postlark-sendto.1.gz)
  configure_file(packaging/changelog.in changelog @ONLY)
  add_custom_command(OUTPUT ${manual} ${portal_manual} ${sendto_manual} changelog.gz
    COMMAND ${SCDOC} <${PROJECT_SOURCE_DIR}/docs/Postlark.1.scd >Postlark.1
    COMMAND ${SCDOC} <${PROJECT_SOURCE_DIR}/docs/postlark-portal.1.scd >postlark-portal.1
    COMMAND ${SCDOC} <${PROJECT_SOURCE_DIR}/docs/postlark-sendto.1.scd >postlark-sendto.1
    COMMAND gzip -9nf Postlark.1 postlark-portal.1 postlark-sendto.1
    COMMAND gzip -9nkf changelog
    DEPENDS docs/Postlark.1.scd docs/postlark-portal.1.scd docs/postlark-sendto.1.scd
            ${CMAKE_BINARY_DIR}/changelog
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  add_custom_target(postlark_documents ALL DEPENDS ${manual} ${portal_manual} ${sendto_manual} changelog.gz)

  # Commands are lowercase by habit: "postlark" and "man postlark" answer
  # too, as links beside the program and its manual page.
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/links)
  file(CREATE_LINK Postlark ${CMAKE_BINARY_DIR}/links/postlark SYMBOLIC)
  file(CREATE_LINK Postlark.1.gz ${CMAKE_BINARY_DIR}/links/postlark.1.gz SYMBOLIC)
  install(TARGETS Postlark RUNTIME DESTINATION bin)
  install(FILES ${CMAKE_BINARY_DIR}/links/postlark DESTINATION bin)
  install(FILES ${CMAKE_BINARY_DIR}/links/postlark.1.gz DESTINATION share/man/man1)
  install(TARGETS mapi32_provider LIBRARY DESTINATION ${POSTLARK_PRIVATE_LIBRARY_DIR})
  install(FILES ${manual} ${portal_manual} ${sendto_manual} DESTINATION share/man/man1)
  # "Email with Postlark" in file managers: Thunar's Send To, the actions
  # Caja and PCManFM-Qt read, and Dolphin's service menus.
  install(TARGETS postlark-sendto RUNTIME DESTINATION bin)
  install(FILES actions/thunar-sendto.desktop DESTINATION share/Thunar/sendto RENAME postlark.desktop)
  install(FILES actions/file-manager-action.desktop DESTINATION share/file-manager/actions
          RENAME postlark.desktop)
  install(FILES actions/dolphin-servicemenu.desktop DESTINATION share/kio/servicemenus
          RENAME postlark.desktop)
  # The Email portal's backend, which D-Bus starts from where it is
  # installed: its service file names the installed program.
  install(TARGETS postlark-portal RUNTIME DESTINATION bin)
  install(FILES portal/postlark.portal DESTINATION share/xdg-desktop-portal/portals)
  file(READ portal/org.freedesktop.impl.portal.desktop.postlark.service.in portal_service)
  string(REPLACE "@POSTLARK_PORTAL_EXEC@" "\${CMAKE_INSTALL_PREFIX}/bin/postlark-portal" portal_service "${portal_service}")
  install(CODE "
    file(WRITE \"${CMAKE_BINARY_DIR}/portal/installed/org.freedesktop.impl.portal.desktop.postlark.service\" \"${portal_service}\")
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/dbus-1/services\" TYPE FILE
         FILES \"${CMAKE_BINARY_DIR}/portal/installed/org.freedesktop.impl.portal.desktop.postlark.service\")")
  install(FILES README.md packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz
          DESTINATION share/doc/postlark)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME postlark)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION mail)
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Postlark opens a new message in the desktop's default mail client with a
subject, a body and one file attached, for the user to address and send.
It is meant for scripts: the exit status tells the outcome. The client is
started through GIO and given a private snapshot of the file.")
  # CPack's own dependency scan would also add ldconfig calls for the
  # private library folder, which ldconfig never reads: the dependencies are
  # found when packaging instead.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/deb-depends.cmake)
  set(CPACK_POSTLARK_BUILD ${CMAKE_BINARY_DIR})
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
else()
  set(POSTLARK_WINDOWS_X86_BUILD "" CACHE PATH
      "The 32-bit build whose Postlark.exe and PostlarkMAPI.dll to package beside this one's")
  install(TARGETS Postlark PostlarkMAPI RUNTIME DESTINATION x64)
  if(POSTLARK_WINDOWS_X86_BUILD)
    install(PROGRAMS ${POSTLARK_WINDOWS_X86_BUILD}/Postlark.exe
                     ${POSTLARK_WINDOWS_X86_BUILD}/PostlarkMAPI.dll DESTINATION x86)
  endif()
  install(FILES README.md LICENSE DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME Postlark)
  set(CPACK_SYSTEM_NAME windows)
  set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/sign-files.cmake)
  set(CPACK_POSTLARK_SOURCE ${PROJECT_SOURCE_DIR})
endif()

set(CPACK_PACKAGE_VENDOR "The Postlark developers")
set(CPACK_PACKAGE_CONTACT "${POSTLARK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Hands one file to the mail client as the attachment of a new message")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
include(CPack)
