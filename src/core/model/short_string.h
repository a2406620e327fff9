#pragma once

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

namespace scrivlet {

// Text fields of topics, project settings and contents entries hold at most
// 255 bytes. A longer value is cut, never refused.
inline constexpr std::size_t kShortStringMax = 255;

inline std::string CutShort(std::string_view text) {
    return std::string(text.substr(0, kShortStringMax));
}

// A string that keeps the 255-byte cut on every assignment, so no code path
// can store a longer value by accident.
class ShortString {
public:
    ShortString() = default;
    ShortString(std::string_view text) : value_(CutShort(text)) {}    // NOLINT: implicit by design
    ShortString(const char* text) : value_(CutShort(text)) {}         // NOLINT
    ShortString(const std::string& text) : value_(CutShort(text)) {}  // NOLINT

    ShortString& operator=(std::string_view text) {
        value_ = CutShort(text);
        return *this;
    }
    ShortString& operator=(const std::string& text) { return *this = std::string_view(text); }
    ShortString& operator=(const char* text) { return *this = std::string_view(text); }

    const std::string& str() const { return value_; }
    operator const std::string&() const { return value_; }  // NOLINT
    operator std::string_view() const { return value_; }    // NOLINT
    const char* c_str() const { return value_.c_str(); }
    bool empty() const { return value_.empty(); }
    std::size_t size() const { return value_.size(); }
    char operator[](std::size_t i) const { return value_[i]; }

    friend bool operator==(const ShortString& a, const ShortString& b) = default;
    friend bool operator==(const ShortString& a, std::string_view b) { return a.value_ == b; }
    friend bool operator==(const ShortString& a, const char* b) { return a.value_ == b; }
    friend auto operator<=>(const ShortString& a, const ShortString& b) = default;

private:
    std::string value_;
};

inline std::string operator+(const std::string& a, const ShortString& b) {
    return a + b.str();
}
inline std::string operator+(const char* a, const ShortString& b) {
    return a + b.str();
}
inline std::string operator+(const ShortString& a, const std::string& b) {
    return a.str() + b;
}
inline std::string operator+(const ShortString& a, const char* b) {
    return a.str() + b;
}

}  // namespace scrivlet
