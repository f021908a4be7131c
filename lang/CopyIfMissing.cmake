# cmake -DSRC=file -DDST=file -P CopyIfMissing.cmake
# The program writes its settings into this file; a build must not undo that.
if(NOT EXISTS "${DST}")
    file(COPY_FILE "${SRC}" "${DST}")
endif()
