// The compile pipeline with fake files, a fake compiler and recording sinks.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "build_test_support.h"
#include "core/build/build_defaults.h"
#include "core/build/compile.h"
#include "core/build/topic_rtf.h"
#include "core/util/errors.h"

namespace scrivlet {
namespace {

using testing::CrLfText;
using testing::RecordingProgress;

class FakeFiles : public BuildFiles {
public:
    bool Exists(const std::string& path) override { return files.count(path) > 0; }
    void WriteLines(const std::string& path, const std::vector<std::string>& lines) override {
        if (path == failOn) {
            throw FileError("Cannot create file " + path);
        }
        files[path] = CrLfText(lines);
        written.push_back(path);
    }
    std::optional<std::string> ReadBytes(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    void Remove(const std::string& path) override {
        files.erase(path);
        removed.push_back(path);
    }
    bool SameFile(const std::string& a, const std::string& b) override { return a == b; }
    std::map<std::string, std::string> files;
    std::vector<std::string> written;
    std::vector<std::string> removed;
    std::string failOn;
};

class FakeRunner : public ProcessRunner {
public:
    bool Run(const ProcessRequest& request) override {
        requests.push_back(request);
        if (onRun) {
            onRun(request);
        }
        return started;
    }
    std::vector<ProcessRequest> requests;
    std::function<void(const ProcessRequest&)> onRun;
    bool started = true;
};

class RecordingLog : public LogSink {
public:
    void StartLog(bool show) override {
        lines.push_back(show ? "<start shown>" : "<start hidden>");
    }
    void LogLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

constexpr const char* kCompiler = "/opt/hcw/HCRTF.EXE";

class CompileTest : public ::testing::Test {
public:
    CompileTest() {
        project.ProjectFileName = "/proj/manual.scw";
        project.Topics.Clear();
        for (int id : {10, 20}) {
            TTopic topic;
            topic.TopicID = id;
            topic.ContextString = "scrv" + std::to_string(id);
            topic.Title = "T" + std::to_string(id);
            topic.Keywords = id == 10 ? "k" : "";
            topic.Text = {"{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}",
                          "{\\colortbl\\red0\\green0\\blue0;}",
                          "\\deflang1033\\pard [href=10][href=5]", "\\par }"};
            project.Topics.Add(topic);
        }
        project.ShowHelpAfterCompile = false;
        files.files[kCompiler] = "MZ";
        options.compilerPath = kCompiler;
        options.seed = 7;
    }
    CompileResult Compile() {
        CompileCollaborators with{files, runner, log, progress, showHelp};
        return CompileProject(project, options, with);
    }

