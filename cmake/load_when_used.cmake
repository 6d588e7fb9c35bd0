# Libraries that only some commands need are loaded when one of them first runs
# (src/model/shared_library.h) instead of linked: a linked library is mapped, relocated and set up
# in every process at start. The build still finds each one with its -dev package, for the headers
# and for the name the loader opens.
#
# vk_load_when_used(<room target> <NAME> <library file> <Debian package>)
#   gives the room VK_<NAME>_FILE, the library's soname ("libpq.so.5"), and VK_<NAME>_PACKAGE,
#   the Debian package that installs it, named in the message when it cannot be loaded. dpkg
#   names the package of the installed file; the package given is for a machine without dpkg.
#
# VK_RUNTIME_LOADED_PACKAGES: those packages. dpkg-shlibdeps sees only linked libraries, so the
# Debian package must add them to its Depends itself.
# VK_RUNTIME_LOADED_FILES: their sonames, which no program may list as NEEDED (tests/).
set(VK_RUNTIME_LOADED_PACKAGES "")
set(VK_RUNTIME_LOADED_FILES "")

function(vk_load_when_used target name library package)
  if(WIN32)
    # A DLL of the program's own (libdds.dll beside its import library libdds.dll.a), loaded
    # from the program's folder: copied there in the build, for the programs and the tests.
    get_filename_component(file ${library} NAME)
    string(REGEX REPLACE "\\.a$" "" file ${file})
    get_filename_component(folder ${library} DIRECTORY)
    find_file(VK_${name}_DLL ${file} HINTS ${folder}/../bin ${folder} NO_DEFAULT_PATH REQUIRED)
    file(COPY ${VK_${name}_DLL} DESTINATION ${CMAKE_BINARY_DIR})
    file(COPY ${VK_${name}_DLL} DESTINATION ${CMAKE_BINARY_DIR}/tests)
    target_compile_definitions(${target} PRIVATE VK_${name}_FILE="${file}" VK_${name}_PACKAGE="")
    return()
  endif()
  get_filename_component(file ${library} REALPATH)
  execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${file} OUTPUT_VARIABLE headers ERROR_QUIET)
  if(NOT headers MATCHES "SONAME +([^ \n]+)")
    message(FATAL_ERROR "${file} has no soname to load it by")
  endif()
  set(soname ${CMAKE_MATCH_1})
  execute_process(COMMAND dpkg-query -S ${file} OUTPUT_VARIABLE owner ERROR_QUIET)
  if(owner MATCHES "^([^:, ]+)[:,]")
    set(package ${CMAKE_MATCH_1})
  endif()
  target_compile_definitions(${target} PRIVATE VK_${name}_FILE="${soname}" VK_${name}_PACKAGE="${package}")
  set(VK_RUNTIME_LOADED_PACKAGES ${VK_RUNTIME_LOADED_PACKAGES} ${package} PARENT_SCOPE)
  set(VK_RUNTIME_LOADED_FILES ${VK_RUNTIME_LOADED_FILES} ${soname} PARENT_SCOPE)
endfunction()
