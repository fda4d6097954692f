// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The form's font: a face that shows every fixed text of both windows in
// real letters, each fitting its control. The system's own mapping of a
// request can end on a face that only claims the character set asked for
// (a CJK face without Latin letters draws every caption as empty boxes), or
// on one far too large for the form: both are checked, never taken on trust.

#include "FormFont.h"

#include "FormLayout.h"
#include "WideText.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace win32 {

namespace form = brenvik::form;

namespace {

// The pages lie inside the tab control's frame.
constexpr int pageWidth = form::MainClientWidth - 8;
// A line of text inside a 20-pixel edit field, inside its border.
constexpr int lineRoom = 20 - 4;
// The tabs stand in one row across the window, each its text's width plus
// its padding, the selected one a little wider.
constexpr int tabPadding = 2 * 6;
constexpr int tabRowRoom = form::MainClientWidth - 4;
// What the fields take and the command lists show: printable ASCII.
constexpr form::Text printable
    = R"( !"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\]^_`abcdefghijklmnopqrstuvwxyz{|}~)";

// The room a control's text has at 96 DPI, from where the control stands
// and how large it is; 0 where its width is not the control's to keep.
// Labels are as wide as their text plus one average character, so theirs
// is what is left to the control beside them or to their group's edge;
// captions keep clear of their group's frame, buttons and fields of their
// own edges, a drop-down list's items of its button.
int RoomOf(const form::Window &window, const form::Control &control)
{
    switch (control.kind) {
    case form::Kind::group:
        return pageWidth - 16;
    case form::Kind::button:
    case form::Kind::edit:
        return control.rect.width - 8;
    case form::Kind::dropDown:
        return control.rect.width - 17 - 6;
    case form::Kind::label: {
        const bool inGroup
            = form::IndexOf(window.controls, control.parent) < window.controls.size()
              && window.controls[form::IndexOf(window.controls, control.parent)].kind == form::Kind::group;
        int edge = inGroup ? pageWidth - 2 : pageWidth;
        for (const form::Control &other : window.controls)
            if (other.parent == control.parent && other.kind != form::Kind::label
                && other.rect.left > control.rect.left && std::abs(other.rect.top - control.rect.top) < 8)
                edge = std::min(edge, other.rect.left);
        return edge - control.rect.left;
    }
    default:
        return 0;
    }
}

int TextWidth(HDC dc, std::wstring_view text)
{
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

// Whether the face selected into `dc` has a real glyph for every character.
bool HasGlyphs(HDC dc, std::wstring_view text)
{
    std::vector<WORD> glyphs(text.size());
    const auto count = static_cast<int>(text.size());
    return GetGlyphIndicesW(dc, text.data(), count, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS)
               == static_cast<DWORD>(count)
           && std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

LOGFONTW Request(Scale scale, std::wstring_view face, BYTE charSet)
{
    LOGFONTW font{};
    font.lfHeight = -scale(form::FontPixelHeight);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = charSet;
    font.lfQuality = DEFAULT_QUALITY;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return font;
}

// The faces the system has with the GB2312 character set, in its order.
std::vector<std::wstring> Gb2312Faces()
{
    std::vector<std::wstring> faces;
    LOGFONTW wanted{};
    wanted.lfCharSet = GB2312_CHARSET;
    if (const HDC dc = CreateCompatibleDC(nullptr)) {
        EnumFontFamiliesExW(
            dc, &wanted,
            [](const LOGFONTW *font, const TEXTMETRICW *, DWORD, LPARAM data) {
                auto &names = *reinterpret_cast<std::vector<std::wstring> *>(data);
                const std::wstring name = font->lfFaceName;
                // Faces named with "@" are the same faces set for vertical text.
                if (!name.starts_with(L'@') && std::find(names.begin(), names.end(), name) == names.end())
                    names.push_back(name);
                return 1;
            },
            reinterpret_cast<LPARAM>(&faces), 0);
        DeleteDC(dc);
    }
    return faces;
}

// The face to use at `scale`, tried in this order, the first that fits:
//  1. "MS Sans Serif" with the GB2312 character set, as the form asks:
//     the system's own GB2312 face (SimSun on Windows);
//  2. each face the system has with the GB2312 character set, by its name;
//  3. "MS Sans Serif" with the default character set: that face, or the
//     one the system puts in for it;
//  4. the system's message font, at the form's height, fitting or not: the
//     system shows its texts in real letters, filling in from linked faces.
LOGFONTW ChooseFormFont(Scale scale)
{
    const std::wstring requested = Wide(form::FontFace);
    LOGFONTW font = Request(scale, requested, GB2312_CHARSET);
    if (FormFaceFits(font, scale))
        return font;
    for (const std::wstring &face : Gb2312Faces()) {
        font = Request(scale, face, GB2312_CHARSET);
        if (FormFaceFits(font, scale))
            return font;
    }
    font = Request(scale, requested, DEFAULT_CHARSET);
    if (FormFaceFits(font, scale))
        return font;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, scale.dpi) == FALSE)
        return font;
    metrics.lfMessageFont.lfHeight = font.lfHeight;
    return metrics.lfMessageFont;
}

} // namespace

bool FormFaceFits(const LOGFONTW &font, Scale scale)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const UniqueFont made(CreateFontIndirectW(&font));
    if (dc == nullptr || made == nullptr) {
        if (dc != nullptr)
            DeleteDC(dc);
        return false;
    }
    const HGDIOBJ before = SelectObject(dc, made.get());
    TEXTMETRICW metrics{};
    bool fits = GetTextMetricsW(dc, &metrics) != FALSE && metrics.tmHeight <= scale(lineRoom);
    // Every fixed text of both windows, each in its room.
    int tabRow = 0;
    const auto fitsIn = [&](form::Text text, int room, bool label) {
        const std::wstring wide = Wide(text);
        return HasGlyphs(dc, wide)
               && (room == 0 || TextWidth(dc, wide) + (label ? metrics.tmAveCharWidth : 0) <= scale(room));
    };
    for (const form::Window *window : form::Windows)
        for (const form::Control &control : window->controls) {
            if (control.kind == form::Kind::page)
                tabRow += TextWidth(dc, Wide(control.text)) + scale(tabPadding);
            if (control.kind == form::Kind::image || control.kind == form::Kind::memo)
                continue; // an image's text is its name for screen readers
            const int room = RoomOf(*window, control);
            fits = fits && fitsIn(control.text, room, control.kind == form::Kind::label);
            for (const form::Text item : control.items)
                fits = fits && fitsIn(item, room, false);
        }
    fits = fits && fitsIn(printable, 0, false) && tabRow <= scale(tabRowRoom);
    SelectObject(dc, before);
    DeleteDC(dc);
    return fits;
}

UniqueFont FormFont(Scale scale)
{
    // Chosen once for each DPI the windows meet.
    static std::vector<std::pair<UINT, LOGFONTW>> chosen;
    auto found = std::find_if(chosen.begin(), chosen.end(),
                              [&](const auto &each) { return each.first == scale.dpi; });
    if (found == chosen.end())
        found = chosen.insert(chosen.end(), {scale.dpi, ChooseFormFont(scale)});
    return UniqueFont(CreateFontIndirectW(&found->second));
}

UniqueFont StatusFont(Scale scale)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, scale.dpi) == FALSE)
        return {};
    return UniqueFont(CreateFontIndirectW(&metrics.lfStatusFont));
}

void SetFontOfChildren(HWND window, HFONT font)
{
    EnumChildWindows(
        window,
        [](HWND child, LPARAM font) {
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(font));
}

} // namespace win32
