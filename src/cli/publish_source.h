#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/model/project.h"
#include "help/help_document.h"
#include "help/html/publisher.h"

namespace scrivlet::cli {

// A source that cannot be published; the message says why in the user's
// words.
class PublishError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A help document ready for the publisher, with what else it needs.
struct PublishSource {
    help::HelpDocument document;
    help::html::PublishInput input;
    std::vector<std::string> warnings;  // UTF-8: what reading the source found
};

// A project goes the way a help build goes: its RTF topic file and help
// project file are written to a temporary folder (never the project's),
// the help compiler's reader turns them into the model with the project's
// build tags applied, and the bitmaps the topics show are read from the
// project's folders. Throws PublishError when there is nothing to publish.
PublishSource SourceFromProject(const Project& project);

// The preview of topic INDEX of PROJECT (with TEXT in place of its stored
// text) as the publisher would write it: a standalone HTML page.
std::string PreviewTopic(const Project& project, std::size_t index,
                         const std::vector<std::string>& text);

// A .scw project or a .hlp help file (with the .cnt beside it).
PublishSource LoadPublishSource(const std::filesystem::path& path);

// The pixels of a Windows bitmap file (0xAARRGGBB, top row first); with
// TRANSPARENT, white pixels become transparent as {bmct} asks. Nothing when
// the bytes are no bitmap the help compiler reads.
bool BitmapPicture(std::string_view bytes, bool transparent, help::Picture& picture);

}  // namespace scrivlet::cli
