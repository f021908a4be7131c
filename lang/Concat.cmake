# cmake -DOUT=file -DPARTS=a;b;c -P Concat.cmake
file(WRITE "${OUT}" "")
foreach(part IN LISTS PARTS)
    file(READ "${part}" content)
    file(APPEND "${OUT}" "${content}\n")
endforeach()
