#include "core/projectfile/line_cursor.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <memory>

namespace scrivlet {
namespace {

constexpr char kEndOfFile = '\x1A';

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

LineCursor::LineCursor(std::string_view bytes) : data_(bytes) {
    const auto eof = data_.find(kEndOfFile);
    if (eof != std::string_view::npos) {
        data_ = data_.substr(0, eof);
    }
}

LineCursor::LineCursor(std::istream& in, std::size_t chunkSize)
    : in_(&in), chunkSize_(chunkSize == 0 ? 1 : chunkSize), ended_(false) {}

bool LineCursor::ReadFailed() const {
    return in_ != nullptr && in_->bad();
}

void LineCursor::Fill() {
    if (ended_) {
        return;
    }
    if (pos_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + pos_, filled_ - pos_);
        filled_ -= pos_;
        if (nextSolidKnown_ && nextSolid_ >= pos_) {
            nextSolid_ -= pos_;
        } else {
            nextSolidKnown_ = false;
        }
        pos_ = 0;
    }
    // The buffer grows only for a line longer than what it holds; its new
    // part is read into at once, so it is never cleared first.
    if (capacity_ - filled_ < chunkSize_) {
        capacity_ = std::max(capacity_ * 2, filled_ + chunkSize_);
        auto grown = std::make_unique_for_overwrite<char[]>(capacity_);
        if (filled_ > 0) {
            std::memcpy(grown.get(), buffer_.get(), filled_);
        }
        buffer_ = std::move(grown);
    }
    const std::size_t old = filled_;
    in_->read(buffer_.get() + old, static_cast<std::streamsize>(chunkSize_));
    const auto got = static_cast<std::size_t>(in_->gcount());
    filled_ = old + got;
    if (got < chunkSize_) {
        ended_ = true;
    }
    const void* eof = std::memchr(buffer_.get() + old, kEndOfFile, got);
    if (eof != nullptr) {
        filled_ = static_cast<std::size_t>(static_cast<const char*>(eof) - buffer_.get());
        ended_ = true;
    }
    data_ = std::string_view(buffer_.get(), filled_);
}

bool LineCursor::AtEnd() {
    while (pos_ >= data_.size()) {
        if (ended_) {
            return true;
        }
        Fill();
    }
    return false;
}

std::string_view LineCursor::ReadLine() {
    lastLine_ = crsPassed_ + 1;
    if (AtEnd()) {
        return {};
    }
    // Bytes after pos_ already known to hold no CR; kept relative because a
    // fill moves the data.
    std::size_t scanned = 0;
    std::size_t cr = std::string_view::npos;
    for (;;) {
        cr = data_.find('\r', pos_ + scanned);
        // A CR as the last byte so far needs the next byte: is it an LF?
        if (ended_ || (cr != std::string_view::npos && cr + 1 < data_.size())) {
            break;
        }
        scanned = (cr != std::string_view::npos ? cr : data_.size()) - pos_;
        Fill();
    }
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

bool LineCursor::OnlyBlanksLeft() {
    std::size_t i = (nextSolidKnown_ && nextSolid_ >= pos_) ? nextSolid_ : pos_;
    for (;;) {
        while (i < data_.size() && IsBlank(data_[i])) {
            ++i;
        }
        if (i < data_.size() || ended_) {
            break;
        }
        const std::size_t ahead = i - pos_;
        Fill();
        i = pos_ + ahead;
    }
    nextSolid_ = i;
    nextSolidKnown_ = true;
    return i >= data_.size();
}

bool LineCursor::SkipBlanks() {
    for (;;) {
        while (pos_ < data_.size() && IsBlank(data_[pos_])) {
            if (data_[pos_] == '\r') {
                ++crsPassed_;
            }
            ++pos_;
        }
        if (pos_ < data_.size() || ended_) {
            return pos_ >= data_.size();
        }
        Fill();
    }
}

}  // namespace scrivlet
