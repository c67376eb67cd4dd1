# The code page 932 decoder's table, made from the data file posts/cp932.txt:
# CP932_LEADS, the lead byte of each row, and CP932_ROWS, the character of
# each trail byte of that row (0 where there is none).
set(CP932_DATA ${CMAKE_SOURCE_DIR}/posts/cp932.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CP932_DATA})
file(STRINGS ${CP932_DATA} rows REGEX "^[0-9A-F][0-9A-F] ")
set(leads "")
set(cells "")
foreach(row IN LISTS rows)
    string(SUBSTRING "${row}" 0 2 lead)
    string(SUBSTRING "${row}" 3 -1 chars)
    string(REPLACE "-" "0000" chars "${chars}")
    string(REPLACE " " ", 0x" chars "${chars}")
    string(APPEND leads "0x${lead}, ")
    string(APPEND cells "    {0x${chars}},\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/Cp932Table.inc CONTENT
"// Made by the build from posts/cp932.txt.
const unsigned char CP932_LEADS[] = {${leads}};
const unsigned short CP932_ROWS[][188] = {
${cells}};
" @ONLY)
target_include_directories(harvo_core PRIVATE ${CMAKE_BINARY_DIR}/generated)
