/* Resource compiler: turns a resources.conf and the files it lists into a
   C++ source that registers the group with Utility::Resource.

   Usage: corrade-rc <name> <resources.conf> <out.cpp> */

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Options {
    bool nullTerminated = false;
    unsigned long align = 1;
    bool hasNullTerminated = false;
    bool hasAlign = false;
};

struct FileEntry {
    std::size_t line;
    std::string filename;
    std::string alias;
    bool hasFilename = false;
    bool hasAlias = false;
    Options options;
};

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "corrade-rc: " << message << std::endl;
    std::exit(1);
}

std::string trimmed(const std::string& s) {
    const char* whitespace = " \t\r\n\f\v";
    const std::size_t begin = s.find_first_not_of(whitespace);
    if(begin == std::string::npos) return {};
    const std::size_t end = s.find_last_not_of(whitespace);
    return s.substr(begin, end - begin + 1);
}

/* Quotes protect leading and trailing whitespace */
std::string unquoted(const std::string& value) {
    if(value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

bool parseBool(const std::string& where, const std::string& value) {
    if(value == "true" || value == "yes" || value == "y" || value == "on" || value == "1")
        return true;
    if(value == "false" || value == "no" || value == "n" || value == "off" || value == "0")
        return false;
    fail(where + ": expected a boolean value, got '" + value + "'");
}

unsigned long parseAlign(const std::string& where, const std::string& value) {
    char* end = nullptr;
    const unsigned long align = std::strtoul(value.c_str(), &end, 10);
    if(value.empty() || *end || !align || (align & (align - 1)) || align > 128)
        fail(where + ": alignment has to be a power of two between 1 and 128, got '" + value + "'");
    return align;
}

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in{path, std::ios::binary};
    if(!in) return false;
    out.assign(std::istreambuf_iterator<char>{in}, std::istreambuf_iterator<char>{});
    return !in.bad();
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string{} : path.substr(0, slash + 1);
}

/* C string literal, non-printable and special bytes as octal escapes so no
   following character can extend them */
std::string cString(const std::string& s) {
    std::string out = "\"";
    for(const char c: s) {
        const unsigned char u = (unsigned char)c;
        if(c == '"' || c == '\\' || c == '?' || u < 0x20 || u >= 0x7f) {
            char escape[5];
            std::snprintf(escape, sizeof(escape), "\\%03o", u);
            out += escape;
        } else out += c;
    }
    return out + "\"";
}

/* Comment text that can't close the comment early */
std::string commentSafe(const std::string& s) {
    std::string out;
    for(const char c: s) {
        const unsigned char u = (unsigned char)c;
        if(u < 0x20 || u == 0x7f) out += '?';
        else if(c == '/' && !out.empty() && out.back() == '*') out += ' ', out += c;
        else out += c;
    }
    return out;
}

void appendBytes(std::string& out, const std::string& data) {
    static const char digits[] = "0123456789abcdef";
    std::size_t column = 0;
    for(std::size_t i = 0; i <= data.size(); ++i) {
        /* The extra iteration writes the terminating zero */
        const unsigned char byte = i == data.size() ? 0 : (unsigned char)data[i];
        if(column == 0) out += "    ";
        out += "0x";
        out += digits[byte >> 4];
        out += digits[byte & 0xf];
        if(i != data.size()) out += ',';
        if(++column == 16 || i == data.size()) {
            out += '\n';
            column = 0;
        }
    }
}

}

