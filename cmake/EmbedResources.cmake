# Script mode: writes OUTPUT, a C++ source holding every file under RESOURCE_DIR/{lists,templates,texts}
# as a string constant, keyed by its path relative to RESOURCE_DIR.
file(GLOB_RECURSE files RELATIVE ${RESOURCE_DIR}
  ${RESOURCE_DIR}/lists/* ${RESOURCE_DIR}/templates/* ${RESOURCE_DIR}/texts/*)
list(SORT files)
set(body "// Generated from resources/ at build time. Do not edit.\n#include \"resources/Resources.h\"\n\n#include <map>\n#include <string>\n\nnamespace jm {\nnamespace {\nconst std::map<std::string, std::string_view, std::less<>>& table()\n{\n    static const std::map<std::string, std::string_view, std::less<>> t = {\n")
foreach(f ${files})
  file(READ ${RESOURCE_DIR}/${f} content)
  string(APPEND body "        {\"${f}\", R\"JMRESOURCE(${content})JMRESOURCE\"},\n")
endforeach()
string(APPEND body "    };\n    return t;\n}\n} // namespace\n\nstd::string_view embeddedResource(std::string_view path)\n{\n    const auto& t = table();\n    const auto it = t.find(path);\n    return it == t.end() ? std::string_view() : it->second;\n}\n\n} // namespace jm\n")
file(WRITE ${OUTPUT}.tmp "${body}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
