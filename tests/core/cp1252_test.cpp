#include <gtest/gtest.h>

#include <string>

#include "core/util/cp1252.h"

namespace scrivlet {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUnicode) {
    for (int b = 0; b < 256; ++b) {
        const char32_t cp = Cp1252ToUnicode(static_cast<unsigned char>(b));
        unsigned char back = 0;
        ASSERT_TRUE(UnicodeToCp1252(cp, back)) << b;
        EXPECT_EQ(back, b);
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << b;
    }
}

TEST(Cp1252, TheWindowsRangeMapsToItsCharacters) {
    EXPECT_EQ(Cp1252ToUnicode(0x80), U'\u20AC');  // euro sign
    EXPECT_EQ(Cp1252ToUnicode(0x92), U'\u2019');  // right single quotation mark
    EXPECT_EQ(Cp1252ToUnicode(0x9F), U'\u0178');  // Y with diaeresis
    EXPECT_EQ(Cp1252ToUnicode(0xE9), U'\u00E9');
    EXPECT_EQ(Cp1252ToUtf8("caf\xe9 \x80"), "caf\xc3\xa9 \xe2\x82\xac");
}

TEST(Cp1252, WhatItCannotHoldBecomesTheReplacement) {
    EXPECT_EQ(Utf8ToCp1252("a\xe4\xb8\xad"
                           "b"),
              "a?b");                                       // a CJK character
    EXPECT_EQ(Utf8ToCp1252("\xf0\x9f\x98\x80", '#'), "#");  // an emoji
    EXPECT_EQ(Utf8ToCp1252("x\xff"
                           "y"),
              "x?y");                                // not UTF-8 at all
    EXPECT_EQ(Utf8ToCp1252("end\xc3"), "end?");      // cut sequence
    EXPECT_EQ(Utf8ToCp1252("\xc0\x8a"), "??");       // overlong line feed
    EXPECT_EQ(Utf8ToCp1252("\xed\xa0\x80"), "???");  // a surrogate
}

}  // namespace
}  // namespace scrivlet
