#include <gtest/gtest.h>

#include "core/util/convert.h"
#include "core/util/errors.h"

namespace scrivlet {
namespace {

TEST(StrToInt, AcceptsDecimalHexAndSigns) {
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("  -7"), -7);
    EXPECT_EQ(StrToInt("+15"), 15);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("0xFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, RefusesWhatIsNotAnInteger) {
    for (const char* text :
         {"", " ", "12a", "1 ", "--1", "2147483648", "0x", "$", "1.5", "0x1FFFFFFFF"}) {
        EXPECT_FALSE(TryStrToInt(text).has_value()) << text;
    }
    try {
        StrToInt("abc");
        FAIL() << "no exception";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value.");
    }
}

TEST(UpperAscii, ChangesOnlyAtoZ) {
    EXPECT_EQ(UpperAscii("abz_\xe9xY"), "ABZ_\xe9XY");
}

}  // namespace
}  // namespace scrivlet
