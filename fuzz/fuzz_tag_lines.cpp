// Tag files and tag databases: line decode -> encode -> decode is stable and loses nothing but CRs before
// LFs; through the tag table, a tag file's lines are its links and a tag database selects exactly the tags
// it names; lines are removed and added keeping every other byte.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/library/library_names.h"
#include "core/library/line_edit.h"
#include "core/library/tag_entry.h"
#include "core/library/tag_table.h"
#include "core/library/text_file.h"
#include "fuzz_support.h"

namespace motivra::fuzz {
namespace {

namespace fs = std::filesystem;

void CheckLines(std::string_view text, const std::vector<std::string>& lines) {
    Require(lines.size() == CountLines(text), "CountLines counts the lines DecodeLines makes");
    std::string joined;
    for (const std::string& line : lines) {
        Require(line.find('\n') == std::string::npos, "no line holds a line end");
        joined += line + "\n";
    }
    // The bytes less every CR right before an LF, and with a line end after the last line.
    std::string expected;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        expected += text[i];
    }
    if (!expected.empty() && expected.back() != '\n') expected += '\n';
    Require(joined == expected, "lines are the bytes cut at each LF, a CR before it dropped");

    const std::string encoded = EncodeLines(lines, "\n");
    Require(DecodeLines(encoded) == lines, "decode -> encode -> decode gives the same lines");
    Require(EncodeLines(DecodeLines(encoded), "\n") == encoded, "encoding again gives the same bytes");
}

// The tag table over a tag folder holding the bytes as t.tag, and a tag database holding the same bytes.
void CheckTagTable(std::string_view text, const std::vector<std::string>& lines) {
    const Scratch scratch;
    const fs::path tags = scratch.Path() / "tags";
    const fs::path tagDb = scratch.Path() / "tagdb";
    fs::create_directory(tags);
    fs::create_directory(tagDb);
    Require(WriteRaw(tags / "t.tag", text) && WriteRaw(tagDb / "b.tdb", text),
            "scratch files can be written");

    TagTable table;
    table.SetTagFolder(tags.string() + "/");
    table.LoadTags();
    Require(table.Count() == 1 && table.Entry(0).name == "t" && table.Entry(0).links == lines &&
                table.Entry(0).weight == static_cast<int>(lines.size()),
            "a tag file's lines are its links and their number its weight");

    Require(table.ReadTagDb((tagDb / "b.tdb").string()), "a tag database is read");
    std::vector<std::string> names{"t"};
    std::vector<std::string> selected;
    for (const std::string& line : lines) {
        if (!IsAcceptableTagName(line) || std::find(selected.begin(), selected.end(), line) != selected.end())
            continue;
        selected.push_back(line);
        if (line != "t") names.push_back(line);
    }
    Require(static_cast<int>(names.size()) == table.Count(), "unknown tags named are added, each once");
    for (int i = 0; i < table.Count(); ++i) {
        const TagEntry& entry = table.Entry(i);
        const bool named = std::find(selected.begin(), selected.end(), entry.name) != selected.end();
        Require(
            entry.name == names[static_cast<std::size_t>(i)] && (entry.state == TagState::Selected) == named,
            "exactly the acceptable names of the tag database are selected");
    }

    // Lines are removed and added keeping every other byte.
    std::string kept;
    std::size_t removed = 0;
    for (const std::string& line : lines) {
        if (LinkNames(line, "t")) ++removed;
    }
    kept = RemoveLines(text, [](std::string_view line) { return LinkNames(line, "t"); });
    Require(DecodeLines(kept).size() == lines.size() - removed,
            "removing lines removes exactly the matching ones");
    const std::string added = AppendLine(std::string(text), "new");
    std::vector<std::string> expected = lines;
    expected.push_back("new");
    Require(DecodeLines(added) == expected && added.starts_with(text),
            "an added line follows every line there, whose bytes stay");
}

}  // namespace
}  // namespace motivra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace motivra::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = motivra::DecodeLines(text);
    CheckLines(text, lines);
    CheckTagTable(text, lines);
    return 0;
}
