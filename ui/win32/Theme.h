// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// How the tab pages look: under a visual style, the tab control's own body
// texture up to its frame, with every label, group and picture drawn over
// it; with no visual style, or in high contrast, the classic button face.

#include <windows.h>

namespace win32 {

class PageBackground
{
public:
    PageBackground() = default;
    ~PageBackground();
    PageBackground(const PageBackground &) = delete;
    PageBackground &operator=(const PageBackground &) = delete;

    // Takes the look the system has now for pages of `size` pixels: again
    // after a change of theme, colours or DPI.
    void Update(SIZE size);
    // Tells the system that `page` shows the tab body's texture, or not.
    void Apply(HWND page) const;
    // Whether the pages show the visual style's tab body.
    [[nodiscard]] bool Themed() const { return texture != nullptr; }

    // Fills `area` of a page's client area in `dc`, whatever the DC's origin
    // (the page's own painting, a back buffer, or a child asking for it).
    void Paint(HDC dc, const RECT &area) const;
    // The answer to WM_CTLCOLORSTATIC and WM_CTLCOLORBTN from `control` on
    // a page: text over the page's own background.
    [[nodiscard]] LRESULT ControlColour(HWND page, HDC dc, HWND control) const;

private:
    [[nodiscard]] HBRUSH Brush() const;
    HBRUSH texture = nullptr;
};

// Whether the windows show the visual style: one is active for this program
// and high contrast is off.
[[nodiscard]] bool VisualStyleShown();

} // namespace win32
