# Writes the collection (puzzles/packs.txt and every puzzle file) into a C++
# source, so that the engine has its puzzles without reading any file.
# Called with -DROOT=<puzzles folder> -DOUT=<source to write>.
file(READ ${ROOT}/packs.txt index)
file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/*.trulp)
list(SORT files)
set(body "#include \"collection_data.h\"\n\nnamespace trulp::detail {\n\n")
string(APPEND body "const std::string_view kCollectionIndex = R\"trulp(${index})trulp\";\n\n")
string(APPEND body "const CollectionFile kCollectionFiles[] = {\n")
list(LENGTH files count)
foreach(f IN LISTS files)
  file(READ ${ROOT}/${f} text)
  string(APPEND body "    {\"${f}\", R\"trulp(${text})trulp\"},\n")
endforeach()
string(APPEND body "};\n\nconst size_t kCollectionFileCount = ${count};\n\n} // namespace trulp::detail\n")
file(WRITE ${OUT}.new "${body}")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUT}.new ${OUT})
