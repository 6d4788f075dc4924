# Writes a C++ source that holds the bytes of a file as a char array, so the
# program carries the file's text and needs no file beside it at run time.
# Run as: cmake -DINPUT=file -DOUTPUT=source.cpp -DNAME=symbol -P EmbedFile.cmake
#
# The embedded text is page text: ASCII only, every line ended by CR LF. A
# file saved otherwise (an editor that changed the line ends or added a
# non-ASCII character) stops the build here rather than changing the page.
foreach(required INPUT OUTPUT NAME)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "EmbedFile.cmake: ${required} is not set")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")

if(bytes MATCHES "0x[89a-f].,")
    message(FATAL_ERROR "${INPUT}: a byte outside ASCII")
endif()
string(REPLACE "0x0d,0x0a," "" unpaired "${bytes}")
if(unpaired MATCHES "0x0[ad],")
    message(FATAL_ERROR "${INPUT}: a line end that is not CR LF")
endif()
if(NOT bytes MATCHES "0x0d,0x0a,$")
    message(FATAL_ERROR "${INPUT}: the last line does not end with CR LF")
endif()

string(REPEAT "0x..," 16 sixteen)
string(REGEX REPLACE "(${sixteen})" "\\1\n" bytes "${bytes}")
get_filename_component(input_name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
    "// Generated at build time from ${input_name}; edit that file, not this one.\n"
    "#include <cstddef>\n\n"
    "extern const char ${NAME}[];\n"
    "extern const std::size_t ${NAME}Size;\n\n"
    "const char ${NAME}[] = {\n${bytes}\n};\n"
    "const std::size_t ${NAME}Size = ${size};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
