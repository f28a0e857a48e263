# Delay-import libraries: a program linked against one of these loads the
# system DLL on its first call into it instead of at its start, so DLLs that
# only menus and dialogs use (the file boxes, the shell) cost nothing before
# the first window is on screen.
#
#   vorne_delay_import(<target> <dll>...)
#
# For each DLL a library of the same name (lib<dll>.a) is made in a folder of
# the target's own, from the symbols of the toolchain's import library, and
# that folder is searched before the toolchain's: every -l<dll> of the
# target's link line, its libraries' included, then takes the delay-import
# form. Delay-imported calls go through the helper in the MinGW runtime.
include_guard(GLOBAL)

set(VORNE_DELAY_IMPORT_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/delay_import_library.cmake)

function(vorne_delay_import target)
  if(NOT VORNE_WINDOWS)
    return()
  endif()
  get_filename_component(_bin ${CMAKE_CXX_COMPILER} DIRECTORY)
  find_program(VORNE_NM NAMES ${VORNE_MINGW_TRIPLE}-nm HINTS ${_bin} REQUIRED)
  find_program(VORNE_DLLTOOL NAMES ${VORNE_MINGW_TRIPLE}-dlltool HINTS ${_bin} REQUIRED)
  set(_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_delay_import)
  # A DLL taken off the list must link the ordinary way again: its old
  # library would otherwise still be found first in the folder.
  file(GLOB _made ${_dir}/lib*.a)
  foreach(_old IN LISTS _made)
    get_filename_component(_name ${_old} NAME)
    string(REGEX REPLACE "^lib(.*)\\.a$" "\\1" _name "${_name}")
    if(NOT _name IN_LIST ARGN)
      file(REMOVE ${_old} ${_old}.def)
    endif()
  endforeach()
  # The list itself is a link input, so a change to it relinks the target.
  file(CONFIGURE OUTPUT ${_dir}/delay_imports.txt CONTENT "${ARGN}\n")
  set(_outputs ${_dir}/delay_imports.txt)
  foreach(dll IN LISTS ARGN)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${dll}.a
                    OUTPUT_VARIABLE _import OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_import}" OR NOT EXISTS "${_import}")
      message(FATAL_ERROR "No import library lib${dll}.a for ${target}'s delay import")
    endif()
    set(_out ${_dir}/lib${dll}.a)
    add_custom_command(
      OUTPUT ${_out}
      COMMAND ${CMAKE_COMMAND} -DNM=${VORNE_NM} -DDLLTOOL=${VORNE_DLLTOOL} -DIMPORT=${_import}
              -DDLL=${dll} -DOUT=${_out} -DPOINTER_SIZE=${CMAKE_SIZEOF_VOID_P} -P ${VORNE_DELAY_IMPORT_SCRIPT}
      DEPENDS ${_import} ${VORNE_DELAY_IMPORT_SCRIPT}
      COMMENT "Making the delay-import library of ${dll}.dll for ${target}"
      VERBATIM)
    list(APPEND _outputs ${_out})
  endforeach()
  add_custom_target(${target}_delay_import DEPENDS ${_outputs})
  add_dependencies(${target} ${target}_delay_import)
  target_link_directories(${target} BEFORE PRIVATE ${_dir})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${_outputs})
endfunction()
