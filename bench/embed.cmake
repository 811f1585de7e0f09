# Writes the bytes of INPUT as a C array named output_bytes into the header OUTPUT.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${hex}")
file(WRITE ${OUTPUT} "static const unsigned char output_bytes[] = {${body}};\n")
