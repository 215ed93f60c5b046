#pragma once

#include "document/TextCut.h"
#include "framework/core/WinTypes.h"

#include <cstdint>
#include <string>

// One plot font: a logical font record as plain fields plus a text colour.
// A positive height is the cell height, a negative one the character height;
// weight 400 is normal, 700 bold. The plot file carries only faceName,
// height, weight, italic and color; the rest is what the font chooser set.
struct FontSettings {
    static constexpr std::size_t kMaxFaceName = 31;

    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName; // at most kMaxFaceName bytes; SetFaceName cuts longer names between characters
    COLORREF color = 0;

    void SetFaceName(const std::string& name) { faceName = std::string(CutText(name, kMaxFaceName)); }
    // Every field 0 and the face name empty.
    void Clear() { *this = FontSettings(); }

    friend bool operator==(const FontSettings&, const FontSettings&) = default;
};
