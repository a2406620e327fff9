// Reading a project from a stream in chunks gives exactly what reading it
// from memory gives, wherever the chunk boundaries fall.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "core/projectfile/line_cursor.h"
#include "core/projectfile/project_file.h"
#include "core/util/errors.h"
#include "project_file_fixtures.h"

namespace scrivlet {
namespace {

using projectfile_test::CrLf;
using projectfile_test::DefaultHeader;
using projectfile_test::FullProject;
using projectfile_test::ReadBytes;

// The project's bytes, or the error's text, for comparing two reads.
std::string Outcome(const std::function<Project()>& read) {
    try {
        return SerializeProject(read());
    } catch (const ScrivletError& e) {
        return std::string("error: ") + e.what();
    }
}

std::vector<std::string> Inputs() {
    std::vector<std::string> inputs = {
        SerializeProject(FullProject()),
        "",
        "\r",
        "\r\n",
        "[PROJECT]\r\n[TOPICS]\r\nC=5",
        DefaultHeader() + CrLf({"C=1", "~", "", "   ", "\t", "C=2", "T=a\nb", "{x", "~"}),
        DefaultHeader() + "C=1\rT=cr only\r{\r\n\r\r\n~\r",
        DefaultHeader() + CrLf({"C=1", "{x"}) +
            "y\x1A"
            "z\r\n~\r\n",
        "[PROJECT]\r\n12\r\nTITLE=x\r\n  \r\n \r\n",
        "[PROJECT]\r\n[WINDOWS]\r\n4\r\na\r\n[TOPICS]\r\n",
        DefaultHeader() + CrLf({"C=1", "~", "C=zz", "~"}),
    };
    const std::string folder = std::string(SCRIVLET_TEST_DATA) + "/projectfile";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        inputs.push_back(ReadBytes(entry.path()));
    }
    inputs.push_back(
        ReadBytes(std::string(SCRIVLET_TEST_DATA) + "/../../examples/manual/manual.scw"));
    return inputs;
}

TEST(ParseProjectStream, SameResultAsFromMemoryForEveryChunkSize) {
    for (const std::string& bytes : Inputs()) {
        const std::string expected = Outcome([&] { return ParseProject(bytes, "f.scw"); });
        for (std::size_t chunk : {1u, 2u, 3u, 7u, 64u, 4096u}) {
            std::istringstream in(bytes);
            EXPECT_EQ(Outcome([&] { return ParseProject(in, "f.scw", {}, chunk); }), expected)
                << "chunk " << chunk << " input " << bytes.substr(0, 60);
        }
    }
}

TEST(ParseProjectStream, EveryTopicsLinesAreItsOwnWithNoRoomToSpare) {
    // The lines of a large project stay for the whole session: a line table
    // that grew by doubling would hold up to half as much again.
    std::vector<std::vector<std::string>> texts;
    std::string bytes = DefaultHeader();
    for (std::size_t count : {33u, 1u, 5u, 17u}) {
        bytes += "C=" + std::to_string(count) + "\r\n";
        std::vector<std::string> text;
        for (std::size_t i = 0; i < count; ++i) {
            text.push_back("{line " + std::to_string(i) + " of " + std::to_string(count));
            bytes += text.back() + "\r\n";
        }
        bytes += "~\r\n";
        texts.push_back(std::move(text));
    }
    bytes.resize(bytes.size() - 3);  // the last topic ends early
    std::istringstream in(bytes);
    const Project project = ParseProject(in, "f.scw", {}, 64);
    ASSERT_EQ(project.Topics.Count(), texts.size());
    for (std::size_t t = 0; t < texts.size(); ++t) {
        EXPECT_EQ(project.Topics[t].Text, texts[t]);
        EXPECT_EQ(project.Topics[t].Text.capacity(), texts[t].size());
    }
    ASSERT_TRUE(project.CutOff.has_value());
}

TEST(LineCursorStream, LinesAndNumbersMatchAcrossChunkBoundaries) {
    const std::string bytes =
        "ab\r\ncd\re\nf\r\n\r\n   \r\ng\x1A"
        "hidden";
    for (std::size_t chunk : {1u, 2u, 3u, 5u, 100u}) {
        std::istringstream in(bytes);
        LineCursor streamed(in, chunk);
        LineCursor whole(bytes);
        while (!whole.AtEnd()) {
            ASSERT_FALSE(streamed.AtEnd()) << chunk;
            EXPECT_EQ(streamed.OnlyBlanksLeft(), whole.OnlyBlanksLeft()) << chunk;
            EXPECT_EQ(streamed.ReadLine(), whole.ReadLine()) << chunk;
            EXPECT_EQ(streamed.LastLineNumber(), whole.LastLineNumber()) << chunk;
        }
        EXPECT_TRUE(streamed.AtEnd()) << chunk;
        EXPECT_FALSE(streamed.ReadFailed());
    }
}

// Gives BYTES, then fails as a broken disk would.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::string bytes) : bytes_(std::move(bytes)) {
        setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
    }

protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

private:
    std::string bytes_;
};

TEST(ParseProjectStream, AStreamThatFailsPartWayIsAFileError) {
    FailingBuffer buffer(DefaultHeader() + CrLf({"C=1", "T=half"}));
    std::istream in(&buffer);
    try {
        ParseProject(in, "/d/p.scw", {}, 16);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "Cannot read file /d/p.scw.");
    }
}

}  // namespace
}  // namespace scrivlet
