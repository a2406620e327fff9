#include "help/viewer_contents.h"

#include <algorithm>

#include "core/contents/contents_entry.h"
#include "core/contents/contents_file.h"
#include "core/contents/contents_item.h"
#include "core/util/convert.h"

namespace scrivlet::help {
namespace {

// Includes deeper than this are a loop the name check missed (the same
// file under two spellings).
constexpr std::size_t kMaxIncludeDepth = 16;

class TreeBuilder {
public:
    TreeBuilder(ContentsTree& tree, const ContentsLoader& load) : tree_(tree), load_(load) {
        open_.push_back(&tree_.nodes);
    }

    // BASE is the :Base of the including file, which an included file
    // without one of its own takes over.
    void ReadFile(const std::string& name, bool first, const ContentsFile* base) {
        const std::string key = UpperAscii(name);
        if (std::find(including_.begin(), including_.end(), key) != including_.end() ||
            including_.size() >= kMaxIncludeDepth) {
            tree_.skipped.push_back(name);
            return;
        }
        const std::optional<std::string> bytes = load_(name);
        if (!bytes) {
            if (!first) {
                tree_.skipped.push_back(name);
            }
            return;
        }
        ContentsFile file;
        file.ReadText(*bytes);
        if (file.DefaultFile.empty() && base) {
            file.DefaultFile = base->DefaultFile;
            file.DefaultWindow = base->DefaultWindow;
        }
        if (first) {
            tree_.title = file.DefaultTitle;
        }
        for (const auto* lines : {&file.LinkLines, &file.IndexLines}) {
            for (const std::string& line : *lines) {
                AddLink(line);
            }
        }
        including_.push_back(key);
        const std::size_t offset = open_.size() - 1;
        for (const std::string& line : file.EntryLines) {
            ReadLine(line, offset, file);
        }
        including_.pop_back();
    }

private:
    void AddLink(const std::string& line) {
        // ":Index Title=file.hlp" names the file after "="; ":Link" only
        // the file.
        const HeaderPair pair = SplitHeaderPair(line);
        if (!pair.File.empty() &&
            std::find(tree_.links.begin(), tree_.links.end(), pair.File) == tree_.links.end()) {
            tree_.links.push_back(pair.File);
        }
    }

    void ReadLine(const std::string& line, std::size_t offset, const ContentsFile& file) {
        const ContentsEntry entry = ParseEntry(line);
        if (IsInclude(entry)) {
            ReadFile(TrimBlanks(std::string_view(line).substr(8)), false, &file);
            return;
        }
        if (IsComment(entry) || entry.EntryLevel <= 0) {
            return;
        }
        ContentsNode node;
        node.title = entry.EntryTitle.str();
        if (IsMacro(entry)) {
            node.kind = ContentsNodeKind::Macro;
            node.macro = entry.EntryTarget.str().substr(1);
        } else if (IsPage(entry)) {
            node.kind = ContentsNodeKind::Topic;
            node.context = TrimBlanks(entry.EntryTarget.str());
            node.file = entry.EntryFile.empty() ? file.DefaultFile : entry.EntryFile.str();
            node.window = entry.EntryWindow.empty() ? file.DefaultWindow : entry.EntryWindow.str();
        }
        const std::size_t level = offset + static_cast<std::size_t>(entry.EntryLevel);
        const std::size_t depth = std::min(level - 1, open_.size() - 1);
        // Entries after this one at a deeper level belong to it (a book)
        // or to nothing nearer than its parent (a page): close the rest
        // before the parent grows.
        open_.resize(depth + 1);
        std::vector<ContentsNode>& parent = *open_[depth];
        parent.push_back(std::move(node));
        if (parent.back().kind == ContentsNodeKind::Book) {
            open_.push_back(&parent.back().children);
        }
    }

    ContentsTree& tree_;
    const ContentsLoader& load_;
    // The open books: the top level first, then each open book's entries.
    std::vector<std::vector<ContentsNode>*> open_;
    std::vector<std::string> including_;
};

}  // namespace

ContentsTree ReadContentsTree(const std::string& name, const ContentsLoader& load) {
    ContentsTree tree;
    TreeBuilder(tree, load).ReadFile(name, true, nullptr);
    return tree;
}

}  // namespace scrivlet::help
