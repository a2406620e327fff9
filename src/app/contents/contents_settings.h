#pragma once

namespace scrivlet::app {

// Where the contents editor was last: the "ContentEd" preferences.
struct ContentsPlacement {
    int top = 25;
    int left = 25;
    int height = 375;
    int width = 425;
    bool maximized = false;
    int grabLeft = 152;
};

// Reads the placement; a missing or unreadable value keeps its default.
ContentsPlacement ReadContentsPlacement();

// Writes "WindowState" and "GrabLeft" always, and the bounds only when the
// window was not maximized, so a maximized window returns to its old bounds.
void WriteContentsPlacement(const ContentsPlacement& placement);

}  // namespace scrivlet::app
