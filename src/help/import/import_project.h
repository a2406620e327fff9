#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/model/project.h"
#include "help/help_document.h"
#include "help/import/import_report.h"

namespace scrivlet::help {

struct ImportOptions {
    // Where the sources were read (their relative folders are taken from
    // here) and where the new project goes (bitmap folders are written
    // relative to it).
    std::filesystem::path sourceFolder;
    std::filesystem::path outFolder;
    // The contents file found beside the sources, as the project names it;
    // empty for none.
    std::string contentsFile;
    // For pictures that came inside the document: the folder beside the
    // project they are written to, by its name.
    std::string pictureFolder = "pictures";
    // The numbering rule for topics no [MAP] entry numbers (preferences
    // IDcount and IDinc).
    int idCount = 0;
    uint8_t idInc = 10;
};

// A picture of the document to be written as a file: its place in
// HelpDocument::pictures and the file name inside the picture folder.
struct PictureFile {
    int picture = 0;
    std::string fileName;
};

struct ImportResult {
    Project project;
    ImportReport report;
    std::vector<PictureFile> pictures;
};

// Makes a project of a help document: one topic per help topic in the
// document's order, numbered from [MAP] (directly or through [ALIAS]) or
// else by the numbering rule, and the project's settings from the help
// project's options, windows, configuration and build tags.
ImportResult ImportHelpDocument(const HelpDocument& document, const ImportOptions& options);

// A [WINDOWS] definition as the project keeps it:
// name="caption",(x,y,w,h),state,(rRGB),(rRGB),ontop, empty fields left empty.
std::string WindowDefinitionLine(const WindowDefinition& window);

}  // namespace scrivlet::help
