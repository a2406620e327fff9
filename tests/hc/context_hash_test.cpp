#include <gtest/gtest.h>

#include "hc/help_model.h"

namespace scrivlet::hc {
namespace {

TEST(ContextHash, KnownVectors) {
    EXPECT_EQ(ContextHash("Top"), 0x00010959u);
    EXPECT_EQ(ContextHash("t00000000"), 0x4ef9c604u);
    EXPECT_EQ(ContextHash("IDH_INTRO"), 0xd29c04e8u);
}

TEST(ContextHash, IgnoresLetterCase) {
    for (const char* spelling : {"idh_intro", "Idh_Intro", "IDH_intro", "iDh_InTrO"}) {
        EXPECT_EQ(ContextHash(spelling), 0xd29c04e8u) << spelling;
    }
    EXPECT_EQ(ContextHash("top"), ContextHash("TOP"));
}

TEST(ContextHash, EmptyAndSingleCharacters) {
    EXPECT_EQ(ContextHash(""), 0u);
    EXPECT_EQ(ContextHash("1"), 1u);
    EXPECT_EQ(ContextHash("9"), 9u);
    EXPECT_EQ(ContextHash("0"), 10u);
    EXPECT_EQ(ContextHash("."), 12u);
    EXPECT_EQ(ContextHash("_"), 13u);
    EXPECT_EQ(ContextHash("A"), 17u);
    EXPECT_EQ(ContextHash("z"), 42u);
    // Two characters: the first is multiplied by 43.
    EXPECT_EQ(ContextHash("a1"), 17u * 43u + 1u);
}

TEST(ContextHash, WrapsInThirtyTwoBits) {
    // Long strings overflow many times; the value must stay the unsigned
    // 32-bit remainder.
    uint64_t expected = 0;
    const std::string text = "a_very_long_context_string_that_overflows.many.times";
    for (const char c : text) {
        uint64_t value;
        if (c >= 'a' && c <= 'z') {
            value = static_cast<uint64_t>(c - 'a' + 17);
        } else if (c == '_') {
            value = 13;
        } else {
            value = 12;
        }
        expected = (expected * 43 + value) & 0xFFFFFFFFu;
    }
    EXPECT_EQ(ContextHash(text), static_cast<uint32_t>(expected));
}

TEST(ContextHash, OtherBytesCountAsSignedValues) {
    // A blank is 0x20 less 48: -16.
    EXPECT_EQ(ContextHash(" "), static_cast<uint32_t>(-16));
    EXPECT_EQ(ContextHash("\xE9"), static_cast<uint32_t>(static_cast<int8_t>(0xE9 - 0x30)));
}

TEST(ContextHash, DifferentStringsCanShareAHash) {
    // The golden folder hash_collision relies on this pair.
    EXPECT_EQ(ContextHash("znwrzngn"), 0x99b736d2u);
    EXPECT_EQ(ContextHash("asrxtbdl"), 0x99b736d2u);
}

TEST(ContextHash, PortableContextStrings) {
    EXPECT_TRUE(IsPortableContextString("IDH_intro.2"));
    EXPECT_FALSE(IsPortableContextString(""));
    EXPECT_FALSE(IsPortableContextString("two words"));
    EXPECT_FALSE(IsPortableContextString("caf\xE9"));
}

}  // namespace
}  // namespace scrivlet::hc
