#include <gtest/gtest.h>

#include "core/export/export_settings.h"

namespace motivra {
namespace {

TEST(ExportForm, EachFieldOutOfRangeIsNamedAndAGoodFormReads) {
    const ExportForm good{ExportFormat::Gif, "400", "300", "1.5", "25", "3", "", "/tmp/a.gif", true};
    const FormReading ok = ReadExportForm(good, "spin");
    ASSERT_TRUE(ok.settings) << English(ok.problem);
    EXPECT_EQ(ok.settings->width, 400);
    EXPECT_DOUBLE_EQ(ok.settings->duration, 1.5);
    EXPECT_EQ(ok.settings->plays, 3);
    EXPECT_TRUE(ok.settings->fill);
    const struct {
        std::string ExportForm::*field;
        const char* value;
        const char* problem;
    } bad[] = {
        {&ExportForm::width, "0", "width"},          {&ExportForm::height, "8193", "width"},
        {&ExportForm::duration, "0", "duration"},    {&ExportForm::duration, "2s", "duration"},
        {&ExportForm::fps, "121", "frame rate"},     {&ExportForm::plays, "0", "Plays"},
        {&ExportForm::out, "", "where to save"},
    };
    for (const auto& c : bad) {
        ExportForm form = good;
        form.*c.field = c.value;
        const FormReading reading = ReadExportForm(form, "spin");
        EXPECT_FALSE(reading.settings) << c.value;
        EXPECT_NE(English(reading.problem).find(c.problem), std::string::npos) << English(reading.problem);
    }
}

TEST(ExportForm, TheFileNameTakesTheFormatsExtension) {
    EXPECT_EQ(WithFormatExtension("/a/spin.css", ExportFormat::Webp), "/a/spin.webp");
    EXPECT_EQ(WithFormatExtension("/a/spin.webp", ExportFormat::Png), "/a/spin");
    EXPECT_EQ(WithFormatExtension("/a/spin", ExportFormat::Lottie), "/a/spin.json");
    EXPECT_EQ(WithFormatExtension("/a/v1.2", ExportFormat::Gif), "/a/v1.2.gif");
}

}  // namespace
}  // namespace motivra
