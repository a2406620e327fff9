#include "core/model/topic_list.h"

#include <stdexcept>

namespace scrivlet {

TTopicList::TTopicList(const TTopicList& other) {
    items_.reserve(other.items_.size());
    for (const auto& topic : other.items_) {
        items_.push_back(std::make_unique<TTopic>(*topic));
    }
}

TTopicList& TTopicList::operator=(const TTopicList& other) {
    if (this != &other) {
        TTopicList copy(other);
        items_ = std::move(copy.items_);
    }
    return *this;
}

TTopic& TTopicList::Add(std::unique_ptr<TTopic> topic) {
    if (!topic) {
        throw std::invalid_argument("TTopicList::Add: null topic");
    }
    items_.push_back(std::move(topic));
    return *items_.back();
}

TTopic& TTopicList::Add(TTopic topic) {
    return Add(std::make_unique<TTopic>(std::move(topic)));
}

void TTopicList::Delete(std::size_t index) {
    if (index >= items_.size()) {
        throw std::out_of_range("TTopicList::Delete: index out of range");
    }
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

bool operator==(const TTopicList& a, const TTopicList& b) {
    if (a.Count() != b.Count()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Count(); ++i) {
        if (!(a[i] == b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace scrivlet
