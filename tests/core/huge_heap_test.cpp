#include <gtest/gtest.h>
#include <sys/resource.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/util/huge_heap.h"

namespace scrivlet {
namespace {

long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

bool HugePagesOnRequest() {
    std::ifstream setting("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string text;
    std::getline(setting, text);
    return text.find("[always]") != std::string::npos ||
           text.find("[madvise]") != std::string::npos;
}

TEST(ReadyHugeHeap, ManySmallStringsAfterItTouchFewPages) {
    if (!HugePagesOnRequest()) {
        GTEST_SKIP() << "no transparent huge pages here";
    }
    constexpr std::size_t kStrings = 400000;  // 40 MB of 100-byte lines
    ReadyHugeHeap(96u << 20);
    const long before = MinorFaults();
    std::vector<std::string> lines;
    lines.reserve(kStrings);
    for (std::size_t i = 0; i < kStrings; ++i) {
        lines.emplace_back(100, static_cast<char>('a' + i % 26));
    }
    const long faults = MinorFaults() - before;
    // In 4 KB pages the strings alone would fault about 12,000 times; a few
    // huge pages the system cannot find at once still come in small ones.
    EXPECT_LT(faults, 4000);
    EXPECT_EQ(lines.back(), std::string(100, static_cast<char>('a' + (kStrings - 1) % 26)));
}

}  // namespace
}  // namespace scrivlet
