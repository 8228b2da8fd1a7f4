file(READ "${IN}" content HEX)
string(LENGTH "${content}" hexlen)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${content}")
file(WRITE "${OUT}" "// Generated from ${IN}; do not edit.\n"
    "namespace zarion::embedded { static const char data[] = {${bytes} 0};\n"
    "extern const char* const ${SYMBOL};\nconst char* const ${SYMBOL} = data; }\n")
