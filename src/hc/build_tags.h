#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlet::hc {

class ExpressionParser;

// Which topics a build takes, from their build tags ("*" footnotes): the
// [EXCLUDE] tags leave a topic out, the [INCLUDE] tags (when there are any)
// keep only topics that carry one of them, and the BUILD= expression of tags
// with "&", "|", "~" and parentheses must hold. A topic without build tags is
// always built. Tags are compared without regard to case.
class BuildTagFilter {
public:
    BuildTagFilter();
    ~BuildTagFilter();
    BuildTagFilter(BuildTagFilter&&) noexcept;
    BuildTagFilter& operator=(BuildTagFilter&&) noexcept;

    // Returns "" when the expression is sound, otherwise what is wrong; a
    // faulty expression is not applied.
    std::string SetExpression(std::string_view expression);
    void Include(std::string_view tag);
    void Exclude(std::string_view tag);

    bool Builds(const std::vector<std::string>& topicTags) const;

private:
    friend class ExpressionParser;
    struct Node;
    std::vector<std::string> include_;
    std::vector<std::string> exclude_;
    std::unique_ptr<Node> expression_;
};

}  // namespace scrivlet::hc
