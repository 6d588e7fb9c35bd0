# Where `cmake --install` puts the programs' companions, and the Debian package CPack makes
# of them (./vk package). Included from the top-level CMakeLists.txt.
include(GNUInstallDirs)
set(VK_APP_ID se.vindelkast.Vindelkast)
set(VK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vindelkast)

install(FILES docs/manual.html docs/table-api.md DESTINATION ${VK_DOC_DIR})
install(DIRECTORY examples/ DESTINATION ${VK_DOC_DIR}/examples)
if(TARGET vindelkast)
  install(FILES packaging/${VK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/${VK_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES packaging/${VK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES packaging/${VK_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME ${VK_APP_ID}.xml)
endif()

if(NOT WIN32)
  # Man pages and the changelog compressed, as man and Debian expect them.
  find_program(VK_GZIP gzip REQUIRED)
  set(VK_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
  set(VK_COMPRESSED "")
  foreach(source packaging/man/vindelkast.1 packaging/man/vindelkast-cli.1 packaging/changelog)
    get_filename_component(name ${source} NAME)
    list(APPEND VK_COMPRESSED ${VK_PACKAGING_OUT}/${name}.gz)
    add_custom_command(OUTPUT ${VK_PACKAGING_OUT}/${name}.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${VK_PACKAGING_OUT}
                       COMMAND ${VK_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/${source} > ${VK_PACKAGING_OUT}/${name}.gz
                       DEPENDS ${source})
  endforeach()
  add_custom_target(vk_packaging_files ALL DEPENDS ${VK_COMPRESSED})
  install(FILES ${VK_PACKAGING_OUT}/vindelkast-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  if(TARGET vindelkast)
    install(FILES ${VK_PACKAGING_OUT}/vindelkast.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
  install(FILES ${VK_PACKAGING_OUT}/changelog.gz packaging/copyright DESTINATION ${VK_DOC_DIR})
endif()

if(NOT WIN32 AND TARGET vindelkast)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME vindelkast)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_VENDOR "The Vindelkast developers")
  set(CPACK_PACKAGE_CONTACT "The Vindelkast developers <vindelkast@example.org>")
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # Dependencies from the shared libraries the programs really link (dpkg-shlibdeps: libqrencode4,
  # libsodium23 for the tables' codes, ...); the
  # rest is what Qt loads at run time (the display plugins, its Swedish dialogs) and the
  # fonts the window looks for, and the libraries the programs load only when a command needs
  # them (VK_RUNTIME_LOADED_PACKAGES, cmake/load_when_used.cmake), which dpkg-shlibdeps cannot see.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  list(JOIN VK_RUNTIME_LOADED_PACKAGES ", " VK_LOADED_WHEN_USED_DEPENDS)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core, fonts-liberation, ${VK_LOADED_WHEN_USED_DEPENDS}")
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "scores a duplicate bridge contest on the club evening
Vindelkast scores a duplicate bridge contest on the evening it is played:
set-up and movements, participants from the club's member register, result
entry from the travelling score slips or the tables' phones, matchpoints,
standings on screen and on paper, HTML and XML export, and contest files
that can be opened again. vindelkast-cli does the same work from the command
line and keeps the club's evenings in an archive (SQLite or PostgreSQL) with
a season ranking. The program speaks Swedish.

På svenska: Vindelkast räknar ut klubbkvällens bridgetävling: uppläggning och
spelscheman, deltagare ur medlemsregistret, resultat från scoretavlorna eller
bordens telefoner, matchpoäng, ställning på skärmen och på papper, export som
HTML och XML, tävlingsfiler som kan öppnas igen, och klubbens arkiv av
kvällar med säsongsställning.")
  include(CPack)
endif()
