#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "core/model/topic.h"

namespace scrivlet {

// The ordered, owning list of topics. Its order is the order of the topic
// grid, the project file, the build and the report. Topics live on the heap
// so that references stay valid while the list grows or is reordered.
class TTopicList {
public:
    TTopicList() = default;
    TTopicList(const TTopicList& other);
    TTopicList& operator=(const TTopicList& other);
    TTopicList(TTopicList&&) noexcept = default;
    TTopicList& operator=(TTopicList&&) noexcept = default;

    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }

    TTopic& operator[](std::size_t index) { return *items_.at(index); }
    const TTopic& operator[](std::size_t index) const { return *items_.at(index); }
    TTopic& Last() { return *items_.back(); }
    const TTopic& Last() const { return *items_.back(); }

    // Adds at the end and returns the stored topic.
    TTopic& Add(std::unique_ptr<TTopic> topic);
    TTopic& Add(TTopic topic);
    void Delete(std::size_t index);
    void Clear() { items_.clear(); }
    void Exchange(std::size_t a, std::size_t b) { std::swap(items_.at(a), items_.at(b)); }

    // Raw access for algorithms that reorder the list (the topic sort).
    std::vector<std::unique_ptr<TTopic>>& Items() { return items_; }

    friend bool operator==(const TTopicList& a, const TTopicList& b);

private:
    std::vector<std::unique_ptr<TTopic>> items_;
};

}  // namespace scrivlet
