#include <gtest/gtest.h>

#include "core/rtf/font_family.h"

namespace scrivlet::rtf {
namespace {

TEST(RtfFontFamily, KnownFacesAndNameParts) {
    EXPECT_EQ(FamilyWordForFontName("Arial"), "\\fswiss");
    EXPECT_EQ(FamilyWordForFontName("MS Sans Serif"), "\\fswiss");
    EXPECT_EQ(FamilyWordForFontName("DejaVu Sans"), "\\fswiss");
    EXPECT_EQ(FamilyWordForFontName("Times New Roman"), "\\froman");
    EXPECT_EQ(FamilyWordForFontName("Liberation Serif"), "\\froman");
    EXPECT_EQ(FamilyWordForFontName("Courier New"), "\\fmodern");
    EXPECT_EQ(FamilyWordForFontName("DejaVu Sans Mono"), "\\fmodern");
    EXPECT_EQ(FamilyWordForFontName("Lucida Console"), "\\fmodern");
    EXPECT_EQ(FamilyWordForFontName("Lucida Sans Unicode"), "\\fswiss");
    EXPECT_EQ(FamilyWordForFontName("Comic Sans MS"), "\\fscript");
    EXPECT_EQ(FamilyWordForFontName("Old English Text MT"), "\\fdecor");
}

TEST(RtfFontFamily, LetterCaseIsIgnoredAndUnknownNamesSayNothing) {
    EXPECT_EQ(FamilyWordForFontName("ARIAL"), "\\fswiss");
    EXPECT_EQ(FamilyWordForFontName("courier"), "\\fmodern");
    EXPECT_EQ(FamilyWordForFontName("Wingdings"), "");
    EXPECT_EQ(FamilyWordForFontName(""), "");
}

}  // namespace
}  // namespace scrivlet::rtf
