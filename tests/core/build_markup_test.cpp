#include <gtest/gtest.h>

#include <random>

#include "core/build/markup.h"
#include "core/util/errors.h"

namespace scrivlet {
namespace {

class TranslateMarkupTest : public ::testing::Test {
protected:
    TranslateMarkupTest() {
        Add(120, "intro");
        Add(30, "caf\xe9");
        Add(30, "second");
    }
    void Add(int32_t id, const char* context) {
        TTopic topic;
        topic.TopicID = id;
        topic.ContextString = context;
        topics.Add(topic);
    }
    std::string Translate(std::string_view line) {
        const TopicIdIndex index(topics);
        return TranslateMarkup(line, MarkupContext{topics, index, log});
    }
    TTopicList topics;
    LinesLog log;
};

TEST_F(TranslateMarkupTest, JumpsToTopicNumbers) {
    EXPECT_EQ(Translate("a [href=%120>popwin] b"), "a {\\v %intro>popwin} b");
    EXPECT_EQ(Translate("[HREF=120][hReF=*30]"), "{\\v intro}{\\v *caf\\'E9}");
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(TranslateMarkupTest, DropsJumpsToMissingNumbersAndSaysSo) {
    EXPECT_EQ(Translate("x[href=999]y[href=%]z"), "xyz");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"    Topic ID 999 not found.",
                                                   "    Topic ID  not found."}));
}

TEST_F(TranslateMarkupTest, ClosingCharacterIsRemovedWhateverItIs) {
    // The window name ends at the first character that is not a letter or
    // digit, and that character is taken as the closing one.
    EXPECT_EQ(Translate("[href=120>pop-up]"), "{\\v intro>pop}up]");
    // ">" without a name closes the markup itself; the "]" stays.
    EXPECT_EQ(Translate("[href=120>]"), "{\\v intro}]");
    EXPECT_EQ(Translate("[href=120 x"), "{\\v intro}x");
}

TEST_F(TranslateMarkupTest, LinksToContextStringsFilesAndMacros) {
    EXPECT_EQ(Translate("[link=*glossary]"), "{\\v *glossary}");
    EXPECT_EQ(Translate("[LINK=%a@b.hlp>main]"), "{\\v %a@b.hlp>main}");
    EXPECT_EQ(Translate("[link=!Contents();Exit();]"), "{\\v !Contents();Exit();}");
    EXPECT_EQ(Translate("[link=!A(a>b)]"), "{\\v !A(a>b}]");
    EXPECT_EQ(Translate("[link=Caf\xe9]"), "{\\v Caf\xe9}");
    EXPECT_EQ(Translate("[link=@]"), "{\\v @}");
}

TEST_F(TranslateMarkupTest, Anchors) {
    EXPECT_EQ(Translate("[#=start]text[#=]"), "#{\\footnote start}text#{\\footnote }");
}

TEST_F(TranslateMarkupTest, LeavesImagesAndButtonsAlone) {
    EXPECT_EQ(Translate("{bmct logo.bmp} {button Close, Exit();}"),
              "{bmct logo.bmp} {button Close, Exit();}");
}

TEST_F(TranslateMarkupTest, OpenMarkupStaysInPlaceAndIsLogged) {
    EXPECT_EQ(Translate("a [href=120"), "a [href=120");
    EXPECT_EQ(Translate("[href="), "[href=");
    EXPECT_EQ(Translate("[href=120>win"), "[href=120>win");
    EXPECT_EQ(Translate("[link=x>abc"), "[link=x>abc");
    EXPECT_EQ(Translate("b [#=open [href=120]"), "b [#=open {\\v intro}");
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"    Error - markup not closed: \"[href=120\"",
                                        "    Error - markup not closed: \"[href=\"",
                                        "    Error - markup not closed: \"[href=120>win\"",
                                        "    Error - markup not closed: \"[link=x>abc\"",
                                        "    Error - markup not closed: \"[#=open {\\v intro}\""}));
}

TEST_F(TranslateMarkupTest, LaterMarkupOnTheLineIsStillTranslatedAfterOpenMarkup) {
    EXPECT_EQ(Translate("[link=a [href=120] [link=b"), "[link=a {\\v intro} [link=b");
    EXPECT_EQ(log.lines.size(), 2u);
}

TEST_F(TranslateMarkupTest, TextInsertedIsNotReadAgain) {
    // A context string that itself holds markup would otherwise be expanded
    // for ever.
    Add(7, "[href=7]");
    EXPECT_EQ(Translate("[href=7]"), "{\\v [href=7]}");
}

TEST_F(TranslateMarkupTest, NumberBeyond32BitsEndsTheBuild) {
    EXPECT_THROW(Translate("[href=99999999999]"), ConvertError);
}

TEST_F(TranslateMarkupTest, AnyMixOfFragmentsEndsAndKeepsPlainText) {
    // Lines made of markup fragments in every order: each translation must end,
    // and text with no markup keyword around it must come through unchanged.
    const char* const pieces[] = {"[href=", "[HREF=%", "[link=", "[LINK=*", "[#=", "]",
                                  ">",      "120",     "30",     "w1",      "!",   "@",
                                  " ",      "x",       "{\\v ",  "\xe9"};
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> pick(0, 15);
    std::uniform_int_distribution<int> length(0, 12);
    for (int round = 0; round < 3000; ++round) {
        std::string line;
        for (int n = length(random); n > 0; --n) {
            line += pieces[pick(random)];
        }
        const std::string translated = Translate("plain " + line + " tail");
        EXPECT_EQ(translated.rfind("plain ", 0), 0u) << line;
        if (line.find('[') == std::string::npos) {
            EXPECT_EQ(translated, "plain " + line + " tail");
        }
    }
}

}  // namespace
}  // namespace scrivlet
