// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#include "Theme.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

namespace win32 {

bool VisualStyleShown()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    const bool highContrast
        = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE
          && (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return IsAppThemed() != FALSE && !highContrast;
}

PageBackground::~PageBackground()
{
    if (texture)
        DeleteObject(texture);
}

void PageBackground::Update(SIZE size)
{
    if (texture)
        DeleteObject(texture);
    texture = nullptr;
    if (!VisualStyleShown() || size.cx <= 0 || size.cy <= 0)
        return;
    const HTHEME theme = OpenThemeData(nullptr, L"TAB");
    if (theme == nullptr)
        return;
    // The body drawn once as high as a page, so that a texture that changes
    // from top to bottom is never repeated; as wide as its own image, which
    // the brush repeats across (a whole page would cost a few milliseconds
    // more at the start).
    SIZE part{};
    const int width
        = SUCCEEDED(GetThemePartSize(theme, nullptr, TABP_BODY, 0, nullptr, TS_TRUE, &part)) && part.cx > 0
              ? std::min(part.cx, size.cx)
              : size.cx;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, size.cy);
    const HGDIOBJ before = SelectObject(dc, bitmap);
    const RECT whole{0, 0, width, size.cy};
    FillRect(dc, &whole, GetSysColorBrush(COLOR_BTNFACE));
    const bool drawn = SUCCEEDED(DrawThemeBackground(theme, dc, TABP_BODY, 0, &whole, nullptr));
    SelectObject(dc, before);
    if (drawn)
        texture = CreatePatternBrush(bitmap);
    DeleteObject(bitmap); // the brush keeps its own copy
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    CloseThemeData(theme);
}

void PageBackground::Apply(HWND page) const
{
    EnableThemeDialogTexture(page, texture != nullptr ? ETDT_ENABLETAB : ETDT_DISABLE);
}

HBRUSH PageBackground::Brush() const
{
    return texture != nullptr ? texture : GetSysColorBrush(COLOR_BTNFACE);
}

void PageBackground::Paint(HDC dc, const RECT &area) const
{
    // The texture starts at the page's top-left corner, wherever that lies
    // on the device.
    POINT origin{0, 0};
    LPtoDP(dc, &origin, 1);
    POINT before{};
    SetBrushOrgEx(dc, origin.x, origin.y, &before);
    FillRect(dc, &area, Brush());
    SetBrushOrgEx(dc, before.x, before.y, nullptr);
}

LRESULT PageBackground::ControlColour(HWND page, HDC dc, HWND control) const
{
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    if (texture != nullptr) {
        // The control fills itself with the page's texture, shifted to where
        // it stands on the page, and draws its text without a box of its own.
        SetBkMode(dc, TRANSPARENT);
        POINT offset{0, 0};
        MapWindowPoints(control, page, &offset, 1);
        SetBrushOrgEx(dc, -offset.x, -offset.y, nullptr);
    }
    return reinterpret_cast<LRESULT>(Brush());
}

} // namespace win32
