#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace scrivlet::hc::hlp {

// The run of topic record bytes cut into LZ77-packed topic blocks: where each
// block starts in the run, and its packed bytes (at most a block's data).
struct PackedBlocks {
    std::vector<uint32_t> starts;
    std::vector<std::string> packed;
};

// The records point at each other by block number and place in the block,
// so the bytes of the run depend on where it is cut. SERIALIZE writes the run
// for the cuts STARTS into DATA; its length does not depend on them, and the
// last call is for the cuts returned. RECORDS holds the position where each
// record starts, ascending.
//
// Each block takes as much as packs into it, up to the 16 KB a block may
// unpack to; one that stops short of a full block ends where a record starts,
// since readers unpack its padding too. The cuts are made again on the bytes
// the last cuts gave until they stay; blocks whose bytes did not change are
// not packed again. Should the cuts keep changing, later rounds only move
// cuts to earlier places, which must come to rest.
PackedBlocks LayOutPackedBlocks(
    const std::function<void(const std::vector<uint32_t>& starts, std::string& data)>& serialize,
    const std::vector<uint32_t>& records);

}  // namespace scrivlet::hc::hlp
