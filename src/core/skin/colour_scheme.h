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

    // Colours are stored in scheme form.
    SchemeColour ReadColour(std::string_view name, SchemeColour defaultValue) const {
        return SchemeColour(ReadNumber(name, defaultValue.Value()));
    }
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

inline constexpr SchemeColour kDefaultDlgColour{0x323232};
inline constexpr SchemeColour kDefaultBGColour{0x464646};
inline constexpr SchemeColour kDefaultTitleColour{0x1E1E1E};
inline constexpr SchemeColour kDefaultButtonColour{0x9B9B9B};
inline constexpr SchemeColour kDefaultTextColour{0xAAAAAA};
inline constexpr SchemeColour kDefaultSelectedColour{0x0078F0};
inline constexpr std::uint32_t kDefaultButtonFace = 0;
inline constexpr SchemeColour kDefaultBaseColour{0x787878};
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

    SchemeColour GetDlgColour() const { return dlgColour_; }
    SchemeColour GetBGColour() const { return bgColour_; }
    SchemeColour GetButtonTextColour() const { return buttonTextColour_; }
    SchemeColour GetSelectedTextColour() const { return selectedTextColour_; }
    SchemeColour GetTextColour() const { return textColour_; }
    RgbColour GetSelectedColour() const { return selectedColour_; }
    RgbColour GetButtonColour() const { return buttonColour_; }
    SchemeColour GetTitleColour() const { return titleColour_; }

private:
    SchemeColour dlgColour_;
    SchemeColour bgColour_;
    SchemeColour buttonTextColour_;
    SchemeColour selectedTextColour_;
    SchemeColour textColour_;
    RgbColour selectedColour_;
    RgbColour buttonColour_;
    SchemeColour titleColour_;
};

}  // namespace motivra
