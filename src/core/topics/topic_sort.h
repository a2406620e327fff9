#pragma once

#include "core/model/topic.h"
#include "core/model/topic_list.h"

namespace scrivlet {

// The two orders the topic list can be sorted in.
enum class TopicSortKey : int { ById = 0, ByTitle = 1 };

// -1, 0 or 1. By ID: signed numbers, ascending. By title: both titles in
// upper case (letters a to z only), compared byte by byte as unsigned codes;
// a prefix sorts first.
int CompareTopics(const TTopic& a, const TTopic& b, TopicSortKey key);

// Sorts in place with the list's own quicksort: the pivot is the element in
// the middle of the range, the indices meet from both ends swapping pairs, the
// left part recurses and the right part iterates. It is not stable, and the
// order it gives to equal keys is part of the observable behaviour (authors
// see it in the grid), so it must not be swapped for std::sort.
void SortTopics(TTopicList& topics, TopicSortKey key);

}  // namespace scrivlet
