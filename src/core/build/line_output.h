#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scrivlet {

// Where a build step sends the lines of a file it makes, one at a time, so
// that a large file goes to disk as it is made instead of being held whole.
class LineOutput {
public:
    virtual ~LineOutput() = default;
    virtual void Line(std::string_view line) = 0;
};

// Keeps the lines; for callers and tests that want them all.
class CollectedLines : public LineOutput {
public:
    void Line(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

}  // namespace scrivlet
