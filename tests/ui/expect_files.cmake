# cmake -DDIR=folder -DFILES=a;b;c -P expect_files.cmake: fails unless every file exists
# in the folder and is not empty.
foreach(name IN LISTS FILES)
  set(path "${DIR}/${name}")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "missing ${path}")
  endif()
  file(SIZE "${path}" size)
  if(size EQUAL 0)
    message(FATAL_ERROR "empty ${path}")
  endif()
endforeach()
