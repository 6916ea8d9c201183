#pragma once

#include <vector>

#include "gui/skin/dialog_template.h"

namespace motivra {

namespace welcome_id {
inline constexpr int kBrowser = 1007;
inline constexpr int kStartupBox = 1031;
inline constexpr int kFallbackText = 1114;
inline constexpr int kFallbackPicture = 1115;
}  // namespace welcome_id

// The welcome window's fallback picture, bitmap resource 134 (400 x 346).
inline constexpr int kWelcomePictureBitmap = 134;

// Template 365, the welcome window, in creation (and focus) order: the browser, then the start-up box.
std::vector<DialogItem> WelcomeTemplate();

}  // namespace motivra
