#pragma once

#include <QColor>
#include <QTextDocument>
#include <memory>
#include <string>
#include <vector>

#include "help/help_document.h"

namespace scrivlet::app {

// How a topic is laid out: the zoom factor of the viewer, and whether the
// non-scrolling region gets a document of its own (a pop-up shows all in
// one).
struct RenderOptions {
    double zoom = 1.0;
    bool splitRegions = true;
};

// A topic turned into text documents: the non-scrolling region (null when
// the topic has none, or when it is not split off) and the scrolling one.
// Clickable text carries an anchor: "hotspot:N" for the topic's hotspot N,
// "button:N" for the macro of BUTTONMACROS[N]. Pictures carry the image
// name "picture:N" (the document's picture N) or "file:PATH".
struct RenderedTopic {
    std::unique_ptr<QTextDocument> fixed;
    std::unique_ptr<QTextDocument> scrolling;
    std::vector<std::string> buttonMacros;
};

RenderedTopic RenderTopic(const help::HelpDocument& document, int topic,
                          const RenderOptions& options = {});

// Lengths of the model (twips) in the pixels of a 96-dpi screen.
double TwipsToPixels(int twips);

// The colour of jump and pop-up hotspots.
inline constexpr QRgb kHotspotGreen = 0xFF008000;

// A picture of the document as an image; a metafile (which the viewer does
// not draw) gives a blank image of its size.
QImage PictureImage(const help::Picture& picture);

}  // namespace scrivlet::app
