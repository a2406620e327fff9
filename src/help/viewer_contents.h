#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace scrivlet::help {

enum class ContentsNodeKind { Book, Topic, Macro };

// One line of the Contents tab: a book with its entries, a topic page or a
// page that runs a macro.
struct ContentsNode {
    ContentsNodeKind kind = ContentsNodeKind::Book;
    std::string title;
    std::string context;  // a topic page's context string
    std::string file;     // the page's help file: its "@" part, else its contents file's :Base
    std::string window;   // its ">" part, else its contents file's :Base window
    std::string macro;    // a macro page's macro, without the "!"
    std::vector<ContentsNode> children;

    friend bool operator==(const ContentsNode&, const ContentsNode&) = default;
};

// A contents file (.cnt) with every :Include resolved: the tree the Contents
// tab shows, and the other help files the Index and Find tabs take in.
struct ContentsTree {
    std::string title;  // :Title
    std::vector<ContentsNode> nodes;
    std::vector<std::string> links;  // :Link and :Index help files, each once, in file order
    // Included contents files that were missing, unreadable or included
    // within themselves; their entries are left out.
    std::vector<std::string> skipped;
};

// Gives the bytes of the contents file NAME (as an :Include line names it,
// or the first file's name), or nothing when it cannot be read.
using ContentsLoader = std::function<std::optional<std::string>(const std::string& name)>;

// Reads the contents file NAME and, in their places, the files it includes:
// an included file's level 1 sits inside the book that is open where the
// :Include stands, and its pages name the including file's :Base when it
// has none of its own. A level deeper than the open books allow joins the
// deepest open book.
ContentsTree ReadContentsTree(const std::string& name, const ContentsLoader& load);

}  // namespace scrivlet::help
