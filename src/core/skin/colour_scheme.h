#pragma once

#include <cstdint>
#include <string_view>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// Where scheme values come from: the user's settings in the program, a fixed table in tests. A missing value,
// or one that is not a 32-bit number, gives the default.
class SchemeSource {
public:
    virtual ~SchemeSource() = default;
    virtual std::uint32_t ReadNumber(std::string_view name, std::uint32_t defaultValue) const = 0;
};

// Names and defaults of the scheme values.
namespace scheme {
inline constexpr std::string_view kDlgColour = "DlgColour";
inline constexpr std::string_view kBGColour = "BGColour";
inline constexpr std::string_view kTitleColour = "TitleColour";
inline constexpr std::string_view kButtonColour = "ButtonColour";
inline constexpr std::string_view kTextColour = "TextColour";
inline constexpr std::string_view kSelectedColour = "SelectedColour";
inline constexpr std::string_view kButtonFace = "ButtonFace";
inline constexpr std::string_view kBaseColour = "baseColour";

inline constexpr Colour kDefaultDlgColour = 0x323232;
inline constexpr Colour kDefaultBGColour = 0x464646;
inline constexpr Colour kDefaultTitleColour = 0x1E1E1E;
inline constexpr Colour kDefaultButtonColour = 0x9B9B9B;
inline constexpr Colour kDefaultTextColour = 0xAAAAAA;
inline constexpr Colour kDefaultSelectedColour = 0x0078F0;
inline constexpr std::uint32_t kDefaultButtonFace = 0;
inline constexpr Colour kDefaultBaseColour = 0x787878;
}  // namespace scheme

// The colours a skinned control embeds, read once from a source and derived as the controls need them.
class ColourScheme {
public:
    explicit ColourScheme(const SchemeSource& source) { Load(source); }
    virtual ~ColourScheme() = default;

    ColourScheme(const ColourScheme&) = default;
    ColourScheme& operator=(const ColourScheme&) = default;

    // Re-reads every field, as after the user changed the scheme.
    void Load(const SchemeSource& source);

    Colour GetDlgColour() const { return dlgColour_; }
    Colour GetBGColour() const { return bgColour_; }
    Colour GetButtonTextColour() const { return buttonTextColour_; }
    Colour GetSelectedTextColour() const { return selectedTextColour_; }
    Colour GetTextColour() const { return textColour_; }
    Colour GetSelectedColour() const { return selectedColour_; }  // GDI+ form
    Colour GetButtonColour() const { return buttonColour_; }      // GDI+ form
    Colour GetTitleColour() const { return titleColour_; }

private:
    Colour dlgColour_ = 0;
    Colour bgColour_ = 0;
    Colour buttonTextColour_ = 0;
    Colour selectedTextColour_ = 0;
    Colour textColour_ = 0;
    Colour selectedColour_ = 0;
    Colour buttonColour_ = 0;
    Colour titleColour_ = 0;
};

}  // namespace motivra
