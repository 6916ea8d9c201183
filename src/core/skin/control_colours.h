#pragma once

#include "core/skin/colour_scheme.h"

namespace motivra {

// The colours each skinned control keeps, loaded from the scheme and derived by its own contrast rule. Forms
// are noted where they are not GDI form.

// Slider: text flips to its inverse when within 90 of the background in Brightness.
struct SliderColours {
    Colour bgColour = 0;
    Colour textColour = 0;
    Colour disabledTextColour = 0;  // a quarter of the way from the background to the text
    Colour selectedColour = 0;      // GDI+ form
    Colour thumbColour = 0;         // GDI+ form, every channel of ButtonColour halved

    void Load(const SchemeSource& source);
    void SetBGColour(Colour c);
    void SetTextColour(Colour c);
    void SetButtonColour(Colour c);
    void SetSelectedColour(Colour c) { selectedColour = FlipRedBlue(c); }

private:
    void Derive();
};

// The plain slider of the colour setup: no contrast rule; a frame for its end boxes that is black, or near
// white when the text colour is dark (Brightness below 140).
struct PlainSliderColours {
    Colour bgColour = 0;
    Colour textColour = 0;
    Colour selectedColour = 0;  // GDI+ form
    Colour thumbColour = 0;     // GDI+ form, halved
    Colour frameColour = 0;

    void Load(const SchemeSource& source);
    void SetBGColour(Colour c) { bgColour = c; }
    // The frame follows the text colour it is drawn beside.
    void SetTextColour(Colour c);
    void SetButtonColour(Colour c);
    void SetSelectedColour(Colour c) { selectedColour = FlipRedBlue(c); }
};

// Check box: the glyph colour (GDI+ form) flips when within 90 of the background; the label keeps the text
// colour as set.
struct CheckBoxColours {
    Colour bgColour = 0;
    Colour bgLight = 0;
    Colour bgDark = 0;
    Colour textColourGdi = 0;
    Colour textColour = 0;  // GDI+ form
    Colour disabledTextColour = 0;
    Colour selectedColour = 0;  // GDI+ form
    Colour buttonColour = 0;    // GDI+ form

    void Load(const SchemeSource& source);
    void SetBGColour(Colour c);
    void SetTextColour(Colour c);
    void SetButtonColour(Colour c) { buttonColour = FlipRedBlue(c); }
    void SetSelectedColour(Colour c) { selectedColour = FlipRedBlue(c); }

private:
    void Derive();
};

// Group box and header: the caption flips when within 100 of the title colour.
struct TitleColours {
    Colour bgColour = 0;
    Colour textColour = 0;
    Colour titleColour = 0;
    Colour titleColourPlus = 0;  // GDI+ form of the title colour

    void Load(const SchemeSource& source);
    void ApplyContrast();
    void SetTextColour(Colour c);
    void SetTitleColour(Colour c);
};

// Label: the button text colour, flipped when within 90 of the background.
struct LabelColours {
    Colour bgColour = 0;
    Colour textColour = 0;
    Colour disabledTextColour = 0;  // halfway from the background to the text

    void Load(const ColourScheme& scheme);
    void SetTextColour(Colour c);
    void SetBGColour(Colour c);
};

// Edit box: the field is the background lightened by 75; the text is black on a light field (Brightness above
// 180) whatever was configured.
struct EditColours {
    Colour fieldBase = 0;  // GDI+ form of the background the field derives from
    Colour fieldColour = 0;
    Colour textColourSet = 0;
    Colour textColour = 0;

    void Load(const SchemeSource& source);
    // The background in GDI+ form (red in bits 16-23), as the colour setup hands it over: the field keeps
    // that form until the derivation turns it back, so the colour is not exchanged here again.
    void SetBGColour(Colour plusForm);
    void SetTextColour(Colour c);

    // The two-pixel bevel.
    Colour TopInner() const { return Shade(fieldBase, +30); }
    Colour TopOuter() const { return Shade(fieldBase, -35); }
    Colour Sides() const { return Shade(fieldBase, +60); }
    Colour Bottom() const { return Shade(fieldBase, +30); }
    Colour Accent() const { return Shade(fieldBase, -20); }

private:
    void DeriveField();
};

}  // namespace motivra
