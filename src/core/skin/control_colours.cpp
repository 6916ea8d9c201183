#include "core/skin/control_colours.h"

namespace motivra {

namespace {

// Exchanged as it halves, so the result is in RGB form.
RgbColour Halved(SchemeColour c) { return MakeColour<RgbColour>(Byte2(c) / 2, Byte1(c) / 2, Byte0(c) / 2); }

SchemeColour Read(const SchemeSource& source, std::string_view name, SchemeColour defaultValue) {
    return source.ReadColour(name, defaultValue);
}

// The four values both sliders read alike.
template <class Colours>
void LoadSliderColours(Colours& c, const SchemeSource& source) {
    c.bgColour = Read(source, scheme::kBGColour, scheme::kDefaultBGColour);
    c.textColour = Read(source, scheme::kTextColour, scheme::kDefaultTextColour);
    c.selectedColour = FlipRedBlue(Read(source, scheme::kSelectedColour, scheme::kDefaultSelectedColour));
    c.thumbColour = Halved(Read(source, scheme::kButtonColour, scheme::kDefaultButtonColour));
}

}  // namespace

void SliderColours::Load(const SchemeSource& source) {
    LoadSliderColours(*this, source);
    Derive();
}

void SliderColours::Derive() {
    textColour = ContrastingText(bgColour, textColour, 90);
    disabledTextColour = Blend(FlipRedBlue(bgColour), FlipRedBlue(textColour), 0.25f);
}

void SliderColours::SetBGColour(SchemeColour c) {
    bgColour = c;
    Derive();
}

void SliderColours::SetTextColour(SchemeColour c) {
    textColour = c;
    Derive();
}

void SliderColours::SetButtonColour(SchemeColour c) { thumbColour = Halved(c); }

void PlainSliderColours::Load(const SchemeSource& source) {
    LoadSliderColours(*this, source);
    SetTextColour(textColour);
}

void PlainSliderColours::SetTextColour(SchemeColour c) {
    textColour = c;
    frameColour = Brightness(c) < 140 ? SchemeColour(0xF0F0F0) : SchemeColour(0x000000);
}

void PlainSliderColours::SetButtonColour(SchemeColour c) { thumbColour = Halved(c); }

void CheckBoxColours::Load(const SchemeSource& source) {
    bgColour = Read(source, scheme::kBGColour, scheme::kDefaultBGColour);
    schemeTextColour = Read(source, scheme::kTextColour, scheme::kDefaultTextColour);
    selectedColour = FlipRedBlue(Read(source, scheme::kSelectedColour, scheme::kDefaultSelectedColour));
    buttonColour = FlipRedBlue(Read(source, scheme::kButtonColour, scheme::kDefaultButtonColour));
    Derive();
}

void CheckBoxColours::Derive() {
    bgLight = Shade(FlipRedBlue(bgColour), +20);
    bgDark = Shade(FlipRedBlue(bgColour), -44);
    textColour = ContrastingText(bgColour, FlipRedBlue(schemeTextColour), 90);
    // Blends the two forms byte by byte, as the check box always has.
    disabledTextColour = Blend(FlipRedBlue(bgColour), SameBytesInOtherForm(schemeTextColour), 0.5f);
}

void CheckBoxColours::SetBGColour(SchemeColour c) {
    bgColour = c;
    Derive();
}

void CheckBoxColours::SetTextColour(SchemeColour c) {
    schemeTextColour = c;
    Derive();
}

void TitleColours::Load(const SchemeSource& source) {
    bgColour = Read(source, scheme::kBGColour, scheme::kDefaultBGColour);
    textColour = Read(source, scheme::kTextColour, scheme::kDefaultTextColour);
    titleColour = Read(source, scheme::kTitleColour, scheme::kDefaultTitleColour);
    titleColourRgb = FlipRedBlue(titleColour);
    ApplyContrast();
}

void TitleColours::ApplyContrast() { textColour = ContrastingText(titleColour, textColour, 100); }

void TitleColours::SetTextColour(SchemeColour c) {
    textColour = c;
    ApplyContrast();
}

void TitleColours::SetTitleColour(SchemeColour c) {
    titleColour = c;
    titleColourRgb = FlipRedBlue(c);
    ApplyContrast();
}

void LabelColours::Load(const ColourScheme& scheme) {
    bgColour = scheme.GetBGColour();
    textColour = ContrastingText(bgColour, scheme.GetButtonTextColour(), 90);
    disabledTextColour = Blend(FlipRedBlue(bgColour), SameBytesInOtherForm(textColour), 0.5f);
}

void LabelColours::SetTextColour(SchemeColour c) {
    textColour = c;
    // The setters blend without the exchange the colour load makes, as the label always has: the result's
    // bytes are kept as they are.
    disabledTextColour = SameBytesInOtherForm(Blend(bgColour, c, 0.5f));
}

void LabelColours::SetBGColour(SchemeColour c) {
    bgColour = c;
    disabledTextColour = SameBytesInOtherForm(Blend(c, textColour, 0.5f));
}

void EditColours::Load(const SchemeSource& source) {
    fieldBase = FlipRedBlue(Read(source, scheme::kBGColour, scheme::kDefaultBGColour));
    textColourSet = Read(source, scheme::kTextColour, SchemeColour(0x9B9B9B));  // the edit box's own default
    DeriveField();
}

void EditColours::DeriveField() {
    fieldColour = Shade(fieldBase, +75);
    textColour = Brightness(fieldColour) > 180 ? SchemeColour() : textColourSet;
}

void EditColours::SetBGColour(RgbColour rgb) {
    fieldBase = rgb;
    DeriveField();
}

void EditColours::SetTextColour(SchemeColour c) {
    textColourSet = c;
    textColour = Brightness(fieldColour) > 180 ? SchemeColour() : c;
}

}  // namespace motivra
