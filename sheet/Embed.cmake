# Turns a file into a C++ source holding its bytes: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P Embed.cmake
file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," array "${bytes}")
string(REGEX REPLACE "(('\\\\x[0-9a-f][0-9a-f]',){16})" "\\1\n" array "${array}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\nnamespace Vexlor {\nextern const char ${SYMBOL}[];\nextern const std::size_t ${SYMBOL}_Size;\nconst char ${SYMBOL}[] = {\n${array}'\\0'};\nconst std::size_t ${SYMBOL}_Size = ${size};\n}\n")
