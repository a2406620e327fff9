#include "core/projectfile/line_cursor.h"

namespace scrivlet {

LineCursor::LineCursor(std::string_view bytes) : data_(bytes) {
    const auto eof = data_.find('\x1A');
    if (eof != std::string_view::npos) {
        data_ = data_.substr(0, eof);
    }
}

std::string_view LineCursor::ReadLine() {
    lastLine_ = crsPassed_ + 1;
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
        ++crsPassed_;
        if (pos_ < data_.size() && data_[pos_] == '\n') {
            ++pos_;
        }
    }
    return line;
}

bool LineCursor::OnlyBlanksLeft() const {
    if (!nextSolidKnown_ || nextSolid_ < pos_) {
        std::size_t i = pos_;
        while (i < data_.size() && static_cast<unsigned char>(data_[i]) <= 32) {
            ++i;
        }
        nextSolid_ = i;
        nextSolidKnown_ = true;
    }
    return nextSolid_ >= data_.size();
}

bool LineCursor::SkipBlanks() {
    while (pos_ < data_.size() && static_cast<unsigned char>(data_[pos_]) <= 32) {
        if (data_[pos_] == '\r') {
            ++crsPassed_;
        }
        ++pos_;
    }
    return AtEnd();
}

}  // namespace scrivlet
