# Linux desktop integration for the program: install rules for the executable, its desktop entry,
# icons and AppStream metainfo; a Debian package through CPack; the package metadata ELF note that
# carries the version record's strings; and a CTest check of the installed tree.
#
#   include(cmake/linux_packaging.cmake)
#   shiftpad_linux_packaging(shiftpad)   # after the target exists and after enable_testing()

include_guard(GLOBAL)
include(GNUInstallDirs)

set(SHIFTPAD_PACKAGING_DIR "${CMAKE_CURRENT_LIST_DIR}/../packaging")
cmake_path(NORMAL_PATH SHIFTPAD_PACKAGING_DIR)

set(SHIFTPAD_APP_ID "example.quorrin.Shiftpad")
set(SHIFTPAD_PACKAGE_NAME "shiftpad")
set(SHIFTPAD_HOME_PAGE "https://www.quorrin.example/")
set(SHIFTPAD_AUTHOR "By:Voskar")

# The package metadata note's JSON. The strings after the first three mirror the Windows version
# record, so that both builds of the program say the same about themselves.
function(shiftpad_package_metadata version out_var)
  set(fields
      "\"type\":\"deb\""
      "\"name\":\"${SHIFTPAD_PACKAGE_NAME}\""
      "\"version\":\"${version}\""
      "\"FileVersion\":\"${version}\""
      "\"ProductVersion\":\"${version}\""
      "\"FileDescription\":\"${SHIFTPAD_AUTHOR}\""
      "\"ProductName\":\"${SHIFTPAD_AUTHOR}\""
      "\"CompanyName\":\"${SHIFTPAD_AUTHOR}\""
      "\"Comments\":\"${SHIFTPAD_AUTHOR}\""
      "\"LegalCopyright\":\"${SHIFTPAD_HOME_PAGE}\"")
  list(JOIN fields "," joined)
  set(${out_var} "{${joined}}" PARENT_SCOPE)
endfunction()

function(shiftpad_add_package_note target version)
  if(NOT CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    return()
  endif()
  shiftpad_package_metadata("${version}" SHIFTPAD_PACKAGE_METADATA)
  set(note_source "${CMAKE_CURRENT_BINARY_DIR}/${target}_package_note.cpp")
  configure_file("${SHIFTPAD_PACKAGING_DIR}/linux/package_note.cpp.in" "${note_source}" @ONLY)
  target_sources(${target} PRIVATE "${note_source}")
endfunction()

function(shiftpad_install_desktop_files target)
  set(linux "${SHIFTPAD_PACKAGING_DIR}/linux")
  set(icons "${SHIFTPAD_PACKAGING_DIR}/icons")
  set(hicolor "${CMAKE_INSTALL_DATADIR}/icons/hicolor")
  install(TARGETS ${target} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  install(FILES "${linux}/${SHIFTPAD_APP_ID}.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  install(FILES "${linux}/${SHIFTPAD_APP_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
  install(FILES "${icons}/shiftpad-48.png" DESTINATION "${hicolor}/48x48/apps" RENAME "${SHIFTPAD_APP_ID}.png")
  install(FILES "${icons}/shiftpad.svg" DESTINATION "${hicolor}/scalable/apps" RENAME "${SHIFTPAD_APP_ID}.svg")
endfunction()

# CPack reads these variables from the scope that includes it, so they are set here, in the
# function's own scope, right before the include.
macro(shiftpad_configure_deb version)
  set(CPACK_GENERATOR "DEB")
  set(CPACK_PACKAGE_NAME "${SHIFTPAD_PACKAGE_NAME}")
  set(CPACK_PACKAGE_VERSION "${version}")
  set(CPACK_PACKAGE_VENDOR "Voskar")
  set(CPACK_PACKAGE_CONTACT "Voskar <voskar@quorrin.example>")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scramble and unscramble a line of text by shifting its bytes")
  set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
  set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
  set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${SHIFTPAD_HOME_PAGE}")
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The boxes show control bytes as Control Pictures, which the CJK font lacks.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-freefont-ttf")
  # The summary is the synopsis line; this is the extended description under it.
  string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
         "A small window with an input box, two buttons and an output box.\n"
         "The text is taken as bytes in code page 936 (simplified Chinese),\n"
         "and every byte is shifted by its position, counting from one,\n"
         "modulo 256: the encrypt button adds the position, the decrypt\n"
         "button subtracts it. A byte that comes out as zero is left out.")
  include(CPack)
endmacro()

function(shiftpad_add_packaging_check)
  add_test(NAME shiftpad_packaging_check
           COMMAND sh "${SHIFTPAD_PACKAGING_DIR}/check_install.sh" "${CMAKE_COMMAND}" "${CMAKE_BINARY_DIR}")
  set_tests_properties(shiftpad_packaging_check PROPERTIES LABELS packaging)
endfunction()

function(shiftpad_linux_packaging target)
  set(version "${CMAKE_PROJECT_VERSION}")
  if(NOT version)
    message(FATAL_ERROR "shiftpad_linux_packaging: the top-level project() sets no VERSION")
  endif()
  shiftpad_add_package_note(${target} "${version}")
  shiftpad_install_desktop_files(${target})
  shiftpad_configure_deb("${version}")
  shiftpad_add_packaging_check()
endfunction()
