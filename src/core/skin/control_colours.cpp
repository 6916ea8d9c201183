#include "core/skin/control_colours.h"

namespace motivra {

namespace {

Colour Halved(Colour gdi) { return MakeColour(Byte2(gdi) / 2, Byte1(gdi) / 2, Byte0(gdi) / 2); }

Colour Read(const SchemeSource& source, std::string_view name, Colour defaultValue) {
    return source.ReadNumber(name, defaultValue);
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

void SliderColours::SetBGColour(Colour c) {
    bgColour = c;
    Derive();
}

void SliderColours::SetTextColour(Colour c) {
    textColour = c;
    Derive();
}

void SliderColours::SetButtonColour(Colour c) { thumbColour = Halved(c); }

void PlainSliderColours::Load(const SchemeSource& source) {
    LoadSliderColours(*this, source);
    SetTextColour(textColour);
}

void PlainSliderColours::SetTextColour(Colour c) {
    textColour = c;
    frameColour = Brightness(c) < 140 ? 0xF0F0F0 : 0x000000;
}

void PlainSliderColours::SetButtonColour(Colour c) { thumbColour = Halved(c); }

void CheckBoxColours::Load(const SchemeSource& source) {
    bgColour = Read(source, scheme::kBGColour, scheme::kDefaultBGColour);
    textColourGdi = Read(source, scheme::kTextColour, scheme::kDefaultTextColour);
    selectedColour = FlipRedBlue(Read(source, scheme::kSelectedColour, scheme::kDefaultSelectedColour));
    buttonColour = FlipRedBlue(Read(source, scheme::kButtonColour, scheme::kDefaultButtonColour));
    Derive();
}

void CheckBoxColours::Derive() {
    bgLight = Shade(FlipRedBlue(bgColour), +20);
    bgDark = Shade(FlipRedBlue(bgColour), -44);
    textColour = ContrastingText(bgColour, FlipRedBlue(textColourGdi), 90);
    disabledTextColour = Blend(FlipRedBlue(bgColour), textColourGdi, 0.5f);
}

void CheckBoxColours::SetBGColour(Colour c) {
    bgColour = c;
    Derive();
}

void CheckBoxColours::SetTextColour(Colour c) {
    textColourGdi = c;
    Derive();
}

void TitleColours::Load(const SchemeSource& source) {
    bgColour = Read(source, scheme::kBGColour, scheme::kDefaultBGColour);
    textColour = Read(source, scheme::kTextColour, scheme::kDefaultTextColour);
    titleColour = Read(source, scheme::kTitleColour, scheme::kDefaultTitleColour);
    titleColourPlus = FlipRedBlue(titleColour);
    ApplyContrast();
}

void TitleColours::ApplyContrast() { textColour = ContrastingText(titleColour, textColour, 100); }

void TitleColours::SetTextColour(Colour c) {
    textColour = c;
    ApplyContrast();
}

void TitleColours::SetTitleColour(Colour c) {
    titleColour = c;
    titleColourPlus = FlipRedBlue(c);
    ApplyContrast();
}

void LabelColours::Load(const ColourScheme& scheme) {
    bgColour = scheme.GetBGColour();
    textColour = ContrastingText(bgColour, scheme.GetButtonTextColour(), 90);
    disabledTextColour = Blend(FlipRedBlue(bgColour), textColour, 0.5f);
}

void LabelColours::SetTextColour(Colour c) {
    textColour = c;
    disabledTextColour = Blend(bgColour, c, 0.5f);
}

void LabelColours::SetBGColour(Colour c) {
    bgColour = c;
    disabledTextColour = Blend(c, textColour, 0.5f);
}

void EditColours::Load(const SchemeSource& source) {
    fieldBase = FlipRedBlue(Read(source, scheme::kBGColour, scheme::kDefaultBGColour));
    textColourSet = Read(source, scheme::kTextColour, 0x9B9B9B);  // the edit box's own default
    DeriveField();
}

void EditColours::DeriveField() {
    fieldColour = Shade(fieldBase, +75);
    textColour = Brightness(fieldColour) > 180 ? 0 : textColourSet;
}

void EditColours::SetBGColour(Colour plusForm) {
    fieldBase = plusForm;
    DeriveField();
}

void EditColours::SetTextColour(Colour c) {
    textColourSet = c;
    textColour = Brightness(fieldColour) > 180 ? 0 : c;
}

}  // namespace motivra
