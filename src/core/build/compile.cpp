#include "core/build/compile.h"

#include <chrono>
#include <vector>

#include "core/build/build_paths.h"
#include "core/build/help_project.h"
#include "core/build/topic_rtf.h"
#include "core/util/convert.h"
#include "core/windows/option_paths.h"

namespace scrivlet {
namespace {

// Restores the window's state however the build ends.
class BuildEndGuard {
public:
    explicit BuildEndGuard(ProgressSink& progress) : progress_(progress) {
        progress_.BuildStarted();
    }
    ~BuildEndGuard() { progress_.BuildEnded(); }
    BuildEndGuard(const BuildEndGuard&) = delete;
    BuildEndGuard& operator=(const BuildEndGuard&) = delete;

private:
    ProgressSink& progress_;
};

uint32_t ClockSeed() {
    return static_cast<uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// The build files written so far; removed again unless the build gets to
// its end, so a failed build (a full disk) leaves nothing half-written.
class WrittenFiles {
public:
    explicit WrittenFiles(BuildFiles& files) : files_(files) {}
    ~WrittenFiles() {
        for (const auto& path : paths_) {
            files_.Remove(path);
        }
    }
    WrittenFiles(const WrittenFiles&) = delete;
    WrittenFiles& operator=(const WrittenFiles&) = delete;

    void Write(const std::string& path, const std::vector<std::string>& lines) {
        paths_.push_back(path);
        files_.WriteLines(path, lines);
    }
    void WriteFrom(const std::string& path, const std::function<void(LineOutput&)>& produce) {
        paths_.push_back(path);
        files_.WriteLinesFrom(path, produce);
    }
    void Keep() { paths_.clear(); }

private:
    BuildFiles& files_;
    std::vector<std::string> paths_;
};

// Thrown inside the build when its progress sink cancels it.
struct BuildCancelled {};

// Stops the topic file between two lines once the build is cancelled; the
// file being written is then removed.
class CancellableOutput : public LineOutput {
public:
    CancellableOutput(LineOutput& out, ProgressSink& progress) : out_(out), progress_(progress) {}
    void Line(std::string_view line) override {
        if (progress_.Cancelled()) {
            throw BuildCancelled();
        }
        out_.Line(line);
    }

private:
    LineOutput& out_;
    ProgressSink& progress_;
};

}  // namespace

std::string HelpIsProjectMessage(std::string_view helpFileName) {
    return "The help file name " + std::string(helpFileName) +
           " names the project file itself, which the compiler would overwrite. "
           "Choose another help file name in the project options.";
}

std::string StaleHelpQuestion(std::string_view helpFilePath) {
    return "The help file " + std::string(helpFilePath) +
           " is older than the project's last change, so it does not show what changed since "
           "(the last compile may have failed).\nCompile the project now?";
}

bool IsHelpCompilerName(std::string_view compilerPath) {
    const std::string name = UpperAscii(FileNameOf(compilerPath));
    return name == "HCRTF.EXE" || name == "HCRTF";
}

std::optional<std::string> DrawBaseName(BuildFiles& files, const std::string& folder,
                                        std::mt19937& random) {
    std::vector<std::string> free;
    for (int i = 0; i <= 254; ++i) {
        const std::string name = "scrv" + IntToStr(i);
        const std::string stem = folder + name;
        if (!files.Exists(stem + ".rtf") && !files.Exists(stem + ".hpj") &&
            !files.Exists(stem + ".txt")) {
            free.push_back(name);
        }
    }
    if (free.empty()) {
        return std::nullopt;
    }
    std::uniform_int_distribution<std::size_t> pick(0, free.size() - 1);
    return free[pick(random)];
}

void ShowCompiledHelp(const Project& project, BuildFiles& files, const HelpDisplay& display,
                      LogSink& log) {
    const std::string path =
        HelpFilePath(project.HelpFileName, ProjectFolder(project.ProjectFileName));
    if (!files.Exists(path)) {
        log.LogLine(kUnableToDisplay);
        return;
    }
    const int current = project.CurrentTopic;
    const bool valid = current >= 0 && static_cast<std::size_t>(current) < project.Topics.Count();
    display(path, valid ? project.Topics[static_cast<std::size_t>(current)].TopicID : 0);
}

bool IsErrorLogLine(std::string_view line) {
    return line.substr(0, 4) == "    " || line.find("Error:") != std::string_view::npos;
}

CompileResult CheckCompile(const Project& project, const CompileOptions& options,
                           BuildFiles& files) {
    CompileResult result;
    if (project.Topics.Empty() || project.Topics[0].Text.empty()) {
        result.outcome = CompileOutcome::NoText;
        return result;
    }
    if (project.IsUntitled()) {
        result.outcome = CompileOutcome::NotSaved;
        return result;
    }
    if (options.runCompiler) {
        if (options.compilerPath.empty() || !files.Exists(options.compilerPath)) {
            result.outcome = CompileOutcome::ChooseCompiler;
            return result;
        }
        if (!IsHelpCompilerName(options.compilerPath)) {
            result.outcome = CompileOutcome::NotTheCompiler;
            return result;
        }
    }

    const std::string folder = ProjectFolder(project.ProjectFileName);
    if (!project.HelpFileName.empty() &&
        files.SameFile(HelpFilePath(project.HelpFileName, folder), project.ProjectFileName)) {
        result.outcome = CompileOutcome::HelpIsProject;
        return result;
    }
    if (!options.baseName.empty() && !options.replaceBaseFiles) {
        for (const char* extension : {".rtf", ".hpj", ".txt"}) {
            const std::string path = folder + options.baseName + extension;
            if (files.Exists(path)) {
                result.outcome = CompileOutcome::BaseNameTaken;
                result.baseName = options.baseName;
                result.takenFile = path;
                return result;
            }
        }
    }
    return result;
}

CompileResult CompileProject(Project& project, const CompileOptions& options,
                             CompileCollaborators& with) {
    CompileResult result = CheckCompile(project, options, with.files);
    if (result.outcome != CompileOutcome::Built) {
        return result;
    }
    const std::string folder = ProjectFolder(project.ProjectFileName);

    const BuildEndGuard guard(with.progress);
    with.progress.ShowStatus("CREATING OUTPUT FILE");
    with.log.StartLog(project.ShowErrorLog);
    with.log.LogLine(std::string(FileNameOf(project.ProjectFileName)));

    if (options.baseName.empty()) {
        // Only names whose three files are all absent, so that a build never
        // overwrites or deletes a file of the author's.
        std::mt19937 random(options.seed.value_or(ClockSeed()));
        const auto drawn = DrawBaseName(with.files, folder, random);
        if (!drawn) {
            with.log.LogLine(kNoFreeBaseName);
            result.outcome = CompileOutcome::NoFreeBaseName;
            return result;
        }
        result.baseName = *drawn;
    } else {
        result.baseName = options.baseName;
    }
    const std::string stem = folder + result.baseName;

    try {
        WrittenFiles written(with.files);
        written.WriteFrom(stem + ".rtf", [&](LineOutput& out) {
            CancellableOutput lines(out, with.progress);
            WriteTopicRtf(project, with.log, with.progress, lines);
        });
        written.Write(stem + ".hpj", BuildHelpProject(project, result.baseName, folder));
        if (with.progress.Cancelled()) {
            throw BuildCancelled();
        }
        written.Keep();
    } catch (const BuildCancelled&) {
        with.log.LogLine(kCancelledLine);
        result.outcome = CompileOutcome::Cancelled;
        return result;
    }
    if (!options.runCompiler) {
        return result;
    }

    with.progress.ShowStatus("RUNNING HELP COMPILER");
    ProcessRequest request;
    request.program = options.compilerPath;
    request.arguments = "-x " + result.baseName + ".hpj";
    request.commandLine = CompilerCommandLine(options.compilerPath, result.baseName + ".hpj");
    request.workingFolder = folder;
    request.cancelled = [&with] { return with.progress.Cancelled(); };
    with.runner.Run(request);  // a compiler that cannot start leaves no log; that says enough
    if (with.progress.Cancelled()) {
        // What a stopped compiler logged is cut short, and the files were
        // made for this run alone.
        for (const char* extension : {".rtf", ".hpj", ".txt"}) {
            with.files.Remove(stem + extension);
        }
        with.log.LogLine(kCompilerStoppedLine);
        result.outcome = CompileOutcome::CompilerStopped;
        return result;
    }

    if (project.ShowHelpAfterCompile && with.showHelp) {
        ShowCompiledHelp(project, with.files, with.showHelp, with.log);
    }
    with.log.LogLine(kHyphenLine);
    const std::string logFile = stem + ".txt";
    if (with.files.Exists(logFile)) {
        if (const auto bytes = with.files.ReadBytes(logFile)) {
            for (const std::string& line : SplitTextLines(*bytes)) {
                with.log.LogLine(line);
            }
        }
        if (!options.keepFiles) {
            with.files.Remove(logFile);
        }
    }
    if (!options.keepFiles) {
        with.files.Remove(stem + ".rtf");
        with.files.Remove(stem + ".hpj");
    }
    return result;
}

}  // namespace scrivlet
