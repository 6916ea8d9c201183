#pragma once

#include "core/skin/colour_scheme.h"

namespace motivra {

// The colours each skinned control keeps, loaded from the scheme and derived by its own contrast rule. Each
// field's type says its form.

// Slider: text flips to its inverse when within 90 of the background in Brightness.
struct SliderColours {
    SchemeColour bgColour;
    SchemeColour textColour;
    SchemeColour disabledTextColour;  // a quarter of the way from the background to the text
    RgbColour selectedColour;
    RgbColour thumbColour;  // every channel of ButtonColour halved

    void Load(const SchemeSource& source);
    void SetBGColour(SchemeColour c);
    void SetTextColour(SchemeColour c);
    void SetButtonColour(SchemeColour c);
    void SetSelectedColour(SchemeColour c) { selectedColour = FlipRedBlue(c); }

private:
    void Derive();
};

// The plain slider of the colour setup: no contrast rule; a frame for its end boxes that is black, or near
// white when the text colour is dark (Brightness below 140).
struct PlainSliderColours {
    SchemeColour bgColour;
    SchemeColour textColour;
    RgbColour selectedColour;
    RgbColour thumbColour;  // halved
    SchemeColour frameColour;

    void Load(const SchemeSource& source);
    void SetBGColour(SchemeColour c) { bgColour = c; }
    // The frame follows the text colour it is drawn beside.
    void SetTextColour(SchemeColour c);
    void SetButtonColour(SchemeColour c);
    void SetSelectedColour(SchemeColour c) { selectedColour = FlipRedBlue(c); }
};

// Check box: the glyph colour flips when within 90 of the background; the label keeps the text
// colour as set.
struct CheckBoxColours {
    SchemeColour bgColour;
    SchemeColour bgLight;
    SchemeColour bgDark;
    SchemeColour schemeTextColour;
    RgbColour textColour;
    SchemeColour disabledTextColour;
    RgbColour selectedColour;
    RgbColour buttonColour;

    void Load(const SchemeSource& source);
    void SetBGColour(SchemeColour c);
    void SetTextColour(SchemeColour c);
    void SetButtonColour(SchemeColour c) { buttonColour = FlipRedBlue(c); }
    void SetSelectedColour(SchemeColour c) { selectedColour = FlipRedBlue(c); }

private:
    void Derive();
};

// Group box and header: the caption flips when within 100 of the title colour.
struct TitleColours {
    SchemeColour bgColour;
    SchemeColour textColour;
    SchemeColour titleColour;
    RgbColour titleColourRgb;  // the title colour in RGB form

    void Load(const SchemeSource& source);
    void ApplyContrast();
    void SetTextColour(SchemeColour c);
    void SetTitleColour(SchemeColour c);
};

// Label: the button text colour, flipped when within 90 of the background.
struct LabelColours {
    SchemeColour bgColour;
    SchemeColour textColour;
    SchemeColour disabledTextColour;  // halfway from the background to the text

    void Load(const ColourScheme& scheme);
    void SetTextColour(SchemeColour c);
    void SetBGColour(SchemeColour c);
};

// Edit box: the field is the background lightened by 75; the text is black on a light field (Brightness above
// 180) whatever was configured.
struct EditColours {
    RgbColour fieldBase;  // the background the field derives from
    SchemeColour fieldColour;
    SchemeColour textColourSet;
    SchemeColour textColour;

    void Load(const SchemeSource& source);
    // The background in RGB form, as the colour setup hands it over: the field keeps that form until the
    // derivation turns it back, so the colour is not exchanged here again.
    void SetBGColour(RgbColour rgb);
    void SetTextColour(SchemeColour c);

    // The two-pixel bevel.
    SchemeColour TopInner() const { return Shade(fieldBase, +30); }
    SchemeColour TopOuter() const { return Shade(fieldBase, -35); }
    SchemeColour Sides() const { return Shade(fieldBase, +60); }
    SchemeColour Bottom() const { return Shade(fieldBase, +30); }
    SchemeColour Accent() const { return Shade(fieldBase, -20); }

private:
    void DeriveField();
};

}  // namespace motivra
