# Writes the text file INPUT as a C++ source OUTPUT defining stormbell::${SYMBOL}, a
# std::string_view over the whole text, so the program carries the file without reading it.
# Run as: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P EmbedText.cmake
file(READ "${INPUT}" text)
set(delimiter "embedded")
string(FIND "${text}" ")${delimiter}\"" clash)
if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${INPUT} contains the raw-string end )${delimiter}\"")
endif()
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
    "// Generated at build time from ${name}; edit that file, not this one.\n"
    "#include <string_view>\n"
    "namespace stormbell {\n"
    "extern const std::string_view ${SYMBOL};\n"
    "const std::string_view ${SYMBOL} = R\"${delimiter}(${text})${delimiter}\";\n"
    "} // namespace stormbell\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
