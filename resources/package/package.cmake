# The Debian package: `cpack -G DEB` in the build folder makes graphitine_<version>_amd64.deb
# of what `cmake --install` puts under /usr. The libraries it needs come from the binaries
# (dpkg-shlibdeps); named beside them are what the program starts and the fonts its windows
# are laid out for.

# The latest entry of the package's changelog names this version and its maintainer, and the
# metainfo lists its release: a new version needs both entries first.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog GRAPHITINE_CHANGELOG_HEAD LIMIT_COUNT 1)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog GRAPHITINE_CHANGELOG_SIGNATURES REGEX "^ -- ")
list(GET GRAPHITINE_CHANGELOG_SIGNATURES 0 GRAPHITINE_CHANGELOG_SIGNATURE)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../desktop/org.graphitine.graphitine.metainfo.xml
  GRAPHITINE_RELEASES REGEX "<release ")
list(GET GRAPHITINE_RELEASES 0 GRAPHITINE_LATEST_RELEASE)
if(NOT GRAPHITINE_CHANGELOG_HEAD MATCHES "^graphitine \\(${PROJECT_VERSION}\\) "
   OR NOT GRAPHITINE_LATEST_RELEASE MATCHES "version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "Version ${PROJECT_VERSION} needs its entry at the top of "
    "resources/package/changelog and its release in the metainfo "
    "(resources/desktop/org.graphitine.graphitine.metainfo.xml)")
endif()
string(REGEX REPLACE "^ -- (.*>)  .*$" "\\1" CPACK_DEBIAN_PACKAGE_MAINTAINER
  "${GRAPHITINE_CHANGELOG_SIGNATURE}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME graphitine)
set(CPACK_PACKAGE_VENDOR "The Graphitine developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn photographs into pen, pencil or soft sketches")
# The long description in lines of at most 80 characters, as Debian's tools show it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Graphitine turns a photograph into a pen, pencil or soft sketch. Open a JPEG or"
  "BMP picture, set the precision and the line step, pick a drawing style and"
  "convert: the sketch appears beside the photo. Retouch it by hand, lay it on"
  "paper, save it as JPEG, BMP or metafile, hand it to a paint program or a mail"
  "program, or convert whole folder trees in one batch."
  "."
  "The command graphitine-sketch converts with the same engine from the command"
  "line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, fonts-wqy-microhei, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