    Project project;
    FakeFiles files;
    FakeRunner runner;
    RecordingLog log;
    RecordingProgress progress;
    CompileOptions options;
    std::vector<std::string> shown;
    HelpDisplay showHelp = [this](const std::string& path, int32_t context) {
        shown.push_back(path + " @" + std::to_string(context));
        log.LogLine("<help shown>");
    };
};

TEST_F(CompileTest, RunsTheCompilerWithTheExactCommandLineInTheProjectFolder) {
    const CompileResult result = Compile();
    ASSERT_EQ(result.outcome, CompileOutcome::Built);
    ASSERT_EQ(runner.requests.size(), 1u);
    const ProcessRequest& request = runner.requests[0];
    EXPECT_EQ(request.commandLine, "\"/opt/hcw/HCRTF.EXE\"-x " + result.baseName + ".hpj");
    EXPECT_EQ(request.program, kCompiler);
    EXPECT_EQ(request.arguments, "-x " + result.baseName + ".hpj");
    EXPECT_EQ(request.workingFolder, "/proj/");
    EXPECT_EQ(request.showWindow, 1);
    EXPECT_EQ(result.baseName.rfind("scrv", 0), 0u);
    const int number = std::stoi(result.baseName.substr(4));
    EXPECT_GE(number, 0);
    EXPECT_LE(number, 254);
}

TEST_F(CompileTest, WritesBothFilesHandsThemToTheCompilerAndDeletesEverything) {
    std::map<std::string, std::string> seenByCompiler;
    runner.onRun = [&](const ProcessRequest& request) {
        seenByCompiler = files.files;
        files.files[request.workingFolder + "scrv9.txt"] = "another build's log";
        const std::string hpjName = request.arguments.substr(3);
        files.files[request.workingFolder + hpjName.substr(0, hpjName.size() - 4) + ".txt"] =
            "HC1002: Error: one\r\nHC3025: Warning: two\r\n";
    };
    const CompileResult result = Compile();
    const std::string stem = "/proj/" + result.baseName;
    ASSERT_TRUE(seenByCompiler.count(stem + ".rtf"));
    ASSERT_TRUE(seenByCompiler.count(stem + ".hpj"));
    const auto hpj = seenByCompiler[stem + ".hpj"];
    EXPECT_NE(hpj.find("ERRORLOG=.\\" + result.baseName + ".txt\r\n"), std::string::npos);
    EXPECT_NE(hpj.find("\r\n[FILES]\r\n" + stem + ".rtf\r\n"), std::string::npos);
    EXPECT_EQ(hpj.substr(hpj.size() - 2), "\r\n");
    // The RTF is exactly what BuildTopicRtf gives.
    Project copy = project;
    LinesLog quiet;
    NoProgress none;
    EXPECT_EQ(seenByCompiler[stem + ".rtf"], CrLfText(BuildTopicRtf(copy, quiet, none)));

    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "<start shown>", "manual.scw", "   - Topic \"T20\" has no keywords.",
                             "    Topic ID 5 not found. (topic 10 \"T10\")",
                             "    Topic ID 5 not found. (topic 20 \"T20\")", kHyphenLine,
                             "HC1002: Error: one", "HC3025: Warning: two"}));
    EXPECT_EQ(files.removed,
              (std::vector<std::string>{stem + ".txt", stem + ".rtf", stem + ".hpj"}));
    EXPECT_FALSE(files.Exists(stem + ".rtf"));
    EXPECT_FALSE(files.Exists(stem + ".hpj"));
    EXPECT_FALSE(files.Exists(stem + ".txt"));
    EXPECT_TRUE(files.Exists("/proj/scrv9.txt"));
    EXPECT_EQ(project.HelpFileName, ".\\manual.hlp");
    EXPECT_FALSE(project.Modified());
}

TEST_F(CompileTest, ShowsStagesAndAlwaysEndsTheBuild) {
    Compile();
    ASSERT_GE(progress.events.size(), 4u);
    EXPECT_EQ(progress.events[0], "<started>");
    EXPECT_EQ(progress.events[1], "CREATING OUTPUT FILE");
    EXPECT_EQ(progress.events[2], "CREATING OUTPUT FILE 100%");
    EXPECT_EQ(progress.events[progress.events.size() - 2], "RUNNING HELP COMPILER");
    EXPECT_EQ(progress.events.back(), "<ended>");
}

TEST_F(CompileTest, CompilerWithoutLogLeavesTheHyphenLineLast) {
    runner.started = false;
    project.ShowErrorLog = false;
    const CompileResult result = Compile();
    EXPECT_EQ(result.outcome, CompileOutcome::Built);
    EXPECT_EQ(log.lines.front(), "<start hidden>");
    EXPECT_EQ(log.lines.back(), kHyphenLine);
    EXPECT_EQ(files.removed.size(), 2u);
    EXPECT_EQ(files.files.size(), 1u);  // the compiler only
}

TEST_F(CompileTest, ShowsTheHelpFileBeforeReadingTheLog) {
    project.ShowHelpAfterCompile = true;
    project.CurrentTopic = 1;
    files.files["/proj/manual.hlp"] = "help";
    project.HelpFileName = "/proj/manual.hlp";
    Compile();
    EXPECT_EQ(shown, (std::vector<std::string>{"/proj/manual.hlp @20"}));
    EXPECT_EQ(log.lines[log.lines.size() - 2], "<help shown>");
    EXPECT_EQ(log.lines.back(), kHyphenLine);
}

TEST_F(CompileTest, MissingHelpFileIsLoggedBeforeTheHyphenLine) {
    project.ShowHelpAfterCompile = true;
    Compile();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(log.lines[log.lines.size() - 2], kUnableToDisplay);
}

TEST_F(CompileTest, PreconditionsBuildNothingAndSayNothing) {
    struct Case {
        std::function<void(CompileTest&)> setUp;
        CompileOutcome outcome;
    };
    const std::vector<Case> cases{
        {[](CompileTest& t) { t.project.ProjectFileName = "Untitled"; }, CompileOutcome::NotSaved},
        {[](CompileTest& t) { t.project.Topics[0].Text.clear(); }, CompileOutcome::NoText},
        {[](CompileTest& t) { t.options.compilerPath = ""; }, CompileOutcome::ChooseCompiler},
        {[](CompileTest& t) { t.options.compilerPath = "/opt/none/HCRTF.EXE"; },
         CompileOutcome::ChooseCompiler},
        {[](CompileTest& t) {
             t.options.compilerPath = "/opt/hcw/hc.exe";
             t.files.files["/opt/hcw/hc.exe"] = "MZ";
         },
         CompileOutcome::NotTheCompiler},
    };
    for (const Case& c : cases) {
        CompileTest& t = *this;
        t.project.ProjectFileName = "/proj/manual.scw";
        t.options.compilerPath = kCompiler;
        c.setUp(t);
        EXPECT_EQ(Compile().outcome, c.outcome);
        EXPECT_TRUE(log.lines.empty());
        EXPECT_TRUE(progress.events.empty());
        EXPECT_TRUE(files.written.empty());
        EXPECT_TRUE(runner.requests.empty());
        project.Topics[0].Text = project.Topics[1].Text;
    }
    EXPECT_STREQ(kMustSaveFirst, "   You must save your document first   ");
}

TEST_F(CompileTest, NeverOverwritesAnAuthorsFile) {
    for (int i = 0; i <= 254; ++i) {
        if (i != 77) {
            const char* ext[] = {".rtf", ".hpj", ".txt"};
            files.files["/proj/scrv" + std::to_string(i) + ext[i % 3]] = "mine";
        }
    }
    EXPECT_EQ(Compile().baseName, "scrv77");
}

TEST_F(CompileTest, AllNamesTakenLogsAnErrorAndBuildsNothing) {
    for (int i = 0; i <= 254; ++i) {
        files.files["/proj/scrv" + std::to_string(i) + ".txt"] = "mine";
    }
    const CompileResult result = Compile();
    EXPECT_EQ(result.outcome, CompileOutcome::NoFreeBaseName);
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"<start shown>", "manual.scw", kNoFreeBaseName}));
    EXPECT_TRUE(files.written.empty());
    EXPECT_TRUE(runner.requests.empty());
    EXPECT_EQ(progress.events.back(), "<ended>");
    EXPECT_TRUE(files.removed.empty());
}

