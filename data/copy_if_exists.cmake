# cmake -DFROM=file -DTO=file -P copy_if_exists.cmake: copies FROM to TO when
# FROM exists, else removes TO.
if(EXISTS "${FROM}")
  file(COPY_FILE "${FROM}" "${TO}")
else()
  file(REMOVE "${TO}")
endif()
