#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace scrivlet::help::html::testing {

// A published site as path -> bytes.
using SiteFiles = std::map<std::string, std::string>;

SiteFiles ReadSiteFolder(const std::filesystem::path& folder);

// What is wrong with a site's pages, one line each: a local href or src
// that names no file of the site, a "#fragment" that names no id of its
// page, a data-popup that names no panel, an id given twice in a page,
// elements that are not closed in order, text that is not UTF-8, a page
// without its doctype and charset. Links marked broken (class "broken")
// are spans, not links, and so are not checked.
std::vector<std::string> CheckSite(const SiteFiles& files);

// The values of attribute NAME (href, src, id ...) in HTML.
std::vector<std::string> AttributeValues(const std::string& html, const std::string& name);

}  // namespace scrivlet::help::html::testing
