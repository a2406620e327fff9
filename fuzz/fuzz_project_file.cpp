// libFuzzer target for the project file. Besides "never crash, never hang",
// it checks the file's promise on whatever project the input gives: what the
// writer writes, the reader reads back to the same project, streamed or not.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "core/projectfile/project_file.h"
#include "core/util/errors.h"

namespace {

bool SameProject(const scrivlet::Project& a, const scrivlet::Project& b) {
    return static_cast<const scrivlet::ProjectSettings&>(a) ==
               static_cast<const scrivlet::ProjectSettings&>(b) &&
           a.Topics == b.Topics;
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "project file round trip: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace scrivlet;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    Project first;
    try {
        first = ParseProject(input, "fuzz.scw");
    } catch (const ScrivletError&) {
        return 0;  // a clean refusal is a fine answer to a broken file
    }
    const std::string written = SerializeProject(first);
    Project second;
    try {
        second = ParseProject(written, "fuzz.scw");
    } catch (const ScrivletError&) {
        Fail("the written file does not read");
    }
    if (!SameProject(first, second)) {
        Fail("the written file reads back as another project");
    }
    if (second.CutOff) {
        Fail("the written file reads as cut off");
    }
    if (SerializeProject(second) != written) {
        Fail("a second write differs from the first");
    }
    // The streamed reader, in chunks small enough to split lines and CR LFs.
    std::istringstream in(std::string(input), std::ios::binary);
    try {
        const Project streamed = ParseProject(in, "fuzz.scw", {}, 7);
        if (!SameProject(first, streamed) || first.CutOff != streamed.CutOff) {
            Fail("the streamed read differs from the read in memory");
        }
    } catch (const ScrivletError&) {
        Fail("the streamed read fails where the read in memory did not");
    }
    return 0;
}
