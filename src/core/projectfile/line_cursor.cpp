#include "core/projectfile/line_cursor.h"

namespace scrivlet {

LineCursor::LineCursor(std::string_view bytes) : data_(bytes) {
    const auto eof = data_.find('\x1A');
    if (eof != std::string_view::npos) {
        data_ = data_.substr(0, eof);
    }
}

std::string_view LineCursor::ReadLine() {
    lastStart_ = pos_;
    if (AtEnd()) {
        return {};
    }
    const auto cr = data_.find('\r', pos_);
    std::string_view line;
    if (cr == std::string_view::npos) {
        line = data_.substr(pos_);
        pos_ = data_.size();
    } else {
        line = data_.substr(pos_, cr - pos_);
        pos_ = cr + 1;
        if (pos_ < data_.size() && data_[pos_] == '\n') {
            ++pos_;
        }
    }
    return line;
}

bool LineCursor::OnlyBlanksLeft() const {
    for (std::size_t i = pos_; i < data_.size(); ++i) {
        if (static_cast<unsigned char>(data_[i]) > 32) {
            return false;
        }
    }
    return true;
}

bool LineCursor::SkipBlanks() {
    while (pos_ < data_.size() && static_cast<unsigned char>(data_[pos_]) <= 32) {
        ++pos_;
    }
    return AtEnd();
}

std::size_t LineCursor::LineNumberAt(std::size_t pos) const {
    std::size_t line = 1;
    for (std::size_t i = 0; i < pos && i < data_.size(); ++i) {
        if (data_[i] == '\r') {
            ++line;
        }
    }
    return line;
}

std::size_t LineCursor::LastLineNumber() const { return LineNumberAt(lastStart_); }

}  // namespace scrivlet
