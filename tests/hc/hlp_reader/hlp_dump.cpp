// The text dump of a help file the golden tests compare.
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "hlp_numbers.h"
#include "hlp_reader.h"

namespace scrivlet::hc::test {
namespace {

constexpr std::size_t kBlock = 4096;
constexpr std::size_t kBlockData = kBlock - 12;

uint32_t Get16(const std::string& b, std::size_t at) {
    if (at + 2 > b.size())
        throw std::runtime_error("read past the end");
    return static_cast<uint8_t>(b[at]) | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1]))
                                             << 8;
}
uint32_t Get32(const std::string& b, std::size_t at) {
    return Get16(b, at) | Get16(b, at + 2) << 16;
}

std::string Hex8(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

std::string HlpReader::Dump() const {
    std::string out = "FILES\n";
    for (const auto& [name, offset] : directory_) {
        out += "  " + name + " " + std::to_string(InternalFile(name)->size()) + "\n";
    }
    out += DumpSystem();
    out += DumpFonts();
    std::map<uint32_t, std::string> titles;
    out += "TITLES\n";
    for (const auto& [key, value] : Entries("|TTLBTREE", 4, 0)) {
        titles[Get32(key, 0)] = value.substr(0, value.size() - 1);
        out += "  " + Hex8(Get32(key, 0)) + " " + Quoted(titles[Get32(key, 0)]) + "\n";
    }
    auto titleAt = [&titles](uint32_t offset) {
        auto found = titles.upper_bound(offset);
        return found == titles.begin() ? std::string("?") : Quoted(std::prev(found)->second);
    };
    out += "CONTEXTS\n";
    for (const auto& [key, value] : Entries("|CONTEXT", 4, 4)) {
        out += "  " + Hex8(Get32(key, 0)) + " -> " + Hex8(Get32(value, 0)) + " " +
               titleAt(Get32(value, 0)) + "\n";
    }
    if (const auto map = InternalFile("|CTXOMAP")) {
        out += "MAP\n";
        const unsigned count = Get16(*map, 0);
        for (unsigned i = 0; i < count; ++i) {
            const uint32_t offset = Get32(*map, 2 + i * 8 + 4);
            out += "  " + std::to_string(Get32(*map, 2 + i * 8)) + " -> " + Hex8(offset) + " " +
                   titleAt(offset) + "\n";
        }
    }
    for (const char letter : {'K', 'A'}) {
        const std::string prefix = std::string("|") + letter;
        const auto data = InternalFile(prefix + "WDATA");
        if (!data)
            continue;
        out += std::string("KEYWORDS ") + letter + "\n";
        for (const auto& [key, value] : Entries(prefix + "WBTREE", 0, 6)) {
            out += "  " + Quoted(key.substr(0, key.size() - 1)) + ":";
            const unsigned count = Get16(value, 0);
            const uint32_t at = Get32(value, 2);
            for (unsigned i = 0; i < count; ++i) {
                out += " " + titleAt(Get32(*data, at + i * 4));
            }
            out += "\n";
        }
    }
    for (const auto& [name, offset] : directory_) {
        if (name.rfind("|CF", 0) != 0)
            continue;
        out += "WINDOW MACROS " + name.substr(3) + "\n";
        const std::string macros = *InternalFile(name);
        for (std::size_t at = 0; at < macros.size();) {
            const std::size_t end = macros.find('\0', at);
            if (end == std::string::npos)
                throw std::runtime_error(name + " ends inside a macro");
            out += "  " + Quoted(macros.substr(at, end - at)) + "\n";
            at = end + 1;
        }
    }
    if (directory_.count("|VIOLA") != 0) {
        out += "WINDOWS OF TOPICS\n";
        for (const auto& [key, value] : Entries("|VIOLA", 4, 4)) {
            out += "  " + titleAt(Get32(key, 0)) + " -> window " + std::to_string(Get32(value, 0)) +
                   "\n";
        }
    }
    out += DumpPictures();
    out += DumpTopics();
    return out;
}

std::string HlpReader::DumpSystem() const {
    const std::string sys = *InternalFile("|SYSTEM");
    std::string out = "SYSTEM " + std::to_string(Get16(sys, 4)) + "." +
                      std::to_string(Get16(sys, 2)) + " flags " + std::to_string(Get16(sys, 10)) +
                      "\n";
    if (Get16(sys, 0) != 0x036C)
        throw std::runtime_error("|SYSTEM magic is wrong");
    for (std::size_t at = 12; at + 4 <= sys.size();) {
        const unsigned type = Get16(sys, at);
        const unsigned size = Get16(sys, at + 2);
        const std::string data = sys.substr(at + 4, size);
        if (data.size() != size)
            throw std::runtime_error("|SYSTEM record runs past the end");
        const std::string text = data.substr(0, data.find('\0'));
        switch (type) {
            case 1:
                out += "  title " + Quoted(text) + "\n";
                break;
            case 2:
                out += "  copyright " + Quoted(text) + "\n";
                break;
            case 3:
                out += "  contents " + Hex8(Get32(data, 0)) + "\n";
                break;
            case 4:
                out += "  macro " + Quoted(text) + "\n";
                break;
            case 6: {
                if (size != 90)
                    throw std::runtime_error("window record is not 90 bytes");
                auto field = [&data](std::size_t from, std::size_t length) {
                    const std::string f = data.substr(from, length);
                    return f.substr(0, f.find('\0'));
                };
                out += "  window flags " + Hex8(Get16(data, 0)) + " " + field(2, 10) + " " +
                       field(12, 9) + " " + Quoted(field(21, 51)) + " (" +
                       std::to_string(Get16(data, 72)) + "," + std::to_string(Get16(data, 74)) +
                       "," + std::to_string(Get16(data, 76)) + "," +
                       std::to_string(Get16(data, 78)) + ") state " +
                       std::to_string(Get16(data, 80)) + " colours " + Hex8(Get32(data, 82)) + " " +
                       Hex8(Get32(data, 86)) + "\n";
                break;
            }
            case 8:
                out += "  citation " + Quoted(text) + "\n";
                break;
            case 10:
                out += "  cnt " + Quoted(text) + "\n";
                break;
            case 5:
                // An icon file: its directory's image count, and the size
                // the first image has there.
                if (size < 22 || Get16(data, 2) != 1)
                    throw std::runtime_error("icon record is no icon file");
                out += "  icon of " + std::to_string(Get16(data, 4)) + " images, first " +
                       std::to_string(static_cast<uint8_t>(data[6])) + "x" +
                       std::to_string(static_cast<uint8_t>(data[7])) + " " +
                       std::to_string(Get32(data, 14)) + " bytes at " +
                       std::to_string(Get32(data, 18)) + "\n";
                break;
            case 9: {
                if (size < 10)
                    throw std::runtime_error("locale record is too short");
                char lcid[48];
                std::snprintf(lcid, sizeof lcid, "  lcid 0x%X 0x%X 0x%X\n", Get16(data, 8),
                              Get16(data, 0), Get16(data, 2));
                out += lcid;
                break;
            }
            case 11:
                out += "  charset " + std::to_string(static_cast<uint8_t>(data.at(0))) + "\n";
                break;
            default:
                out += "  record " + std::to_string(type) + " size " + std::to_string(size) + "\n";
        }
        at += 4 + size;
    }
    return out;
}

std::string HlpReader::DumpFonts() const {
    const std::string f = *InternalFile("|FONT");
    const unsigned faces = Get16(f, 0);
    const unsigned fonts = Get16(f, 2);
    const unsigned faceAt = Get16(f, 4);
    const unsigned fontAt = Get16(f, 6);
    const unsigned length = faces ? (fontAt - faceAt) / faces : 0;
    std::string out = "FONTS\n";
    for (unsigned i = 0; i < faces; ++i) {
        const std::string face = f.substr(faceAt + i * length, length);
        out += "  face " + std::to_string(i) + " " + face.substr(0, face.find('\0')) + "\n";
    }
    for (unsigned i = 0; i < fonts; ++i) {
        const std::size_t at = fontAt + i * 11;
        char line[96];
        std::snprintf(line, sizeof line,
                      "  font %u: attributes %02X half-points %u family %u face %u colour "
                      "%02X%02X%02X\n",
                      i, static_cast<uint8_t>(f.at(at)), static_cast<uint8_t>(f.at(at + 1)),
                      static_cast<uint8_t>(f.at(at + 2)), Get16(f, at + 3),
                      static_cast<uint8_t>(f.at(at + 5)), static_cast<uint8_t>(f.at(at + 6)),
                      static_cast<uint8_t>(f.at(at + 7)));
        out += line;
    }
    return out;
}

std::string HlpReader::TopicData(std::vector<std::size_t>* starts, std::size_t* span) const {
    const std::string topic = *InternalFile("|TOPIC");
    const unsigned flags = Get16(*InternalFile("|SYSTEM"), 10);
    if (flags != 0 && flags != 4)
        throw std::runtime_error("unknown topic block flags");
    // A WinHelp 4 topic position counts 16 KB per block whether the blocks
    // are packed or not; an unpacked block just fills fewer of them.
    *span = 0x4000;
    std::string data;
    for (std::size_t block = 0; block < topic.size(); block += kBlock) {
        starts->push_back(data.size());
        if (flags == 0) {
            data += topic.substr(block + 12, kBlockData);
            continue;
        }
        const std::string unpacked = UnpackLz77(topic.substr(block + 12, kBlockData));
        if (unpacked.size() > 0x4000)
            throw std::runtime_error("a block unpacks to over 16 KB");
        data += unpacked;
    }
    return data;
}

std::string HlpReader::ParagraphLayout(const std::string& data, std::size_t* at, std::size_t end,
                                       const std::string& text, std::size_t* tp) const {
    Numbers n{data, *at, "paragraph record"};
    std::size_t& t = *tp;
    n.Dword();
    const unsigned bits = n.Word();
    std::string line = "P";
    const char* names[] = {"sb", "sa", "sl", "li", "ri", "fi"};
    for (int i = 0; i < 6; ++i) {
        if (bits & (0x2u << i))
            line += std::string(" ") + names[i] + "=" + std::to_string(n.Short());
    }
    if (bits & 0x0100) {
        const unsigned border = n.Byte();
        const char* sides[] = {"box", "top", "left", "bottom", "right", "thick", "double"};
        line += " border";
        for (int i = 0; i < 7; ++i) {
            if (border & (1u << i))
                line += std::string(" ") + sides[i];
        }
        line += " w" + std::to_string(static_cast<int16_t>(n.Word()));
    }
    if (bits & 0x0200) {
        const int tabs = n.Short();
        line += " tabs";
        for (int i = 0; i < tabs; ++i) {
            const unsigned tab = n.UShort();
            line += " " + std::to_string(tab & 0x3FFF);
            if (tab & 0x4000)
                line += "/" + std::to_string(n.UShort());
        }
    }
    if (bits & 0x0400)
        line += " right";
    if (bits & 0x0800)
        line += " center";
    if (bits & 0x1000)
        line += " nowrap";
    line += ":";
    bool done = false;
    while (!done && n.at < end) {
        // The text runs out before the end command, which has none before it.
        const std::size_t stop = text.find('\0', t);
        if (stop != std::string::npos) {
            line += text.substr(t, stop - t);
            t = stop + 1;
        }
        const unsigned code = n.Byte();
        switch (code) {
            case 0x80:
                line += "{f" + std::to_string(n.Word()) + "}";
                break;
            case 0x81:
                line += "{br}";
                break;
            case 0x82:
                line += "{par}";
                break;
            case 0x83:
                line += "{tab}";
                break;
            case 0x86:
            case 0x87:
            case 0x88: {
                const unsigned kind = n.Byte();
                const int32_t size = n.Long();
                unsigned hotspots = 0;
                if (kind == 0x22)
                    hotspots = n.UShort();
                const std::size_t start = n.at;
                const char* place = code == 0x86 ? "bmc" : code == 0x87 ? "bml" : "bmr";
                if (kind == 0x03 || kind == 0x22) {
                    const unsigned embedded = n.Word();
                    if (embedded != 0)
                        throw std::runtime_error("embedded pictures are not expected");
                    line += std::string("{") + place + " |bm" + std::to_string(n.Word());
                    if (hotspots != 0)
                        line += " hotspots " + std::to_string(hotspots);
                    line += "}";
                } else if (kind == 0x05) {
                    n.Word();
                    n.Word();
                    n.Word();
                    line += std::string("{") + place + "-object " +
                            Quoted(data.substr(n.at, data.find('\0', n.at) - n.at)) + "}";
                } else {
                    throw std::runtime_error("unknown picture kind");
                }
                if (size < 0 || n.at > start + static_cast<std::size_t>(size))
                    throw std::runtime_error("picture command overruns its size");
                n.at = start + static_cast<std::size_t>(size);
                break;
            }
            case 0x89:
                line += "{/}";
                break;
            case 0xFF:
                done = true;
                break;
            case 0xC8:
            case 0xCC: {
                const unsigned size = n.Word();
                line += std::string(code == 0xCC ? "{macro% " : "{macro ") +
                        data.substr(n.at, size).c_str() + "}";
                n.at += size;
                break;
            }
            case 0xE2:
            case 0xE3:
            case 0xE6:
            case 0xE7: {
                const uint32_t hash = n.Dword();
                const auto target = Lookup("|CONTEXT", std::string(data, n.at - 4, 4), 4);
                line += std::string(code & 1 ? "{jump" : "{popup") + (code & 4 ? "% " : " ") +
                        (target ? Hex8(Get32(*target, 0)) : "undefined " + Hex8(hash)) + "}";
                break;
            }
            case 0xEA:
            case 0xEB:
            case 0xEE:
            case 0xEF: {
                const unsigned size = n.Word();
                const std::string tail = data.substr(n.at, size);
                n.at += size;
                line += std::string(code & 1 ? "{jump" : "{popup") + (code & 4 ? "% " : " ") +
                        "type " + std::to_string(static_cast<uint8_t>(tail.at(0))) + " " +
                        Hex8(Get32(tail, 1));
                if (tail.at(0) == 1)
                    line += " window " + std::to_string(static_cast<uint8_t>(tail.at(5)));
                if (tail.at(0) == 4 || tail.at(0) == 6) {
                    for (std::size_t s = 5; s < tail.size(); s = tail.find('\0', s) + 1) {
                        line += " " + Quoted(tail.substr(s, tail.find('\0', s) - s));
                    }
                }
                line += "}";
                break;
            }
            default:
                throw std::runtime_error("unknown formatting command " + std::to_string(code));
        }
    }
    *at = n.at;
    return line;
}

std::string HlpReader::DumpTopics() const {
    std::vector<std::size_t> starts;
    std::size_t span = 0;
    const std::string data = TopicData(&starts, &span);
    const std::vector<std::string> phrases = Phrases();
    std::string out;
    if (!phrases.empty()) {
        out += "PHRASES\n";
        for (const std::string& phrase : phrases)
            out += "  " + Quoted(phrase) + "\n";
    }
    out += "TOPICS\n";
    uint32_t ref = Get32(*InternalFile("|TOPIC"), 4);
    std::size_t currentBlock = SIZE_MAX;
    uint32_t characters = 0;
    std::size_t links = 0;
    while (ref != 0xFFFFFFFF) {
        if (++links > data.size())
            throw std::runtime_error("topic links loop");
        const std::size_t block = (ref - 12) / span;
        if (block >= starts.size())
            throw std::runtime_error("TOPICPOS past the last block");
        const std::size_t at = starts[block] + (ref - 12) % span;
        const uint32_t blockSize = Get32(data, at);
        const uint32_t len2 = Get32(data, at + 4);
        const uint32_t len1 = Get32(data, at + 16);
        const unsigned type = static_cast<uint8_t>(data.at(at + 20));
        // Text stored in fewer bytes than it has is in phrase codes.
        const bool coded = len1 + len2 > blockSize;
        if (len1 < 21 || (coded && phrases.empty()) || len1 > blockSize ||
            at + blockSize > data.size()) {
            throw std::runtime_error("topic link sizes do not add up");
        }
        if (block != currentBlock) {
            currentBlock = block;
            characters = 0;
        }
        const uint32_t offset = static_cast<uint32_t>(currentBlock * 0x8000 + characters);
        const std::string text =
            coded ? ExpandPhrases(phrases, data.substr(at + len1, blockSize - len1))
                  : data.substr(at + len1, len2);
        if (text.size() != len2)
            throw std::runtime_error("topic link text is not the size it claims");
        if (type == 0x02) {
            const std::size_t h = at + 21;
            const std::string title = text.substr(0, text.find('\0'));
            out += "topic " + std::to_string(Get32(data, h + 12)) + " at " + Hex8(offset) + " " +
                   Quoted(title) + " browse " + Hex8(Get32(data, h + 4)) + " " +
                   Hex8(Get32(data, h + 8)) + " regions " + Hex8(Get32(data, h + 16)) + " " +
                   Hex8(Get32(data, h + 20)) + "\n";
            for (std::size_t p = text.find('\0'); p != std::string::npos;) {
                const std::size_t end = text.find('\0', p + 1);
                out += "  entry macro " + Quoted(text.substr(p + 1, end - p - 1)) + "\n";
                p = end;
            }
        } else if (type == 0x20 || type == 0x23) {
            Numbers n{data, at + 21, "paragraph record"};
            n.Long();
            const unsigned length = n.UShort();
            std::size_t t = 0;
            std::string line;
            if (type == 0x20) {
                line = "  " + ParagraphLayout(data, &n.at, at + len1, text, &t);
            } else {
                const unsigned columns = n.Byte();
                const unsigned kind = n.Byte();
                line = "  T " + std::to_string(columns) + " columns type " + std::to_string(kind);
                if (kind == 0 || kind == 2)
                    line += " min " + std::to_string(static_cast<int16_t>(n.Word()));
                std::vector<int> v;
                for (unsigned c = 0; c < columns; ++c) {
                    v.push_back(static_cast<int16_t>(n.Word()));
                    v.push_back(static_cast<int16_t>(n.Word()));
                    line += " (" + std::to_string(v[v.size() - 2]) + "," +
                            std::to_string(v.back()) + ")";
                }
                // As viewers read the row back: with one column its right
                // edge and left edge; else the gap between cells is the
                // second column's second value, the left edge the first
                // column's second value less it, and each right edge adds
                // a column's two values to half the gap.
                if (columns == 1) {
                    line += " = left " + std::to_string(v[1]) + " edges " + std::to_string(v[0]);
                } else if (columns > 1) {
                    line += " = left " + std::to_string(v[1] - v[3]) + " gap " +
                            std::to_string(v[3]) + " edges";
                    int edge = v[3] / 2;
                    for (unsigned c = 0; c < columns; ++c) {
                        edge += v[2 * c] + v[2 * c + 1];
                        line += " " + std::to_string(edge);
                    }
                }
                for (;;) {
                    const auto column = static_cast<int16_t>(n.Word());
                    if (column == -1)
                        break;
                    if (column < 0 || static_cast<unsigned>(column) >= columns)
                        throw std::runtime_error("table paragraph in no column");
                    n.Word();
                    n.Byte();
                    line += "\n    c" + std::to_string(column) + " " +
                            ParagraphLayout(data, &n.at, at + len1, text, &t);
                }
            }
            if (n.at != at + len1)
                throw std::runtime_error("paragraph layout does not fill its record");
            out += line + " [" + std::to_string(length) + " at " + Hex8(offset) + "]\n";
            characters += length;
        } else {
            throw std::runtime_error("unknown record type " + std::to_string(type));
        }
        ref = Get32(data, at + 12);
    }
    return out;
}

}  // namespace scrivlet::hc::test
