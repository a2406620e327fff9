#include "hc/build_tags.h"

#include <algorithm>

#include "core/util/convert.h"

namespace scrivlet::hc {

struct BuildTagFilter::Node {
    enum class Kind { Tag, Not, And, Or } kind = Kind::Tag;
    std::string tag;  // upper case
    std::unique_ptr<Node> left, right;

    bool Eval(const std::vector<std::string>& tags) const {
        switch (kind) {
            case Kind::Tag:
                return std::find(tags.begin(), tags.end(), tag) != tags.end();
            case Kind::Not:
                return !left->Eval(tags);
            case Kind::And:
                return left->Eval(tags) && right->Eval(tags);
            case Kind::Or:
                return left->Eval(tags) || right->Eval(tags);
        }
        return false;
    }
};

namespace {

bool IsTagChar(char c) {
    return c != '&' && c != '|' && c != '~' && c != '(' && c != ')' && c != ' ' && c != '\t';
}

}  // namespace

// A recursive descent over the expression; nesting is limited so that a
// hostile file cannot exhaust the stack.
class ExpressionParser {
public:
    using NodePtr = std::unique_ptr<BuildTagFilter::Node>;
    using Kind = BuildTagFilter::Node::Kind;

    explicit ExpressionParser(std::string_view text) : text_(text) {}

    NodePtr Parse(std::string& fault) {
        NodePtr node = ParseOr(0);
        SkipBlanks();
        if (fault_.empty() && pos_ < text_.size()) {
            fault_ = "unexpected \"" + std::string(1, text_[pos_]) + "\"";
        }
        fault = fault_;
        return fault_.empty() ? std::move(node) : nullptr;
    }

private:
    static constexpr int kMaxDepth = 64;

    void SkipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }

    NodePtr Binary(Kind kind, NodePtr left, NodePtr right) {
        auto node = std::make_unique<BuildTagFilter::Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    NodePtr ParseOr(int depth) {
        NodePtr left = ParseAnd(depth);
        while (fault_.empty()) {
            SkipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != '|') {
                break;
            }
            ++pos_;
            left = Binary(Kind::Or, std::move(left), ParseAnd(depth));
        }
        return left;
    }

    NodePtr ParseAnd(int depth) {
        NodePtr left = ParseUnary(depth);
        while (fault_.empty()) {
            SkipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != '&') {
                break;
            }
            ++pos_;
            left = Binary(Kind::And, std::move(left), ParseUnary(depth));
        }
        return left;
    }

    NodePtr ParseUnary(int depth) {
        if (depth > kMaxDepth) {
            fault_ = "it is nested too deeply";
            return nullptr;
        }
        SkipBlanks();
        if (pos_ >= text_.size()) {
            fault_ = "a build tag is missing at its end";
            return nullptr;
        }
        const char c = text_[pos_];
        if (c == '~') {
            ++pos_;
            return Binary(Kind::Not, ParseUnary(depth + 1), nullptr);
        }
        if (c == '(') {
            ++pos_;
            NodePtr inner = ParseOr(depth + 1);
            SkipBlanks();
            if (fault_.empty() && (pos_ >= text_.size() || text_[pos_] != ')')) {
                fault_ = "\")\" is missing";
            }
            ++pos_;
            return inner;
        }
        if (!IsTagChar(c)) {
            fault_ = "a build tag is missing before \"" + std::string(1, c) + "\"";
            return nullptr;
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsTagChar(text_[pos_])) {
            ++pos_;
        }
        auto node = std::make_unique<BuildTagFilter::Node>();
        node->tag = UpperAscii(text_.substr(start, pos_ - start));
        return node;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string fault_;
};

BuildTagFilter::BuildTagFilter() = default;
BuildTagFilter::~BuildTagFilter() = default;
BuildTagFilter::BuildTagFilter(BuildTagFilter&&) noexcept = default;
BuildTagFilter& BuildTagFilter::operator=(BuildTagFilter&&) noexcept = default;

std::string BuildTagFilter::SetExpression(std::string_view expression) {
    std::string fault;
    std::unique_ptr<Node> node = ExpressionParser(expression).Parse(fault);
    if (fault.empty()) {
        expression_ = std::move(node);
    }
    return fault;
}

void BuildTagFilter::Include(std::string_view tag) {
    include_.push_back(UpperAscii(tag));
}

void BuildTagFilter::Exclude(std::string_view tag) {
    exclude_.push_back(UpperAscii(tag));
}

bool BuildTagFilter::Builds(const std::vector<std::string>& topicTags) const {
    if (topicTags.empty()) {
        return true;
    }
    std::vector<std::string> tags;
    tags.reserve(topicTags.size());
    for (const std::string& tag : topicTags) {
        tags.push_back(UpperAscii(tag));
    }
    auto has = [&](const std::string& tag) {
        return std::find(tags.begin(), tags.end(), tag) != tags.end();
    };
    if (std::any_of(exclude_.begin(), exclude_.end(), has)) {
        return false;
    }
    if (!include_.empty() && std::none_of(include_.begin(), include_.end(), has)) {
        return false;
    }
    return expression_ == nullptr || expression_->Eval(tags);
}

}  // namespace scrivlet::hc
