#pragma once

#include <QFont>
#include <string>
#include <vector>

class QTextDocument;

namespace scrivlet {

// Writes DOC as a topic's Text: the lines of one RTF document in the layout
// the build reads by lines:
//   line 1  "{\rtf1\ansi\deff0\deftab720{\fonttbl" one "{\fN\family Name;}" per font "}"
//   line 2  "{\colortbl" "\redR\greenG\blueB;" per colour, black first "}"
//   line 3  "\deflang1033\pard" ... the first paragraph
//   then    "\par \pard" ... one line per further paragraph
//   last    "\par }"
// A paragraph never spans lines. Character formats are written in full at
// each run ("\plain\fN\fsM" then "\b", "\i", "\ul", "\strike", "\cfN"), so a
// run never depends on the one before it, and every "\fN" is followed by a
// backslash. What a format leaves unset comes from the document's default
// font. Text is Windows-1252: bytes above 127 as "\'hh", other characters as
// "\uN?".
std::vector<std::string> WriteTopicText(const QTextDocument& doc);

// The same lines joined with CR LF, as an RTF file holds them.
std::string WriteRtf(const QTextDocument& doc);

}  // namespace scrivlet
