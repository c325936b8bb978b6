# What a system install adds besides the programs and the desktop files: the
# manual pages, the copyright and the changelog. And the Debian package made
# from all of it with CPack (scripts/package builds it).

set(TRULP_MAINTAINER "Quorvel Software <trulp@quorvel.example>")

# Pages and changelog carry the project's version; gzip -n leaves out name
# and time stamp, so the same sources give the same package.
set(_docs_dir ${CMAKE_BINARY_DIR}/docs)
set(_man_pages trulp-solve.6)
if(TRULP_BUILD_GUI)
  list(APPEND _man_pages trulp.6)
endif()
set(_gzipped)
foreach(_page IN LISTS _man_pages)
  configure_file(resources/man/${_page} ${_docs_dir}/${_page} @ONLY)
  list(APPEND _gzipped ${_page})
endforeach()
configure_file(resources/changelog.in ${_docs_dir}/changelog @ONLY)
list(APPEND _gzipped changelog)

set(_gz_outputs)
foreach(_file IN LISTS _gzipped)
  add_custom_command(OUTPUT ${_docs_dir}/${_file}.gz
                     COMMAND gzip -9nkf ${_file}
                     DEPENDS ${_docs_dir}/${_file}
                     WORKING_DIRECTORY ${_docs_dir}
                     VERBATIM)
  list(APPEND _gz_outputs ${_docs_dir}/${_file}.gz)
endforeach()
add_custom_target(trulp_docs ALL DEPENDS ${_gz_outputs})

foreach(_page IN LISTS _man_pages)
  install(FILES ${_docs_dir}/${_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
# A native package keeps its changelog as changelog.gz.
install(FILES resources/copyright ${_docs_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(NOT TRULP_BUILD_GUI)
  return()
endif()

# lintian takes a program that calls fread and none of the checked functions
# of its list for one built without fortification. The window's only such
# call reads a moves file into a buffer of exactly the size it reads, which
# the compiler proves safe, so there is nothing left to check at run time.
file(WRITE ${_docs_dir}/lintian-overrides "trulp: hardening-no-fortify-functions [usr/games/trulp]\n")
install(FILES ${_docs_dir}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME trulp)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trulp)
set(CPACK_PACKAGE_VENDOR "Quorvel Software")
set(CPACK_PACKAGE_CONTACT "${TRULP_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.quorvel.example/")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Whatever the umask of the machine that builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding-block puzzle with a built-in solver")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "On a board of four by five fields, ten blocks cover all fields but two.
Slide them one field at a time until the big red block stands at the
bottom centre; a solution takes between 100 and 200 moves.

Play with the mouse or the keyboard, take moves back, replay your moves
with animation, or let the computer search for a solution and watch it
work, with pause, step mode and statistics. Moves can be saved, opened
again and printed on one page.

The package also holds trulp-solve, which runs the game's search or finds
a shortest solution on the command line.")
# The libraries come from the binaries; the fonts the window draws its
# letters with are linked by nothing, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
# Qt's Wayland platform plugin, so that the program also runs on a Wayland
# session without X (an X11 desktop does without it), and Qt's own words for
# the file, print and message dialogs in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
