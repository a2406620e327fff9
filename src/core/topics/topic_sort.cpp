#include "core/topics/topic_sort.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "core/util/convert.h"

namespace scrivlet {
namespace {

int CompareTitles(const std::string& a, const std::string& b) {
    const std::string ua = UpperAscii(a);
    const std::string ub = UpperAscii(b);
    const std::size_t n = std::min(ua.size(), ub.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(ua[i]);
        const auto cb = static_cast<unsigned char>(ub[i]);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (ua.size() == ub.size()) {
        return 0;
    }
    return ua.size() < ub.size() ? -1 : 1;
}

using Items = std::vector<std::unique_ptr<TTopic>>;

void QuickSort(Items& items, std::ptrdiff_t left, std::ptrdiff_t right, TopicSortKey key) {
    std::ptrdiff_t i = 0;
    do {
        i = left;
        std::ptrdiff_t j = right;
        // The pivot is the element, not the slot: it keeps its value while
        // the swaps move it around.
        const TTopic* pivot = items[static_cast<std::size_t>((left + right) / 2)].get();
        do {
            while (CompareTopics(*items[static_cast<std::size_t>(i)], *pivot, key) < 0) {
                ++i;
            }
            while (CompareTopics(*items[static_cast<std::size_t>(j)], *pivot, key) > 0) {
                --j;
            }
            if (i <= j) {
                std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (left < j) {
            QuickSort(items, left, j, key);
        }
        left = i;
    } while (i < right);
}

}  // namespace

int CompareTopics(const TTopic& a, const TTopic& b, TopicSortKey key) {
    if (key == TopicSortKey::ById) {
        if (a.TopicID == b.TopicID) {
            return 0;
        }
        return a.TopicID < b.TopicID ? -1 : 1;
    }
    return CompareTitles(a.Title.str(), b.Title.str());
}

void SortTopics(TTopicList& topics, TopicSortKey key) {
    Items& items = topics.Items();
    if (items.size() < 2) {
        return;
    }
    QuickSort(items, 0, static_cast<std::ptrdiff_t>(items.size()) - 1, key);
}

}  // namespace scrivlet
