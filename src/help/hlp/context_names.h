#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace scrivlet::help::hlp {

// A context string that hashes to HASH, made of letters, digits, "." and
// "_" only: the hash written in base 43 with those characters' values as
// digits (adding multiples of 2^32 until every digit is one of them).
std::string NameForHash(uint32_t hash);

// Names for the hashes a help file keeps: the context strings its own texts
// mention (macros, picture hotspots, keywords, window names) where one
// hashes alike, else one made by NameForHash.
class ContextNames {
public:
    // Every quoted string and every word of TEXT becomes a candidate.
    void AddCandidates(std::string_view text);
    void AddCandidate(std::string_view name);
    std::string Name(uint32_t hash) const;
    // Whether the file's texts name HASH (rather than Name making one up).
    bool Known(uint32_t hash) const { return known_.count(hash) != 0; }

private:
    void AddWords(std::string_view text);

    std::unordered_map<uint32_t, std::string> known_;
};

}  // namespace scrivlet::help::hlp
