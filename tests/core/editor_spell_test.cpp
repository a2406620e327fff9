#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/editor/spell_run.h"
#include "core/editor/spell_words.h"

namespace scrivlet {
namespace {

// Records every call the command makes, in order.
class ScriptedHost : public SpellCheckHost {
public:
    int start = 0;
    int length = 0;
    int textLength = 100;
    bool busy = false;
    bool answerYes = true;
    // Stopped after this many checks (0: never).
    int stopAfter = 0;
    int checks = 0;
    std::vector<std::string> calls;

    int SelectionStart() const override { return start; }
    int SelectionLength() const override { return length; }
    int TextLength() const override { return textLength; }
    void SetSelection(int s, int l) override {
        start = s;
        length = l;
        calls.push_back("select " + std::to_string(s) + " " + std::to_string(l));
    }
    bool AskCheckRemainder(const std::string& text) override {
        calls.push_back("ask " + text);
        return answerYes;
    }
    bool Busy() const override { return busy; }
    bool Stopped() const override { return stopAfter > 0 && checks >= stopAfter; }
    void CheckSelection() override {
        ++checks;
        calls.push_back("selection");
        // A check leaves the caret elsewhere, as the real one does.
        start = 0;
        length = 0;
    }
    void CheckRange(int s, int e) override {
        ++checks;
        calls.push_back("range " + std::to_string(s) + " " + std::to_string(e));
    }
    void CloseCheckDialog() override { calls.push_back("close"); }
    void SetMoreToFollow(bool v) override {
        calls.push_back(std::string("more ") + (v ? "1" : "0"));
    }
    void SetResetCount(bool v) override {
        calls.push_back(std::string("reset ") + (v ? "1" : "0"));
    }
    void SetAlwaysActive(bool v) override {
        calls.push_back(std::string("active ") + (v ? "1" : "0"));
    }
    void SetInitialPosition(Position p) override {
        calls.push_back(p == Position::Ignore ? "pos ignore" : "pos avoid");
    }
};

TEST(SpellRun, NoSelectionChecksPastTheCaretThenFromTheStart) {
    ScriptedHost host;
    host.start = 10;
    RunSpellCheck(host);
    const std::vector<std::string> expected{"pos avoid", "active 1",   "more 1",     "range 11 100",
                                            "reset 0",   "pos ignore", "more 0",     "range 0 10",
                                            "active 0",  "reset 1",    "select 10 0"};
    EXPECT_EQ(host.calls, expected);
}

TEST(SpellRun, SelectionAnsweredNoChecksOnlyTheSelectionAndRestoresIt) {
    ScriptedHost host;
    host.start = 5;
    host.length = 7;
    host.answerYes = false;
    RunSpellCheck(host);
    const std::vector<std::string> expected{"pos avoid",
                                            "active 1",
                                            "more 1",
                                            "selection",
                                            "reset 0",
                                            "pos ignore",
                                            std::string("ask ") + kCheckRemainderQuestion,
                                            "more 0",
                                            "close",
                                            "active 0",
                                            "reset 1",
                                            "select 5 7"};
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(host.start, 5);
    EXPECT_EQ(host.length, 7);
}

TEST(SpellRun, SelectionAnsweredYesGoesOnFromTheCurrentSelection) {
    ScriptedHost host;
    host.start = 5;
    host.length = 7;
    RunSpellCheck(host);
    // The check moved the selection to 0; the rest starts just past it.
    const std::vector<std::string> tail(host.calls.begin() + 7, host.calls.end());
    const std::vector<std::string> expected{"range 1 100", "more 0",  "range 0 5",
                                            "active 0",    "reset 1", "select 5 7"};
    EXPECT_EQ(tail, expected);
}

TEST(SpellRun, StoppedSelectionAsksNothing) {
    ScriptedHost host;
    host.start = 5;
    host.length = 7;
    host.stopAfter = 1;
    RunSpellCheck(host);
    for (const auto& call : host.calls) {
        EXPECT_EQ(call.rfind("ask", 0), std::string::npos) << call;
        EXPECT_EQ(call.rfind("range", 0), std::string::npos) << call;
    }
    EXPECT_EQ(host.calls.back(), "select 5 7");
}

TEST(SpellRun, StoppedFirstRangeClosesTheDialog) {
    ScriptedHost host;
    host.start = 10;
    host.stopAfter = 1;
    RunSpellCheck(host);
    const std::vector<std::string> expected{"pos avoid", "active 1",   "more 1",     "range 11 100",
                                            "reset 0",   "pos ignore", "more 0",     "close",
                                            "active 0",  "reset 1",    "select 10 0"};
    EXPECT_EQ(host.calls, expected);
}

TEST(SpellRun, BusyDoesNothing) {
    ScriptedHost host;
    host.busy = true;
    RunSpellCheck(host);
    EXPECT_TRUE(host.calls.empty());
}

std::vector<std::u16string> Words(const std::u16string& text, int from, int end) {
    std::vector<std::u16string> words;
    while (auto word = NextWord(text, from, end)) {
        words.push_back(text.substr(word->start, word->length));
        from = word->start + word->length;
    }
    return words;
}

TEST(SpellWords, SkipsMarkupCodesAndNumbers) {
    const std::u16string text =
        u"See the jump[href=20] here, {bmc pict.bmp} and 42 [keepn]don't [link=!Exit()] end";
    const std::vector<std::u16string> expected{u"See", u"the",   u"jump", u"here",
                                               u"and", u"don't", u"end"};
    EXPECT_EQ(Words(text, 0, static_cast<int>(text.size())), expected);
}

TEST(SpellWords, UnclosedCodeIsText) {
    const std::u16string text = u"a [href=x\nword";
    const std::vector<std::u16string> expected{u"a", u"href", u"x", u"word"};
    EXPECT_EQ(Words(text, 0, static_cast<int>(text.size())), expected);
}

TEST(SpellWords, StaysInsideTheRange) {
    const std::u16string text = u"alpha beta gamma";
    // "beta" is cut by the end and "alpha" by the start: neither is checked.
    EXPECT_EQ(Words(text, 2, 8), std::vector<std::u16string>{});
    EXPECT_EQ(Words(text, 6, 16), (std::vector<std::u16string>{u"beta", u"gamma"}));
    // A start inside a code does not read the code's tail as words.
    const std::u16string coded = u"x [href=abc] y";
    EXPECT_EQ(Words(coded, 8, 14), std::vector<std::u16string>{u"y"});
}

TEST(SpellWords, WordAtTheCaret) {
    const std::u16string text = u"one happy day";
    EXPECT_EQ(WordAt(text, 6), (WordSpan{4, 5}));
    EXPECT_EQ(WordAt(text, 9), (WordSpan{4, 5}));
    EXPECT_EQ(WordAt(text, 4), (WordSpan{4, 5}));
    EXPECT_EQ(WordAt(u"a  b", 2), std::nullopt);
    EXPECT_EQ(WordAt(text, 99), std::nullopt);
}

}  // namespace
}  // namespace scrivlet
