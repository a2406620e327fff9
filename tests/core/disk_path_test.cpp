#include <gtest/gtest.h>

#include "core/util/disk_path.h"

namespace scrivlet {
namespace {

TEST(DiskPath, BothSeparatorsAndTheWineRoot) {
    EXPECT_EQ(ToDiskPath(".\\manual.hlp"), "./manual.hlp");
    EXPECT_EQ(ToDiskPath("bmp\\pics/a.bmp"), "bmp/pics/a.bmp");
    EXPECT_EQ(ToDiskPath("Z:\\home\\ann\\x.hlp"), "/home/ann/x.hlp");
    EXPECT_EQ(ToDiskPath("z:/x"), "/x");
    EXPECT_EQ(ToDiskPath("C:\\x.hlp"), "C:/x.hlp");
    EXPECT_EQ(ToDiskPath(""), "");
}

TEST(DiskPath, AbsoluteStoredNames) {
    EXPECT_TRUE(IsAbsoluteStoredPath("C:\\x"));
    EXPECT_TRUE(IsAbsoluteStoredPath("\\x"));
    EXPECT_TRUE(IsAbsoluteStoredPath("/x"));
    EXPECT_FALSE(IsAbsoluteStoredPath(".\\x"));
    EXPECT_FALSE(IsAbsoluteStoredPath("x"));
    EXPECT_FALSE(IsAbsoluteStoredPath(""));
}

}  // namespace
}  // namespace scrivlet
