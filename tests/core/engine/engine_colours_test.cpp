#include "core/engine/engine_colours.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace motivra {
namespace {

class TableSource : public SchemeSource {
public:
    explicit TableSource(std::map<std::string, std::uint32_t> values) : values_(std::move(values)) {}
    std::uint32_t ReadDword(std::string_view name, std::uint32_t defaultValue) const override {
        const auto it = values_.find(std::string(name));
        return it == values_.end() ? defaultValue : it->second;
    }

private:
    std::map<std::string, std::uint32_t> values_;
};

TEST(EngineColours, TimelineDefaultsUseItsOwnTitleColour) {
    const TimelineColours c = ReadTimelineColours(TableSource({}));
    EXPECT_EQ(c.band, 0x464646u);
    EXPECT_EQ(c.graph, 0x787878u);
    EXPECT_EQ(c.defaultLine, 0x5A5A5Au) << "0xA0 channels are 129 or more, so they move down by 70";
    EXPECT_EQ(c.timeLine, 0x3737FFu);
}

TEST(EngineColours, SchemeValuesReplaceTheDefaults) {
    const TableSource source({{"BGColour", 0x102030},
                              {"baseColour", 0x405060},
                              {"TitleColour", 0x00FF40},
                              {"SelectedColour", 0x0000FF},
                              {"ButtonColour", 0x808080}});
    const TimelineColours t = ReadTimelineColours(source);
    EXPECT_EQ(t.band, 0x102030u);
    EXPECT_EQ(t.graph, 0x405060u);
    EXPECT_EQ(t.defaultLine, 0x46B986u);  // 0x40 up to 0x86, 0xFF down to 0xB9, 0x00 up to 0x46
    const TransportColours r = ReadTransportColours(source);
    EXPECT_EQ(r.background, 0x102030u);
    EXPECT_EQ(r.selected, 0x0000FFu);
    EXPECT_EQ(r.button, 0x808080u);
}

}  // namespace
}  // namespace motivra
