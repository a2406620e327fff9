#include "core/topics/preferences.h"

#include "core/util/convert.h"

namespace scrivlet {
namespace {

class Reader {
public:
    explicit Reader(const PreferenceLookup& lookup) : lookup_(lookup) {}

    int Int(const char* name, int fallback) const {
        if (auto text = lookup_(name)) {
            if (auto value = ParsePreferenceInt(*text)) {
                return *value;
            }
        }
        return fallback;
    }
    uint8_t Byte(const char* name, uint8_t fallback) const {
        return PreferenceByte(Int(name, fallback));
    }
    bool Bool(const char* name, bool fallback) const { return Int(name, fallback ? 1 : 0) != 0; }
    std::string String(const char* name, const std::string& fallback) const {
        if (auto text = lookup_(name)) {
            return *text;
        }
        return fallback;
    }

private:
    const PreferenceLookup& lookup_;
};

std::string BoolText(bool value) {
    return value ? "1" : "0";
}

}  // namespace

std::optional<int32_t> ParsePreferenceInt(std::string_view text) {
    return TryStrToInt(text);
}

uint8_t PreferenceByte(int32_t value) {
    return static_cast<uint8_t>(static_cast<uint32_t>(value));
}

Preferences ReadPreferences(const PreferenceLookup& lookup) {
    const Reader r(lookup);
    const Preferences d;
    Preferences p;
    p.Top = r.Int("Top", d.Top);
    p.Left = r.Int("Left", d.Left);
    p.Height = r.Int("Height", d.Height);
    p.Width = r.Int("Width", d.Width);
    p.WindowState = r.String("WindowState", d.WindowState);
    p.GrabLeft = r.Int("GrabLeft", d.GrabLeft);
    p.Col0 = r.Int("Col0", d.Col0);
    p.Col1 = r.Int("Col1", d.Col1);
    p.Col2 = r.Int("Col2", d.Col2);
    p.gfont = r.String("gfont", d.gfont);
    p.gsize = r.Int("gsize", d.gsize);
    p.Status = r.Bool("Status", d.Status);
    p.Ruler = r.Bool("Ruler", d.Ruler);
    p.Compiler = r.String("Compiler", d.Compiler);
    p.InsColor = r.Byte("InsColor", d.InsColor);
    p.DelWarn = r.Bool("DelWarn", d.DelWarn);
    p.IDcount = r.Byte("IDcount", d.IDcount);
    p.IDinc = r.Byte("IDinc", d.IDinc);
    p.IDask = r.Bool("IDask", d.IDask);
    return p;
}

std::vector<std::pair<std::string, std::string>> PreferencesToWrite(const Preferences& p,
                                                                    bool maximized,
                                                                    bool optionsConfirmed) {
    std::vector<std::pair<std::string, std::string>> out;
    if (!maximized) {
        out.emplace_back("Top", IntToStr(p.Top));
        out.emplace_back("Left", IntToStr(p.Left));
        out.emplace_back("Height", IntToStr(p.Height));
        out.emplace_back("Width", IntToStr(p.Width));
    }
    out.emplace_back("WindowState", maximized ? "Maximized" : "Normal");
    out.emplace_back("GrabLeft", IntToStr(p.GrabLeft));
    if (optionsConfirmed) {
        out.emplace_back("Col0", IntToStr(p.Col0));
    }
    out.emplace_back("Col1", IntToStr(p.Col1));
    out.emplace_back("Col2", IntToStr(p.Col2));
    if (optionsConfirmed) {
        out.emplace_back("gfont", p.gfont);
        out.emplace_back("gsize", IntToStr(p.gsize));
    }
    out.emplace_back("Status", BoolText(p.Status));
    out.emplace_back("Ruler", BoolText(p.Ruler));
    if (optionsConfirmed) {
        out.emplace_back("Compiler", p.Compiler);
        out.emplace_back("InsColor", IntToStr(p.InsColor));
        out.emplace_back("DelWarn", BoolText(p.DelWarn));
        out.emplace_back("IDcount", IntToStr(p.IDcount));
        out.emplace_back("IDinc", IntToStr(p.IDinc));
        out.emplace_back("IDask", BoolText(p.IDask));
    }
    return out;
}

}  // namespace scrivlet
