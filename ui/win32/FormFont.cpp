// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The form's font: a face that shows every fixed text of both windows in
// real letters, each fitting its control. The system's own mapping of a
// request can end on a face that only claims the character set asked for
// (a CJK face without Latin letters draws every caption as empty boxes), or
// on one far too large for the form: both are checked, never taken on trust.

#include "FormStyle.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace win32 {

namespace form = brenvik::form;

namespace {

// The room each fixed text has at 96 DPI, from where its control stands
// and how large it is: labels are as wide as their text plus one average
// character, so theirs is what is left to their group's edge; captions
// keep clear of their group's frame, buttons of their own edges. The
// pages lie inside the tab control's frame.
constexpr int pageWidth = form::MainClientWidth - 8;
constexpr int labelRoom = pageWidth - 8 - 2;
struct Room {
    form::Text text;
    int width;
    bool label = false;
};
constexpr Room rooms[] = {
    {form::StudyTab, 0}, // together, below
    {form::BeaconTab, 0},
    {form::AboutTab, 0},
    {form::UuidTypeCaption, pageWidth - 16},
    {form::UuidTypeLabel, 112 - 8, true}, // ends where the drop-down list starts
    {form::UuidTypes[0], 393 - 17 - 6},   // beside the list's button
    {form::UuidTypes[1], 393 - 17 - 6},
    {form::NotifyCaption, pageWidth - 16},
    {form::NotifyHint, labelRoom, true},
    {form::NotifyDefault, 497 - 8},
    {form::WriteCaption, pageWidth - 16},
    {form::WriteHint, labelRoom, true},
    {form::WriteDefault, 497 - 8},
    {form::HelpCaption, pageWidth - 16},
    {form::StudyHelp[0], labelRoom, true},
    {form::StudyHelp[1], labelRoom, true},
    {form::StudyHelp[2], labelRoom, true},
    {form::StudyHelp[3], labelRoom, true},
    {form::ShowButton, 155 - 8},
    {form::BeaconUuidCaption, pageWidth - 16},
    {form::BeaconUuidHint, labelRoom, true},
    {form::BeaconUuidDefault, 497 - 8},
    {form::MajorCaption, pageWidth - 16},
    {form::MajorHint, labelRoom, true},
    {form::MajorDefault, 497 - 8},
    {form::MinorCaption, pageWidth - 16},
    {form::MinorHint, labelRoom, true},
    {form::MinorDefault, 497 - 8},
    {form::BeaconHelp[0], labelRoom, true},
    {form::BeaconHelp[1], labelRoom, true},
    {form::BeaconHelp[2], labelRoom, true},
    {form::BeaconButton, 227 - 8},
    {form::Building, pageWidth - 168, true},
    {form::OkButton, 75 - 8},
    // What the fields take and the command lists show: printable ASCII.
    {R"( !"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\]^_`abcdefghijklmnopqrstuvwxyz{|}~)", 0},
};
// A line of text inside a 20-pixel edit field, inside its border.
constexpr int lineRoom = 20 - 4;
// The tabs stand in one row across the window, each its text's width plus
// its padding, the selected one a little wider.
constexpr form::Text tabs[] = {form::StudyTab, form::BeaconTab, form::AboutTab};
constexpr int tabPadding = 2 * 6;
constexpr int tabRowRoom = form::MainClientWidth - 4;

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
    for (const Room &room : rooms) {
        if (!fits)
            break;
        const std::wstring text = Wide(room.text);
        fits = HasGlyphs(dc, text)
               && (room.width == 0
                   || TextWidth(dc, text) + (room.label ? metrics.tmAveCharWidth : 0) <= scale(room.width));
    }
    int tabRow = 0;
    for (const form::Text tab : tabs)
        tabRow += TextWidth(dc, Wide(tab)) + scale(tabPadding);
    fits = fits && tabRow <= scale(tabRowRoom);
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

} // namespace win32
