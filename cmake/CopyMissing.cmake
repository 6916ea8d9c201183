# Copies every file under SOURCE to the same place under DEST unless a file is already there.
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(rel IN LISTS files)
  if(NOT EXISTS ${DEST}/${rel})
    get_filename_component(dir ${DEST}/${rel} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY ${SOURCE}/${rel} DESTINATION ${dir})
  endif()
endforeach()