TEST_F(CompileTest, AWriteFailureEndsTheBuildAndRemovesWhatItWrote) {
    options.baseName = "scrv5";
    files.failOn = "/proj/scrv5.hpj";
    EXPECT_THROW(Compile(), FileError);
    EXPECT_FALSE(files.Exists("/proj/scrv5.rtf"));
    EXPECT_EQ(files.removed, (std::vector<std::string>{"/proj/scrv5.rtf", "/proj/scrv5.hpj"}));
    EXPECT_TRUE(runner.requests.empty());
    EXPECT_EQ(progress.events.back(), "<ended>");
}

TEST_F(CompileTest, AGivenBaseNameNeverReplacesAFileUnlessAllowed) {
    options.baseName = "mine";
    files.files["/proj/mine.txt"] = "the author's notes";
    const CompileResult refused = Compile();
    EXPECT_EQ(refused.outcome, CompileOutcome::BaseNameTaken);
    EXPECT_EQ(refused.takenFile, "/proj/mine.txt");
    EXPECT_TRUE(files.written.empty());
    EXPECT_TRUE(progress.events.empty());
    options.replaceBaseFiles = true;
    EXPECT_EQ(Compile().outcome, CompileOutcome::Built);
    EXPECT_EQ(files.written.size(), 2u);
}

TEST_F(CompileTest, AHelpFileNamedAsTheProjectIsRefused) {
    files.files["/proj/manual.scw"] = "the project";
    project.HelpFileName = "manual.scw";
    EXPECT_EQ(Compile().outcome, CompileOutcome::HelpIsProject);
    EXPECT_TRUE(files.written.empty());
    EXPECT_TRUE(runner.requests.empty());
    EXPECT_EQ(HelpIsProjectMessage(".\\manual.scw"),
              "The help file name .\\manual.scw names the project file itself, which the "
              "compiler would overwrite. Choose another help file name in the project options.");
}

TEST_F(CompileTest, NoRunStopsAfterWritingTheFiles) {
    options.runCompiler = false;
    options.compilerPath = "";
    options.baseName = "scrv3";
    EXPECT_EQ(Compile().outcome, CompileOutcome::Built);
    EXPECT_TRUE(runner.requests.empty());
    EXPECT_TRUE(files.Exists("/proj/scrv3.rtf"));
    EXPECT_TRUE(files.Exists("/proj/scrv3.hpj"));
    EXPECT_NE(log.lines.back(), kHyphenLine);
    EXPECT_EQ(progress.events.back(), "<ended>");
}

TEST_F(CompileTest, KeepLeavesAllThreeFiles) {
    options.keepFiles = true;
    options.baseName = "scrv3";
    runner.onRun = [&](const ProcessRequest&) { files.files["/proj/scrv3.txt"] = "done"; };
    Compile();
    EXPECT_TRUE(files.removed.empty());
    EXPECT_EQ(log.lines.back(), "done");
    EXPECT_TRUE(files.Exists("/proj/scrv3.txt"));
}