int main(int argc, char** argv) {
    if(argc != 4) {
        std::cerr << "Usage: corrade-rc <name> <resources.conf> <out.cpp>" << std::endl;
        return 1;
    }

    const std::string name = argv[1];
    const std::string confPath = argv[2];
    const std::string outPath = argv[3];

    if(name.empty()) fail("the resource name is empty");
    for(std::size_t i = 0; i != name.size(); ++i) {
        const char c = name[i];
        if(!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || (i && c >= '0' && c <= '9')))
            fail("the resource name '" + name + "' is not a valid C++ identifier");
    }

    std::string conf;
    if(!readFile(confPath, conf)) fail("can't read " + confPath);

    /* Parse the INI-like configuration */
    std::string group;
    bool hasGroup = false;
    Options global;
    std::vector<FileEntry> files;
    bool inFileSection = false;
    bool inOtherSection = false;
    {
        std::istringstream in{conf};
        std::string rawLine;
        std::size_t lineNumber = 0;
        while(std::getline(in, rawLine)) {
            ++lineNumber;
            const std::string where = confPath + ":" + std::to_string(lineNumber);
            const std::string line = trimmed(rawLine);
            if(line.empty() || line[0] == '#' || line[0] == ';') continue;

            if(line[0] == '[') {
                if(line.back() != ']') fail(where + ": missing ] in a section header");
                const std::string section = trimmed(line.substr(1, line.size() - 2));
                inFileSection = section == "file";
                inOtherSection = !inFileSection;
                if(inFileSection) {
                    files.emplace_back();
                    files.back().line = lineNumber;
                }
                continue;
            }

            const std::size_t equals = line.find('=');
            if(equals == std::string::npos) fail(where + ": expected key=value, got '" + line + "'");
            const std::string key = trimmed(line.substr(0, equals));
            const std::string value = unquoted(trimmed(line.substr(equals + 1)));

            /* Sections other than [file] are of no interest */
            if(inOtherSection) continue;

            if(inFileSection) {
                FileEntry& file = files.back();
                if(key == "filename") {
                    file.filename = value;
                    file.hasFilename = true;
                } else if(key == "alias") {
                    file.alias = value;
                    file.hasAlias = true;
                } else if(key == "nullTerminated") {
                    file.options.nullTerminated = parseBool(where, value);
                    file.options.hasNullTerminated = true;
                } else if(key == "align") {
                    file.options.align = parseAlign(where, value);
                    file.options.hasAlign = true;
                }
            } else {
                if(key == "group") {
                    group = value;
                    hasGroup = true;
                } else if(key == "nullTerminated") {
                    global.nullTerminated = parseBool(where, value);
                } else if(key == "align") {
                    global.align = parseAlign(where, value);
                }
            }
        }
    }

    if(!hasGroup || group.empty()) fail(confPath + ": group name is not specified");

    /* Read the data, check for duplicates */
    const std::string baseDir = directoryOf(confPath);
    std::set<std::string> names;
    std::vector<std::string> data(files.size());
    for(std::size_t i = 0; i != files.size(); ++i) {
        FileEntry& file = files[i];
        const std::string where = confPath + ":" + std::to_string(file.line);
        if(!file.hasFilename || file.filename.empty())
            fail(where + ": the [file] section has no filename");
        if(!file.options.hasNullTerminated) file.options.nullTerminated = global.nullTerminated;
        if(!file.options.hasAlign) file.options.align = global.align;

        const std::string& lookupName = file.hasAlias ? file.alias : file.filename;
        if(lookupName.empty()) fail(where + ": the alias is empty");
        if(!names.insert(lookupName).second)
            fail(where + ": duplicate file name '" + lookupName + "' in group '" + group + "'");

        const std::string path = file.filename[0] == '/' ? file.filename : baseDir + file.filename;
        if(!readFile(path, data[i])) fail(where + ": can't read file '" + path + "'");
    }

    /* Generate the source */
    std::string out;
    out.reserve(1024);
    for(const std::string& d: data) out.reserve(out.capacity() + d.size()*5 + 128);
    out += "/* Resource group " + commentSafe(group) + ", generated by corrade-rc, do not edit */\n\n"
           "#include \"Corrade/Utility/Resource.h\"\n\n"
           "namespace {\n\n";
    for(std::size_t i = 0; i != files.size(); ++i) {
        out += "/* " + commentSafe(files[i].filename) + " */\n";
        if(files[i].options.align > 1)
            out += "alignas(" + std::to_string(files[i].options.align) + ") ";
        out += "const unsigned char resourceData" + std::to_string(i) + "[] = {\n";
        appendBytes(out, data[i]);
        out += "};\n\n";
    }

    /* A zero-sized array isn't valid C++, an empty group gets no file list */
    if(!files.empty()) {
        out += "const Corrade::Utility::Implementation::ResourceFile resourceFiles[] = {\n";
        for(std::size_t i = 0; i != files.size(); ++i) {
            const std::string& lookupName = files[i].hasAlias ? files[i].alias : files[i].filename;
            out += "    {" + cString(lookupName) + ", " + std::to_string(lookupName.size()) + ", "
                "resourceData" + std::to_string(i) + ", " + std::to_string(data[i].size()) + ", " +
                (files[i].options.nullTerminated ? "true" : "false") + "}" +
                (i + 1 == files.size() ? "\n" : ",\n");
        }
        out += "};\n\n";
    }

    out += "Corrade::Utility::Implementation::ResourceGroup resourceGroup{" + cString(group) + ", " +
        std::to_string(files.size()) + ", " + (files.empty() ? "nullptr" : "resourceFiles") + ", nullptr};\n\n"
        "}\n\n"
        "int resourceInitializer_" + name + "();\n"
        "int resourceInitializer_" + name + "() {\n"
        "    Corrade::Utility::Implementation::resourceRegister(resourceGroup);\n"
        "    return 1;\n"
        "}\n\n"
        "int resourceFinalizer_" + name + "();\n"
        "int resourceFinalizer_" + name + "() {\n"
        "    Corrade::Utility::Implementation::resourceUnregister(resourceGroup);\n"
        "    return 1;\n"
        "}\n\n"
        "namespace {\n\n"
        "/* Registers the group when the binary is loaded, unregisters on unload */\n"
        "struct ResourceRegistration {\n"
        "    ResourceRegistration() { resourceInitializer_" + name + "(); }\n"
        "    ~ResourceRegistration() { resourceFinalizer_" + name + "(); }\n"
        "} resourceRegistration;\n\n"
        "}\n";

    std::ofstream file{outPath, std::ios::binary|std::ios::trunc};
    if(!file) fail("can't write " + outPath);
    file.write(out.data(), std::streamsize(out.size()));
    file.close();
    if(!file) fail("can't write " + outPath);
    return 0;
}
