# The Windows build, cross-compiled with cmake/mingw-w64.cmake. Every library comes from the
# folder tools/windows/build-deps.sh builds from Debian's sources, which ./vk windows puts on
# CMAKE_FIND_ROOT_PATH and CMAKE_PREFIX_PATH. SQLite, libqrencode, libsodium and the HTTP
# parser are linked statically; the solver and libxml2 are DLLs loaded when used (load_when_used.cmake),
# Qt is DLLs beside the window program (its licence lets a user replace them).

find_library(VK_SQLITE_LIBRARY NAMES libsqlite3.a sqlite3 REQUIRED)
find_path(VK_SQLITE_INCLUDE_DIR sqlite3.h REQUIRED)
add_library(vk_windows_sqlite INTERFACE)
target_link_libraries(vk_windows_sqlite INTERFACE ${VK_SQLITE_LIBRARY})
target_include_directories(vk_windows_sqlite SYSTEM INTERFACE ${VK_SQLITE_INCLUDE_DIR})

# libsodium, for the tables' codes, as a static library (SODIUM_STATIC: no dllimport).
function(vk_windows_sodium)
  find_library(VK_SODIUM_LIBRARY NAMES libsodium.a sodium REQUIRED)
  find_path(VK_SODIUM_INCLUDE_DIR sodium.h REQUIRED)
  add_library(vk_sodium INTERFACE)
  target_link_libraries(vk_sodium INTERFACE ${VK_SODIUM_LIBRARY})
  target_include_directories(vk_sodium SYSTEM INTERFACE ${VK_SODIUM_INCLUDE_DIR})
  target_compile_definitions(vk_sodium INTERFACE SODIUM_STATIC)
endfunction()

# A program that needs no DLL of MinGW's: the command-line program and the core tests.
function(vk_windows_static_runtime target)
  target_link_options(${target} PRIVATE -static)
endfunction()

# Qt (Widgets, PrintSupport, Network) and libqrencode.
macro(vk_windows_gui_libraries)
  find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Network)
  find_library(VK_QRENCODE_LIBRARY NAMES libqrencode.a qrencode REQUIRED)
  find_path(VK_QRENCODE_INCLUDE_DIR qrencode.h REQUIRED)
  add_library(PkgConfig::QRENCODE INTERFACE IMPORTED)
  target_link_libraries(PkgConfig::QRENCODE INTERFACE ${VK_QRENCODE_LIBRARY})
  target_include_directories(PkgConfig::QRENCODE SYSTEM INTERFACE ${VK_QRENCODE_INCLUDE_DIR})
endmacro()

# The window program: no console, the program's icon, and Qt's DLLs, its windows platform
# plugin and MinGW's runtime copied beside it in the build folder, so it runs from there.
function(vk_windows_program target)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  # The icon from the program's SVG, in the sizes Explorer and the task bar ask for.
  set(icon ${CMAKE_BINARY_DIR}/vindelkast.ico)
  set(svg ${PROJECT_SOURCE_DIR}/packaging/se.vindelkast.Vindelkast.svg)
  set(pngs)
  foreach(size 16 32 48 64 256)
    list(APPEND pngs ${CMAKE_BINARY_DIR}/icon-${size}.png)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/icon-${size}.png
                       COMMAND rsvg-convert -w ${size} -h ${size} ${svg} -o ${CMAKE_BINARY_DIR}/icon-${size}.png
                       DEPENDS ${svg} VERBATIM)
  endforeach()
  add_custom_command(OUTPUT ${icon} COMMAND /usr/bin/convert ${pngs} ${icon} DEPENDS ${pngs} VERBATIM)
  file(WRITE ${CMAKE_BINARY_DIR}/vindelkast.rc "1 ICON \"vindelkast.ico\"\n")
  set_source_files_properties(${CMAKE_BINARY_DIR}/vindelkast.rc PROPERTIES OBJECT_DEPENDS ${icon})
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/vindelkast.rc)
  set(dlls)
  foreach(qt Core Gui Widgets PrintSupport Network)
    if(TARGET Qt6::${qt})
      list(APPEND dlls $<TARGET_FILE:Qt6::${qt}>)
    endif()
  endforeach()
  foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime} OUTPUT_VARIABLE found
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${found}")
      message(FATAL_ERROR "MinGW's ${runtime} was not found")
    endif()
    list(APPEND dlls ${found})
  endforeach()
  # Qt's own dialogs in Swedish: Debian's texts (qt6-translations-l10n), found through qt.conf.
  file(COPY /usr/share/qt6/translations/qt_sv.qm DESTINATION ${CMAKE_BINARY_DIR}/translations)
  file(WRITE ${CMAKE_BINARY_DIR}/qt.conf "[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n")
  add_custom_command(TARGET ${target} POST_BUILD
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dlls} $<TARGET_FILE_DIR:${target}>
                     COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${target}>/platforms
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
                             $<TARGET_FILE_DIR:${target}>/platforms
                     COMMAND_EXPAND_LISTS VERBATIM)
  # Buttons, menus and dialogs drawn as Windows draws its own, not in Qt's plain style.
  if(TARGET Qt6::QWindowsVistaStylePlugin)
    add_custom_command(TARGET ${target} POST_BUILD
                       COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${target}>/styles
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
                               $<TARGET_FILE_DIR:${target}>/styles
                       VERBATIM)
  endif()
endfunction()
