# Writes OUTPUT, a C++ source that holds the bytes of INPUT as DemoData::Text().
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}.tmp
  "// Generated from data/demo.jsonl by EmbedDemoData.cmake: edit the data, not this file.\n"
  "#include \"common/DemoData.h\"\n\n"
  "namespace appsupport {\nnamespace {\n\n"
  "const unsigned char kDemoData[] = {\n${bytes}\n};\n\n"
  "}  // namespace\n\n"
  "std::string_view DemoData::Text() {\n"
  "  return {reinterpret_cast<const char*>(kDemoData), sizeof kDemoData};\n"
  "}\n\n"
  "}  // namespace appsupport\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
