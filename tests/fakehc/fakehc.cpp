// A stand-in help compiler for tests. It takes the compiler's command line
// ("-x NAME.hpj"), reads the help project file in the current folder, checks
// that every file of [FILES] exists and that every hidden jump of those RTF
// files names a context string one of them defines, and writes its findings,
// one per line ended by CR LF, to the file of the ERRORLOG line. Standard
// library only.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ReadLines(const std::string& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    ok = static_cast<bool>(in);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.push_back(line);
            line.clear();
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += bytes[i];
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

// Names in the project file use "\"; here they become "/". A drive letter
// cannot be resolved and is left as it is, so such a file is not found.
std::string LocalPath(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Every "{" + CONTROL + " " ... "}" group's text in LINE.
std::vector<std::string> Groups(const std::string& line, const std::string& opening) {
    std::vector<std::string> found;
    std::size_t pos = 0;
    while ((pos = line.find(opening, pos)) != std::string::npos) {
        const std::size_t start = pos + opening.size();
        const std::size_t close = line.find('}', start);
        if (close == std::string::npos) {
            break;
        }
        found.push_back(line.substr(start, close - start));
        pos = close;
    }
    return found;
}

struct Jump {
    std::string target;
    std::string file;
    std::size_t line;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 || std::string(argv[1]) != "-x") {
        std::cerr << "usage: hcrtf -x PROJECT.hpj\n";
        return 2;
    }
    const std::string hpj = argv[2];
    bool ok = false;
    const std::vector<std::string> project = ReadLines(hpj, ok);
    if (!ok) {
        std::cerr << "hcrtf: cannot open " << hpj << "\n";
        return 1;
    }
    std::string errorLog;
    std::vector<std::string> files;
    std::string section;
    for (const std::string& line : project) {
        if (!line.empty() && line[0] == '[') {
            section = Upper(line);
        } else if (section == "[OPTIONS]" && Upper(line.substr(0, 9)) == "ERRORLOG=") {
            errorLog = LocalPath(line.substr(9));
        } else if (section == "[FILES]" && !line.empty()) {
            files.push_back(line);
        }
    }

    std::vector<std::string> findings;
    std::set<std::string> contexts;
    std::vector<Jump> jumps;
    std::size_t contextCount = 0;
    for (const std::string& file : files) {
        bool opened = false;
        const std::vector<std::string> rtf = ReadLines(LocalPath(file), opened);
        if (!opened) {
            findings.push_back("HC1001: Error: file not found: " + file);
            continue;
        }
        for (std::size_t n = 0; n < rtf.size(); ++n) {
            for (const std::string& context : Groups(rtf[n], "#{\\footnote ")) {
                contexts.insert(Upper(Trim(context)));
                ++contextCount;
            }
            for (std::string target : Groups(rtf[n], "{\\v ")) {
                if (!target.empty() && (target[0] == '%' || target[0] == '*')) {
                    target.erase(0, 1);
                }
                target = target.substr(0, target.find('>'));
                // Macros and jumps into other help files are not ours to check.
                if (target.empty() || target[0] == '!' || target.find('@') != std::string::npos) {
                    continue;
                }
                jumps.push_back({target, file, n + 1});
            }
        }
    }
    for (const Jump& jump : jumps) {
        if (contexts.count(Upper(jump.target)) == 0) {
            findings.push_back("HC1002: Error: jump to undefined context string " + jump.target +
                               " (" + jump.file + ", line " + std::to_string(jump.line) + ")");
        }
    }
    const std::size_t errors = findings.size();
    std::ostringstream summary;
    summary << hpj << ": " << contextCount << " context strings, " << jumps.size() << " jumps, "
            << errors << " errors";
    findings.push_back(summary.str());

    if (errorLog.empty()) {
        std::cerr << "hcrtf: no ERRORLOG line in " << hpj << "\n";
        return 1;
    }
    std::ofstream out(errorLog, std::ios::binary);
    for (const std::string& finding : findings) {
        out << finding << "\r\n";
    }
    return out ? 0 : 1;
}
