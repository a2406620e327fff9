#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/project.h"
#include "core/navigator/topic_links.h"

namespace scrivlet {

// What leads to a topic: a link in another topic's text, a contents entry,
// the browse sequence it shares with its neighbours, or the project's
// default topic.
enum class ReferenceKind { Link, ContentsEntry, BrowseNeighbour, DefaultTopic };

struct TopicReference {
    ReferenceKind kind = ReferenceKind::Link;
    std::size_t fromTopic = 0;     // Link, BrowseNeighbour: the topic it comes from
    TopicCode code;                // Link: the code in that topic's text
    std::size_t contentsLine = 0;  // ContentsEntry: index into the entry lines
};

// Every reference to TOPIC (an index into the project's topics). CONTENTS are
// the entry lines of the project's contents file, empty when it has none.
std::vector<TopicReference> WhatLinksHere(const Project& project, std::size_t topic,
                                          const std::vector<std::string>& contents);

// How many "[href=" codes in the project lead to topic number ID: the links
// that break when that topic goes or changes its number.
std::size_t CountLinksToNumber(const Project& project, int32_t id);

// Whether TOPIC's text holds an "[href=" code to topic number ID.
bool LinksToNumber(const TTopic& topic, int32_t id);

// Rewrites every "[href=" code that leads to topic number FROM so that it
// leads to TO; gives how many were rewritten. Only the number changes: the
// appearance prefix and the window stay.
std::size_t RenumberLinks(Project& project, int32_t from, int32_t to);

// The question before topic number FROM becomes TO while LINKS links lead
// to FROM: update them, keep them (they break), or keep the number.
std::string RenumberQuestion(std::size_t links, int32_t from, int32_t to);

// What leads to a topic by its context string, and breaks when the string
// changes: the project's default topic and contents entries (the links in
// topic text go by number). CONTENTS are the contents file's entry lines.
struct ContextReferences {
    bool defaultTopic = false;
    std::vector<std::size_t> contentsLines;  // indexes into CONTENTS
    std::size_t Count() const { return contentsLines.size() + (defaultTopic ? 1 : 0); }
};
ContextReferences FindContextReferences(const Project& project,
                                        const std::vector<std::string>& contents,
                                        std::string_view context);

// The contents entry LINE leading to TO instead; its title, help file and
// window stay.
std::string RetargetContentsEntry(std::string_view line, std::string_view to);

// The question before context string FROM becomes TO while REFERENCES lead
// to FROM.
std::string ContextQuestion(const ContextReferences& references, std::string_view from,
                            std::string_view to);

// The browse group of a browse sequence entry ("main:00005" is in "main";
// an entry without ":" is its own group).
std::string BrowseGroup(const std::string& sequence);

}  // namespace scrivlet
