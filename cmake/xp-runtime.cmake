# tessal_link_for_xp(TARGET...): the programs that ship are linked with the
# win32 thread model's C++ runtime, which imports nothing Windows XP SP3
# lacks; tests/static checks their import tables against a reviewed list.
function(tessal_link_for_xp)
  foreach(target ${ARGN})
    set_target_properties(${target} PROPERTIES
      CXX_LINKER_LAUNCHER ${CMAKE_SOURCE_DIR}/cmake/link-win32-threads.sh)
  endforeach()
endfunction()
