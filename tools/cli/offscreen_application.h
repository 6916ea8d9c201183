#pragma once

#include <QApplication>

#include <memory>

namespace motivra::cli {

// The windows and text drawing need an application object; the offscreen platform draws without a display.
// Only the commands that draw make one, so the others start as quickly as before.
class OffscreenApplication {
public:
    OffscreenApplication();

private:
    int argc_ = 1;
    char name_[12] = "motivra-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

}  // namespace motivra::cli
