# Sources are collected per folder so that adding a file to a subsystem needs no edit here.
function(motivra_sources out_var)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    list(APPEND files ${found})
  endforeach()
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()
