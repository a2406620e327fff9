// A topic's text packed into bytes and back: every field survives, and bytes
// that are not a packing are refused rather than read past their end.
#include <gtest/gtest.h>

#include <stdexcept>

#include "help/paragraph_pack.h"

namespace scrivlet::help {
namespace {

bool SameRuns(const std::vector<Run>& a, const std::vector<Run>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || !(a[i].format == b[i].format) || a[i].text != b[i].text ||
            a[i].hotspot != b[i].hotspot || a[i].bitmap != b[i].bitmap ||
            a[i].macro != b[i].macro) {
            return false;
        }
    }
    return true;
}

// Every field away from its default, numbers at their limits among them.
std::vector<Paragraph> Sample() {
    Paragraph row;
    row.format = {Alignment::Justify,
                  -720,
                  360,
                  INT32_MIN,
                  120,
                  240,
                  -480,
                  true,
                  true,
                  true,
                  true,
                  true,
                  {1440, 2880, INT32_MAX},
                  108,
                  -108,
                  BorderTop | BorderDouble,
                  15,
                  {{720, TabKind::Decimal}, {-1, TabKind::Right}}};
    row.mark = {3, 40, 2, true, true, true, true, true, true, -6};
    Run text;
    text.format = {1, 18, -1, false, true, false, true, false, false, 6};
    text.text = std::string("caf\xE9 \0 long enough to leave the inline room", 46);
    text.hotspot = 7;
    Run button;
    button.kind = RunKind::Button;
    button.text = "Go";
    button.macro = "JumpId(`a.hlp', `x')";
    button.bitmap = 2;
    Run tab;
    tab.kind = RunKind::Tab;
    row.runs = {text, button, tab};
    Paragraph blank;  // no runs: its height comes from its mark
    blank.mark.halfPoints = 8;
    return {row, blank, row};
}

std::vector<Hotspot> SampleHotspots() {
    Hotspot macro{HotspotKind::Macro, "Exec(`x')", ">second", "@other.hlp", true, true, 0};
    Hotspot popup{HotspotKind::Popup, "", "", "", false, true, 0xFFFFFFFFu};
    return {macro, popup};
}

bool SameHotspots(const std::vector<Hotspot>& a, const std::vector<Hotspot>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].target != b[i].target || a[i].window != b[i].window ||
            a[i].file != b[i].file || a[i].noColor != b[i].noColor ||
            a[i].noUnderline != b[i].noUnderline || a[i].targetHash != b[i].targetHash) {
            return false;
        }
    }
    return true;
}

TEST(ParagraphPack, EveryFieldComesBack) {
    const std::vector<Paragraph> paragraphs = Sample();
    const std::string packed = PackTopicText(paragraphs, SampleHotspots());
    EXPECT_EQ(PackedParagraphCount(packed), 3u);
    const TopicText text = UnpackTopicText(packed);
    EXPECT_TRUE(SameHotspots(text.hotspots, SampleHotspots()));
    const std::vector<Paragraph>& back = text.paragraphs;
    ASSERT_EQ(back.size(), paragraphs.size());
    for (std::size_t p = 0; p < back.size(); ++p) {
        EXPECT_EQ(back[p].format, paragraphs[p].format) << p;
        EXPECT_EQ(back[p].mark, paragraphs[p].mark) << p;
        EXPECT_TRUE(SameRuns(back[p].runs, paragraphs[p].runs)) << p;
    }
    const TopicText none = UnpackTopicText(PackTopicText({}, {}));
    EXPECT_TRUE(none.paragraphs.empty());
    EXPECT_TRUE(none.hotspots.empty());
}

TEST(ParagraphPack, ATopicGivesItsTextHeldEitherWay) {
    Topic topic;
    topic.paragraphs = Sample();
    topic.hotspots = SampleHotspots();
    const TopicText held = TextOf(topic);
    topic.packedText = PackTopicText(topic.paragraphs, topic.hotspots);
    topic.paragraphs.clear();
    topic.hotspots.clear();
    const TopicText packed = TextOf(topic);
    ASSERT_EQ(held.paragraphs.size(), packed.paragraphs.size());
    EXPECT_TRUE(SameRuns(held.paragraphs[0].runs, packed.paragraphs[0].runs));
    EXPECT_TRUE(SameHotspots(held.hotspots, packed.hotspots));
}

TEST(ParagraphPack, BytesThatAreNotAPackingAreRefused) {
    const std::string packed = PackTopicText(Sample(), SampleHotspots());
    // Cut short anywhere, or with a byte too many.
    for (std::size_t size = 0; size < packed.size(); ++size) {
        EXPECT_THROW(UnpackTopicText(packed.substr(0, size)), std::invalid_argument) << size;
    }
    EXPECT_THROW(UnpackTopicText(packed + '\0'), std::invalid_argument);
    // A count of far more paragraphs than there are bytes claims no memory.
    EXPECT_THROW(UnpackTopicText("\xFF\xFF\xFF\xFF\x0F"), std::invalid_argument);
    // An alignment beyond those there are.
    EXPECT_THROW(UnpackTopicText(std::string("\x01\x09", 2)), std::invalid_argument);
    // A number that never ends.
    EXPECT_THROW(UnpackTopicText(std::string(20, '\x80')), std::invalid_argument);
}

}  // namespace
}  // namespace scrivlet::help
