#pragma once

namespace scrivlet::help::hlp {

// The |SYSTEM file: its magic number, then records of these kinds, each a
// kind, a length and its bytes.
constexpr unsigned kSystemMagic = 0x036C;

enum SystemRecord : unsigned {
    kTitle = 1,
    kCopyright = 2,
    kContents = 3,
    kConfig = 4,
    kIcon = 5,
    kWindow = 6,
    kCitation = 8,
    kLcid = 9,
    kCnt = 10,
    kCharset = 11,
};

}  // namespace scrivlet::help::hlp
