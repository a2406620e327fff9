// The pieces of the help-file reader that stand on their own: names for
// context hashes, and the two unpackers a damaged file must not derail.
#include <gtest/gtest.h>

#include "help/context_hash.h"
#include "help/hlp/context_names.h"
#include "help/hlp/hlp_reader.h"
#include "help/hlp/lz77_unpack.h"

namespace scrivlet::help::hlp {
namespace {

TEST(HlpContextNames, MadeNamesHashBackAndUseOnlyPortableCharacters) {
    uint32_t hash = 1;
    for (int i = 0; i < 5000; ++i) {
        hash = hash * 2654435761u + 12345u;
        const std::string name = NameForHash(hash);
        EXPECT_EQ(ContextHash(name), hash) << name;
        EXPECT_TRUE(IsPortableContextString(name)) << name;
    }
    EXPECT_EQ(ContextHash(NameForHash(0)), 0u);
    EXPECT_FALSE(NameForHash(0).empty());
    EXPECT_EQ(NameForHash(ContextHash("ABC")), "ABC");
}

TEST(HlpContextNames, NamesTheFileMentionsWin) {
    ContextNames names;
    names.AddCandidates("JumpId(`other.hlp', `odd name!') PopupId(\"x.hlp\", \"idh_pop\")");
    names.AddCandidates("see_also;Index");
    EXPECT_EQ(names.Name(ContextHash("ODD NAME!")), "odd name!");
    EXPECT_EQ(names.Name(ContextHash("IDH_POP")), "idh_pop");
    EXPECT_EQ(names.Name(ContextHash("see_also")), "see_also");
    EXPECT_TRUE(names.Known(ContextHash("index")));
    EXPECT_FALSE(names.Known(ContextHash("nowhere")));
    EXPECT_EQ(ContextHash(names.Name(ContextHash("nowhere"))), ContextHash("nowhere"));
}

TEST(HlpUnpack, Lz77CopiesLiteralsAndBackReferences) {
    // "abc" then a copy of 6 bytes from 3 back: "abcabcabc".
    const std::string packed = std::string(
        "\x08"
        "abc\x02\x30",
        6);
    EXPECT_EQ(UnpackLz77(packed, 100, "test"), "abcabcabc");
    EXPECT_EQ(UnpackLz77(packed, 5, "test"), "abcab");  // the limit holds
    try {
        UnpackLz77(std::string("\x01\x05\x00", 3), 100, "a topic block");
        FAIL();
    } catch (const HelpFileError& e) {
        EXPECT_STREQ(e.what(),
                     "The help file is damaged: a topic block copies bytes from before its "
                     "start.");
    }
}

TEST(HlpUnpack, RunLengthRepeatsAndCopies) {
    EXPECT_EQ(UnpackRunLength(std::string("\x03x\x82yz\x01w", 7), 100), "xxxyzw");
    EXPECT_EQ(UnpackRunLength(std::string("\x7Fx", 2), 4), "xxxx");
    EXPECT_EQ(UnpackRunLength(std::string("\x85yz", 3), 100), "yz");  // cut short
}

}  // namespace
}  // namespace scrivlet::help::hlp
