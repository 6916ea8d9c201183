// Thumbnail images as the behaviour grid loads them (its own decode function, Qt's BMP reader behind the
// bitmap check): a picture comes back only for bytes the check accepts, at the size the grid draws it, and
// the check never accepts a file shorter than the pixels it describes.
#include <QImage>

#include <span>

#include "core/library/thumbnail_file.h"
#include "core/library/thumbnail_fit.h"
#include "fuzz_support.h"
#include "gui/library/thumbnail_cache.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace motivra;
    using namespace motivra::fuzz;
    const std::span<const std::uint8_t> bytes(data, size);
    const auto checked = CheckThumbnailBitmap(bytes);
    if (checked) {
        Require(IsAcceptableThumbnailSize(checked->width, checked->height),
                "accepted sizes are within limits");
        Require(size >= 14 + 12, "accepted files hold both headers");
    }
    const QImage picture = DecodeThumbnail(bytes);
    if (picture.isNull()) return 0;
    Require(checked.has_value(), "only bytes the check accepts are decoded");
    const PixelBox fit = FitThumbnail(checked->width, checked->height);
    Require(picture.width() == fit.Width() && picture.height() == fit.Height(),
            "a picture comes back at the size the grid draws it");
    Require(picture.width() <= kThumbnailWidth && picture.height() <= kThumbnailHeight,
            "a picture fits the thumbnail area");
    Require(picture.format() == QImage::Format_RGB888, "pictures are kept at three bytes a pixel");
    return 0;
}
