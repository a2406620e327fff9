#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/project.h"

namespace scrivlet {

// The checks a help author runs while writing and before publishing: links
// that lead nowhere, topics nothing leads to, numbers and context strings
// used twice, missing titles, keywords, images and windows, faulty macros.
enum class CheckSeverity { Error, Warning, Note };

struct CheckFinding {
    CheckSeverity severity = CheckSeverity::Warning;
    std::size_t topic = 0;   // index into the project's topics
    std::size_t line = 0;    // index into the topic's text; 0 for its properties
    std::size_t column = 0;  // byte offset in that line
    std::string message;     // "link to missing topic 99"
};

struct CheckInputs {
    // The entry lines of the project's contents file; empty without one.
    std::vector<std::string> contents;
    // True when an image of that name is found in the project's bitmap
    // folders; when not given, images are not checked.
    std::function<bool(const std::string& name)> imageExists;
};

// Every finding, topic by topic in project order.
std::vector<CheckFinding> CheckProject(const Project& project, const CheckInputs& inputs);

// "error: topic 20 \"Glossary\": link to missing topic 99".
std::string FindingText(const Project& project, const CheckFinding& finding);

// "3 errors, 1 warning, 0 notes".
std::string FindingTotals(const std::vector<CheckFinding>& findings);

// The first fault of quotes and parentheses in a macro string, "" when they
// balance.
std::string QuoteAndParenthesisFault(std::string_view macros);

}  // namespace scrivlet
