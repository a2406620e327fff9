#include "rtf/rtf_reader_state.h"

#include <algorithm>
#include <array>

namespace scrivlet::rtfread {

const FontInfo* FontTable::Find(int number) const {
    auto it = fonts_.find(number);
    return it == fonts_.end() ? nullptr : &it->second;
}

void FontTable::Begin(int number) {
    End();
    current_ = FontInfo{number, {}, QFont::AnyStyle};
}

void FontTable::SetHint(QFont::StyleHint hint) {
    if (current_) {
        current_->hint = hint;
    }
}

void FontTable::AppendName(QChar c) {
    // Control characters are no part of a name and could not be written back.
    if (current_ && c.unicode() >= 0x20) {
        current_->name += c;
    }
}

void FontTable::End() {
    if (!current_) {
        return;
    }
    current_->name = current_->name.trimmed();
    if (!current_->name.isEmpty()) {
        int number = current_->number;
        fonts_.insert_or_assign(number, std::move(*current_));
    }
    current_.reset();
}

std::optional<QRgb> ColourTable::Find(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= colours_.size()) {
        return std::nullopt;
    }
    return colours_[static_cast<std::size_t>(index)];
}

void ColourTable::SetComponent(int& component, int value) {
    component = std::clamp(value, 0, 255);
    any_ = true;
}

void ColourTable::EndEntry() {
    if (any_) {
        colours_.push_back(qRgb(red_, green_, blue_));
    } else {
        colours_.push_back(std::nullopt);
    }
    red_ = green_ = blue_ = 0;
    any_ = false;
}

namespace {

// Destinations whose content is not text of the document. "\*" before any
// other word has the same effect.
constexpr std::string_view kSkipped[] = {
    "aftncn",
    "aftnsep",
    "aftnsepc",
    "annotation",
    "atnauthor",
    "atnid",
    "author",
    "bkmkend",
    "bkmkstart",
    "buptim",
    "colorschememapping",
    "comment",
    "company",
    "creatim",
    "datastore",
    "do",
    "doccomm",
    "docvar",
    "falt",
    "fldinst",
    "filetbl",
    "footer",
    "footerf",
    "footerl",
    "footerr",
    "footnote",
    "ftncn",
    "ftnsep",
    "ftnsepc",
    "generator",
    "header",
    "headerf",
    "headerl",
    "headerr",
    "info",
    "keywords",
    "latentstyles",
    "listoverridetable",
    "listtable",
    "listtext",
    "nonshppict",
    "object",
    "operator",
    "pict",
    "pntext",
    "printim",
    "revtbl",
    "revtim",
    "rsidtbl",
    "stylesheet",
    "tc",
    "template",
    "themedata",
    "title",
    "txe",
    "userprops",
    "xe",
    "xmlnstbl",
    "shp",
};

}  // namespace

DestinationKind ClassifyDestination(std::string_view word) {
    if (word == "fonttbl") {
        return DestinationKind::kFontTable;
    }
    if (word == "colortbl") {
        return DestinationKind::kColourTable;
    }
    if (word == "pn") {
        return DestinationKind::kBullet;
    }
    if (std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped)) {
        return DestinationKind::kSkip;
    }
    return DestinationKind::kNone;
}

char16_t SpecialCharacter(std::string_view word) {
    struct Entry {
        std::string_view word;
        char16_t c;
    };
    static constexpr std::array<Entry, 11> kEntries{{
        {"tab", u'\t'},
        {"line", 0x2028},
        {"emdash", 0x2014},
        {"endash", 0x2013},
        {"bullet", 0x2022},
        {"lquote", 0x2018},
        {"rquote", 0x2019},
        {"ldblquote", 0x201C},
        {"rdblquote", 0x201D},
        {"emspace", u' '},
        {"enspace", u' '},
    }};
    for (const Entry& entry : kEntries) {
        if (entry.word == word) {
            return entry.c;
        }
    }
    return 0;
}

std::optional<QFont::StyleHint> FamilyHint(std::string_view word) {
    if (word == "fswiss") {
        return QFont::SansSerif;
    }
    if (word == "froman") {
        return QFont::Serif;
    }
    if (word == "fmodern") {
        return QFont::TypeWriter;
    }
    if (word == "fscript") {
        return QFont::Cursive;
    }
    if (word == "fdecor") {
        return QFont::Decorative;
    }
    if (word == "fnil" || word == "ftech" || word == "fbidi") {
        return QFont::AnyStyle;
    }
    return std::nullopt;
}

}  // namespace scrivlet::rtfread
