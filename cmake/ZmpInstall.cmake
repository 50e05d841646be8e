# The installed programs and the Debian package. The data side of the
# installation (program folder, desktop entry, icons, manual pages) is in
# data/CMakeLists.txt.
include(GNUInstallDirs)

foreach(program zmp zmp-cli zmp-radio-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # A stripped program keeps no compiler notes either, as Debian strips them.
    install(CODE "
      set(zmp_program \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
      if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment \"\${zmp_program}\"
                        COMMAND_ERROR_IS_FATAL ANY)
      endif()")
  endif()
endforeach()

# `make package` (the `package` target of the build) makes zmp_VERSION_ARCH.deb
# for /usr, installable with `apt install ./zmp_*.deb`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zmp)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${ZMP_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for MR4400 marine VHF radios")
# Lines of at most 80 characters, as Debian's control files want them
# (CPack puts the summary before them).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ZMP reads the configuration memory of an MR4400 series marine VHF radio\n"
    "over a serial cable, lets you edit it, saves it as a .dat file, prints it\n"
    "and programs it back into the radio. With the command-line companion\n"
    "zmp-cli and the radio emulator zmp-radio-sim.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt libraries come from the linked libraries; the platform plugins that
# draw the windows are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")

# A source install (not the package, which dpkg removes) lists what it put
# where in share/zmp/installed-files.txt, beside share/zmp/uninstall.sh
# that removes exactly that. Last of the install rules, so that the list is
# complete.
install(PROGRAMS data/package/uninstall.sh DESTINATION ${CMAKE_INSTALL_DATADIR}/zmp COMPONENT source-install)
install(CODE [[
  set(zmp_list "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/zmp/installed-files.txt")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_PREFIX}/share/zmp/installed-files.txt")
  list(JOIN CMAKE_INSTALL_MANIFEST_FILES "\n" zmp_files)
  file(WRITE "${zmp_list}" "${zmp_files}\n")
  message(STATUS "Installing: ${zmp_list}")
]] COMPONENT source-install)
# The package holds everything but the source install's own uninstall,
# which would remove what dpkg owns.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
include(CPack)
