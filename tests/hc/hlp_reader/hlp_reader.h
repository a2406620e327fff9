#pragma once

// A reader of WinHelp 4 files for the tests, written from the published
// description of the format and sharing nothing with the compiler's writer,
// so that the two cannot agree on a mistake by construction.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace scrivlet::hc::test {

class HlpReader {
public:
    // Throws std::runtime_error when BYTES is not a sound help file.
    explicit HlpReader(std::string bytes);

    // Internal file name -> offset of its file header.
    const std::map<std::string, uint32_t>& Directory() const { return directory_; }
    std::optional<std::string> InternalFile(const std::string& name) const;

    // The value bytes a B+ tree leaf holds for KEY, found by descending
    // from the root as a viewer does; KEYSIZE 0 for NUL-terminated keys.
    std::optional<std::string> Lookup(const std::string& tree, const std::string& key,
                                      std::size_t keySize) const;

    // Every leaf entry of a B+ tree in page order: key bytes and value bytes.
    // VALUESIZE 0 for a NUL-terminated value.
    std::vector<std::pair<std::string, std::string>> Entries(const std::string& tree,
                                                             std::size_t keySize,
                                                             std::size_t valueSize) const;

    // Text of everything the tests compare: internal files, |SYSTEM, fonts,
    // contexts, map, titles, keywords and topic text with its codes.
    std::string Dump() const;

    // The phrases of |PhrIndex and |PhrImage; none when the file has neither.
    std::vector<std::string> Phrases() const;

private:
    std::string DumpSystem() const;
    std::string DumpFonts() const;
    std::string DumpTopics() const;
    // One paragraph's settings and its text with the commands between,
    // from *AT in DATA up to its 0xFF (or END), its text from *T in TEXT.
    std::string ParagraphLayout(const std::string& data, std::size_t* at, std::size_t end,
                                const std::string& text, std::size_t* t) const;
    // Every |bmN file: its pictures' headers, palettes and pixel rows.
    std::string DumpPictures() const;
    // The topic blocks' data one after another, where each block starts in
    // it, and what a TOPICPOS counts per block.
    std::string TopicData(std::vector<std::size_t>* starts, std::size_t* span) const;

    std::string bytes_;
    std::map<std::string, uint32_t> directory_;
};

// Topic text in phrase codes, expanded with PHRASES.
std::string ExpandPhrases(const std::vector<std::string>& phrases, const std::string& codes);

// The 32-bit context hash as the format description gives it.
uint32_t DescribedHash(const std::string& context);

}  // namespace scrivlet::hc::test
