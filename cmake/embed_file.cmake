# Compiles a file of the source tree into the program: a page's script or style is kept as
# the file it is and served from memory, so the installed program looks nothing up at run time.
#
# vk_embed_file(TARGET FILE FUNCTION HEADER [JOIN_LINES]) adds to TARGET a generated source
# that defines `std::string_view FUNCTION()` in namespace vindelkast, as HEADER declares it,
# over FILE's bytes (null-terminated, so data() is a C string too). JOIN_LINES drops the line
# ends, for a style kept one rule a line in the tree and carried on one line in the pages: a
# line end there must stand where nothing is needed, between rules or declarations.
#
# Run as a script (cmake -P, at build time, on any system CMake runs on) it writes the source.

function(vk_embed_file target file function header)
  set(join_lines OFF)
  if("JOIN_LINES" IN_LIST ARGN)
    set(join_lines ON)
  endif()
  string(REPLACE "/" "_" generated "${file}")
  set(generated "${CMAKE_CURRENT_BINARY_DIR}/embedded/${generated}.cpp")
  add_custom_command(OUTPUT "${generated}"
                     COMMAND "${CMAKE_COMMAND}" -DVK_EMBED_IN=${CMAKE_CURRENT_SOURCE_DIR}/${file}
                             -DVK_EMBED_NAME=${file} -DVK_EMBED_OUT=${generated}
                             -DVK_EMBED_FUNCTION=${function} -DVK_EMBED_HEADER=${header}
                             -DVK_EMBED_JOIN_LINES=${join_lines}
                             -P "${PROJECT_SOURCE_DIR}/cmake/embed_file.cmake"
                     DEPENDS "${file}" "${PROJECT_SOURCE_DIR}/cmake/embed_file.cmake"
                     COMMENT "Kompilerar in ${file}"
                     VERBATIM)
  target_sources(${target} PRIVATE "${generated}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND VK_EMBED_OUT)
  file(READ "${VK_EMBED_IN}" bytes HEX)
  if(VK_EMBED_JOIN_LINES)
    string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")
    string(REPLACE "0d " "" bytes "${bytes}")
    string(REPLACE "0a " "" bytes "${bytes}")
    string(REPLACE " " "" bytes "${bytes}")
  endif()
  # Every byte as a hex escape in a string literal, 16 to a line.
  string(REGEX REPLACE "(..)" "\\\\x\\1" bytes "${bytes}")
  string(REPEAT "\\\\x.." 16 line)
  string(REGEX REPLACE "(${line})" "\\1\"\n    \"" bytes "${bytes}")
  file(WRITE "${VK_EMBED_OUT}.new"
       "// Made at build time by cmake/embed_file.cmake from ${VK_EMBED_NAME}.\n"
       "#include \"${VK_EMBED_HEADER}\"\n\n"
       "namespace vindelkast {\n\n"
       "namespace {\nconstexpr char kBytes[] =\n    \"${bytes}\";\n}  // namespace\n\n"
       "std::string_view ${VK_EMBED_FUNCTION}() { return {kBytes, sizeof kBytes - 1}; }\n\n"
       "}  // namespace vindelkast\n")
  # Written whole and then moved, so a build stopped halfway leaves no half source behind.
  file(RENAME "${VK_EMBED_OUT}.new" "${VK_EMBED_OUT}")
endif()