TEST_F(CompileTest, ACancelWhileWritingLeavesNoBuildFileAndRunsNoCompiler) {
    options.baseName = "scrv3";
    // At the first line of the topic file, and once both files are written.
    const std::vector<std::function<bool()>> moments{[] { return true; },
                                                     [this] { return files.written.size() == 2; }};
    for (const auto& moment : moments) {
        log.lines.clear();
        progress.events.clear();
        files.removed.clear();
        progress.cancelWhen = moment;
        EXPECT_EQ(Compile().outcome, CompileOutcome::Cancelled);
        EXPECT_EQ(files.files.size(), 1u);  // the compiler only
        EXPECT_TRUE(runner.requests.empty());
        EXPECT_EQ(log.lines.back(), kCancelledLine);
        EXPECT_EQ(progress.events.back(), "<ended>");
    }
    EXPECT_EQ(files.removed, (std::vector<std::string>{"/proj/scrv3.rtf", "/proj/scrv3.hpj"}));
    EXPECT_STREQ(kCancelledLine,
                 "Compile cancelled: the help compiler did not run, the help file is unchanged.");
}

TEST_F(CompileTest, ACancelWhileTheCompilerRunsStopsItAndRemovesItsFiles) {
    project.ShowHelpAfterCompile = true;
    files.files["/proj/manual.hlp"] = "the last help file";
    options.baseName = "scrv3";
    bool cancel = false;
    progress.cancelWhen = [&cancel] { return cancel; };
    runner.onRun = [&](const ProcessRequest& request) {
        ASSERT_TRUE(request.cancelled);
        EXPECT_FALSE(request.cancelled());
        files.files["/proj/scrv3.txt"] = "HC1002: Note: half";
        cancel = true;
        EXPECT_TRUE(request.cancelled());
    };
    EXPECT_EQ(Compile().outcome, CompileOutcome::CompilerStopped);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(log.lines.back(), kCompilerStoppedLine);
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "HC1002: Note: half"), 0);
    EXPECT_EQ(files.files.size(), 2u);  // the compiler and the help file
    EXPECT_EQ(files.files["/proj/manual.hlp"], "the last help file");
    EXPECT_STREQ(kCompilerStoppedLine,
                 "Compile cancelled: the help compiler was stopped before it finished, so the "
                 "help file may be out of date or incomplete.");
}

TEST_F(CompileTest, FilledDefaultsAreWhatTheBuildWouldFillIn) {
    project.Topics[1].ContextString = "";
    project.HelpFileName = "";
    Project filled = project;
    FillBuildDefaults(filled);
    Compile();
    EXPECT_EQ(filled.Topics[1].ContextString, project.Topics[1].ContextString);
    EXPECT_EQ(filled.Topics[0].ContextString, "scrv10");
    EXPECT_EQ(filled.HelpFileName, project.HelpFileName);
    EXPECT_EQ(filled.HelpFileName, ".\\manual.hlp");
    EXPECT_FALSE(filled.Modified());
    // CheckCompile changes nothing and answers as the compile does.
    project.ProjectFileName = "Untitled";
    EXPECT_EQ(CheckCompile(project, options, files).outcome, CompileOutcome::NotSaved);
}

TEST(IsHelpCompilerName, TestsTheUpperCasedFileName) {
    EXPECT_TRUE(IsHelpCompilerName("C:\\Program Files\\HCW\\hcrtf.exe"));
    EXPECT_TRUE(IsHelpCompilerName("/usr/local/bin/hcrtf"));
    EXPECT_TRUE(IsHelpCompilerName("HCRTF.EXE"));
    EXPECT_FALSE(IsHelpCompilerName("/usr/bin/hcrtf.sh"));
    EXPECT_FALSE(IsHelpCompilerName("/hcrtf.exe/hc.exe"));
    EXPECT_FALSE(IsHelpCompilerName(""));
}

TEST(IsErrorLogLine, BuildErrorsAndCompilerErrors) {
    EXPECT_TRUE(IsErrorLogLine("    Error - font table not found; topic #2"));
    EXPECT_TRUE(IsErrorLogLine("    Topic ID 5 not found."));
    EXPECT_TRUE(IsErrorLogLine("HC1002: Error: missing"));
    EXPECT_FALSE(IsErrorLogLine("   - Topic \"x\" has no keywords."));
    EXPECT_FALSE(IsErrorLogLine("HC3025: Warning: x"));
    EXPECT_FALSE(IsErrorLogLine(kHyphenLine));
}

TEST(SplitTextLines, AcceptsEveryLineEnding) {
    EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(SplitTextLines("").empty());
}

}  // namespace
}  // namespace scrivlet
