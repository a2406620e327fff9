#include "core/contents/contents_edit.h"

#include "core/util/convert.h"

namespace scrivlet {
namespace {

bool Valid(const ContentsFile& file, int index) {
    return index >= 0 && index < file.Count();
}

std::string& LineAt(ContentsFile& file, int index) {
    return file.EntryLines[static_cast<std::size_t>(index)];
}

ContentsEditResult Changed(ContentsFile& file, int selection, bool beep = false) {
    file.CntModified = true;
    return {true, beep, selection};
}

ContentsEditResult Unchanged(int selection, bool beep = false) {
    return {false, beep, selection};
}

void InsertAt(ContentsFile& file, int index, std::string line) {
    file.EntryLines.insert(file.EntryLines.begin() + index, std::move(line));
}

}  // namespace

ContentsEditResult MoveRight(ContentsFile& file, int selection) {
    if (!Valid(file, selection)) {
        return Unchanged(selection);
    }
    const ContentsEntry entry = file.EntryAt(selection);
    if (entry.EntryLevel < 1 || entry.EntryLevel > 8) {
        return Unchanged(selection);
    }
    const ContentsEntry above = file.EntryAt(selection - 1);
    const bool beep =
        IsPage(above) ? entry.EntryLevel >= above.EntryLevel : entry.EntryLevel > above.EntryLevel;
    std::string& line = LineAt(file, selection);
    line = WithLevel(line, entry.EntryLevel + 1);
    return Changed(file, selection, beep);
}

ContentsEditResult MoveLeft(ContentsFile& file, int selection) {
    if (!Valid(file, selection)) {
        return Unchanged(selection);
    }
    const ContentsEntry entry = file.EntryAt(selection);
    if (entry.EntryLevel < 2) {
        return Unchanged(selection, true);
    }
    const ContentsEntry above = file.EntryAt(selection - 1);
    const bool beep =
        IsPage(entry) && (entry.EntryLevel <= above.EntryLevel ||
                          (IsBook(above) && entry.EntryLevel == above.EntryLevel + 1));
    std::string& line = LineAt(file, selection);
    line = WithLevel(line, entry.EntryLevel - 1);
    return Changed(file, selection, beep);
}

ContentsEditResult MoveUp(ContentsFile& file, int selection) {
    if (!Valid(file, selection) || selection == 0) {
        return Unchanged(selection);
    }
    std::swap(LineAt(file, selection), LineAt(file, selection - 1));
    return Changed(file, selection - 1);
}

ContentsEditResult MoveDown(ContentsFile& file, int selection) {
    if (!Valid(file, selection) || selection == file.Count() - 1) {
        return Unchanged(selection);
    }
    std::swap(LineAt(file, selection), LineAt(file, selection + 1));
    return Changed(file, selection + 1);
}

ContentsEditResult DeleteEntry(ContentsFile& file, int selection) {
    if (!Valid(file, selection)) {
        return Unchanged(selection);
    }
    file.EntryLines.erase(file.EntryLines.begin() + selection);
    const int count = file.Count();
    return Changed(file, count == 0 ? -1 : std::min(selection, count - 1));
}

ContentsEditResult InsertEntry(ContentsFile& file, int selection, std::string_view line) {
    const int index =
        Valid(file, selection) && selection != file.Count() - 1 ? selection + 1 : file.Count();
    InsertAt(file, index, std::string(line));
    return Changed(file, index);
}

ContentsEditResult ReplaceEntry(ContentsFile& file, int selection, std::string_view line) {
    if (!Valid(file, selection)) {
        return Unchanged(selection);
    }
    LineAt(file, selection) = std::string(line);
    return Changed(file, selection);
}

ContentsEditResult DropTopic(ContentsFile& file, int target, std::string_view title,
                             std::string_view contextString) {
    int64_t level = 1;
    int index = file.Count();
    if (Valid(file, target)) {
        const ContentsEntry entry = file.EntryAt(target);
        if (IsBook(entry)) {
            level = int64_t{entry.EntryLevel} + 1;
            index = target + 1;
        } else {
            if (entry.EntryLevel > 0) {
                level = entry.EntryLevel;
            }
            index = target;
        }
    } else if (file.Count() > 0) {
        const ContentsEntry last = file.EntryAt(file.Count() - 1);
        if (IsBook(last)) {
            level = int64_t{last.EntryLevel} + 1;
        } else if (last.EntryLevel > 0) {
            level = last.EntryLevel;
        }
    }
    std::string line = IntToStr(level) + " ";
    line.append(title);
    line += '=';
    line.append(contextString);
    InsertAt(file, index, std::move(line));
    return Changed(file, index);
}

ContentsEditResult DropEntry(ContentsFile& file, int source, int target) {
    if (!Valid(file, source) || !Valid(file, target) || source == target) {
        return Unchanged(source);
    }
    std::string line = std::move(LineAt(file, source));
    file.EntryLines.erase(file.EntryLines.begin() + source);
    InsertAt(file, target, std::move(line));
    return Changed(file, target);
}

}  // namespace scrivlet
