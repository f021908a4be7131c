# cmake -DOUT=file "-DPARTS=a|b|c" -P Concat.cmake
# Fragments are UTF-8; a byte-order mark at the start of a fragment is dropped so it
# does not end up inside the assembled file.
string(ASCII 239 187 191 bom)
string(REPLACE "|" ";" PARTS "${PARTS}")
file(WRITE "${OUT}.part" "")
foreach(part IN LISTS PARTS)
    file(READ "${part}" content)
    string(FIND "${content}" "${bom}" at)
    if(at EQUAL 0)
        string(SUBSTRING "${content}" 3 -1 content)
    endif()
    file(APPEND "${OUT}.part" "${content}\n")
endforeach()
# Only a complete file replaces the previous one.
file(RENAME "${OUT}.part" "${OUT}")
