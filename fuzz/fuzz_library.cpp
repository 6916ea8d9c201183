// A whole library folder built from the fuzzer's bytes (behaviour names, thumbnails, tag databases, tag
// files) run through load, filter, and then rebuild or delete, each checked against what the README promises
// of the `motivra-cli library` commands: list, tags and filter answer from the files; rebuild leaves each tag
// file listing exactly the behaviours whose tag database names it, writing only those whose links change;
// delete removes the behaviour's three files and every line naming it, keeping every other byte, or refuses
// and changes nothing. Nothing outside the library is ever
// touched: the library lies a few folders deep in a scratch folder whose every other file is watched.
#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/library/behaviour_list.h"
#include "core/library/library_edits.h"
#include "core/library/library_folder.h"
#include "core/library/library_lock.h"
#include "core/library/library_names.h"
#include "core/library/tag_table.h"
#include "core/library/text_file.h"
#include "fuzz_support.h"

namespace motivra::fuzz {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// The watched folder and the library a few folders below it; snapshots name files relative to the watched
// folder.
struct Sandbox {
    fs::path watched;
    fs::path library;
    std::string Relative(const fs::path& path) const { return path.lexically_relative(watched).string(); }
    std::string TagFile(const std::string& tag) const { return Relative(library / "tags" / (tag + ".tag")); }
};

// What the fuzzer's bytes put into the library, by name: behaviour -> tag database (or none), tag -> bytes.
struct LibraryPlan {
    std::map<std::string, std::optional<std::string>> behaviours;
    std::map<std::string, std::string> tags;
};

// A name that can be made as one file inside its folder without help; other names are only ever given to
// the operations, never made by the fixture.
bool CanMake(const std::string& name) {
    return name.find('/') == std::string::npos && name.find('\0') == std::string::npos;
}

LibraryPlan MakeLibrary(FuzzInput& input, const fs::path& library) {
    LibraryPlan plan;
    for (std::size_t i = input.Below(7); i > 0; --i) {
        const std::string name = input.Text(24);
        const std::uint8_t companions = input.Byte();
        const std::string tagDb = input.Text(120);
        if (plan.behaviours.contains(name) || !CanMake(name + ".vmr") ||
            !WriteRaw(library / (name + ".vmr"), "behaviour"))
            continue;
        plan.behaviours[name].reset();
        if ((companions & 1) != 0) WriteRaw(library / "thumbs" / (name + ".bmp"), "thumbnail");
        if ((companions & 2) != 0 && WriteRaw(library / "tagdb" / (name + ".tdb"), tagDb))
            plan.behaviours[name] = tagDb;
    }
    for (std::size_t i = input.Below(7); i > 0; --i) {
        const std::string name = input.Text(24);
        const std::string links = input.Text(160);
        if (CanMake(name + ".tag") && WriteRaw(library / "tags" / (name + ".tag"), links))
            plan.tags[name] = links;
    }
    return plan;
}

// Sentinels beside the library and above it, each of a name the library's own files could have.
void MakeSurroundings(const fs::path& root, const fs::path& library) {
    for (fs::path folder = library.parent_path(); folder != root.parent_path();
         folder = folder.parent_path()) {
        for (const char* name : {"x.vmr", "x.tag", "x.tdb", "x.bmp", "x"}) WriteRaw(folder / name, "outside");
    }
    WriteRaw(library / "thumbs" / "x", "unrelated");
}

// The acceptable names in the order of the folder listing, which sorts the files byte-wise with their
// extension: "a\x03.vmr" comes before "a.vmr".
template <typename Map>
Names InListingOrder(const Map& named, std::string_view extension, bool (*acceptable)(std::string_view)) {
    Names files;
    for (const auto& [name, content] : named) {
        if (acceptable(name)) files.push_back(name + std::string(extension));
    }
    std::sort(files.begin(), files.end());
    for (std::string& file : files) file.resize(file.size() - extension.size());
    return files;
}

void CheckLoad(const LibraryPlan& plan, const TagTable& table, const Names& list,
               const std::string& library) {
    Require(ListBehaviourNames(library) == list, "list gives the behaviours' names, sorted byte-wise");
    const Names tags = InListingOrder(plan.tags, ".tag", IsAcceptableTagName);
    Require(static_cast<std::size_t>(table.Count()) == tags.size(),
            "every tag file is a tag, and nothing else");
    for (int i = 0; i < table.Count(); ++i) {
        const TagEntry& entry = table.Entry(i);
        const std::string& name = tags[static_cast<std::size_t>(i)];
        Require(
            entry.name == name && entry.links == DecodeLines(plan.tags.at(name)) &&
                entry.weight == static_cast<int>(entry.links.size()) && table.IsReadable(i),
            "tags lists each tag file in listing order with its lines as links and their number as weight");
    }
}

// filter: the first selected tag's links that every other selected tag links too, less the links of any
// subtracted tag.
void CheckFilter(FuzzInput& input, TagTable& table) {
    std::vector<const TagEntry*> selected;
    std::vector<const TagEntry*> subtracted;
    for (int i = 0; i < table.Count(); ++i) {
        const std::uint8_t choice = input.Byte() % 3;
        table.SetState(i, choice == 0   ? TagState::Unselected
                          : choice == 1 ? TagState::Selected
                                        : TagState::Subtracted);
        if (choice == 1) selected.push_back(&table.Entry(i));
        if (choice == 2) subtracted.push_back(&table.Entry(i));
    }
    table.CaptureSelection();
    Names expected;
    const auto links = [](const TagEntry* entry, const std::string& name) {
        return std::find(entry->links.begin(), entry->links.end(), name) != entry->links.end();
    };
    if (!selected.empty()) {
        for (const std::string& name : selected.front()->links) {
            if (std::all_of(selected.begin() + 1, selected.end(), [&](auto* e) { return links(e, name); }) &&
                std::none_of(subtracted.begin(), subtracted.end(), [&](auto* e) { return links(e, name); }))
                expected.push_back(name);
        }
    }
    Require(table.TagFilter() == expected,
            "filter keeps the first tag's links that the others share, less the minus tags'");
    table.ClearStates();
}

// rebuild: every tag file lists exactly the behaviours whose tag database names it, in listing order (links
// trimmed as every tag file's are); tags named only in a tag database get a file.
void CheckRebuild(const LibraryPlan& plan, TagTable& table, const Names& list, const Sandbox& box,
                  Snapshot expected) {
    Names tags;
    for (const TagEntry& entry : table.Entries()) tags.push_back(entry.name);
    std::map<std::string, Names> linked;
    for (const std::string& behaviour : list) {
        const std::optional<std::string>& tagDb = plan.behaviours.at(behaviour);
        if (!tagDb) continue;
        Names named;
        for (const std::string& line : DecodeLines(*tagDb)) {
            if (!IsAcceptableTagName(line) || std::find(named.begin(), named.end(), line) != named.end())
                continue;
            named.push_back(line);
            if (std::find(tags.begin(), tags.end(), line) == tags.end()) tags.push_back(line);
            linked[line].push_back(TrimLink(behaviour));
        }
    }
    const LibraryChange change = RebuildTagLinks(box.library.string());
    Require(change.Complete(), "a library whose files can all be read and written is rebuilt");
    for (const std::string& tag : tags) {
        const int index = table.FindTag(tag);
        if (index < 0 || table.Entry(index).links != linked[tag])
            expected[box.TagFile(tag)] = "F" + EncodeLines(linked[tag], "\n");
    }
    Require(TakeSnapshot(box.watched) == expected,
            "rebuild rewrites exactly the tag files whose links change, and them as promised");
}

// The bytes of each line with its line end, as they lie in the file.
Names SplitKeepingEnds(const std::string& bytes) {
    Names lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const auto end = bytes.find('\n', start);
        const std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
        lines.push_back(bytes.substr(start, next - start));
        start = next;
    }
    return lines;
}

// delete NAME: refused with nothing changed for a name that is no behaviour of the library; otherwise the tag
// files linking it lose every line naming it, then its three files go.
void CheckDelete(const std::string& name, TagTable& table, const Sandbox& box, Snapshot expected) {
    const bool present =
        IsAcceptableBehaviourName(name) && expected.contains(box.Relative(box.library / (name + ".vmr")));
    const LibraryChange change = RemoveBehaviour(box.library.string(), name);
    if (!present) {
        Require(!change.failure.empty(), "deleting what is not a behaviour of the library is refused");
        Require(TakeSnapshot(box.watched) == expected, "a refused delete changes nothing");
        return;
    }
    Require(change.Complete(), "a behaviour whose files can all be written is deleted");
    for (const TagEntry& entry : table.Entries()) {
        const std::string path = box.TagFile(entry.name);
        std::string kept;
        for (const std::string& line : SplitKeepingEnds(expected[path].substr(1))) {
            if (!LinkNames(DecodeLines(line).front(), name)) kept += line;
        }
        expected[path] = "F" + kept;
    }
    for (const fs::path& file : {box.library / (name + ".vmr"), box.library / "tagdb" / (name + ".tdb"),
                                 box.library / "thumbs" / (name + ".bmp")})
        expected.erase(box.Relative(file));
    Require(TakeSnapshot(box.watched) == expected,
            "delete removes the three files and the links, and nothing else");
}

}  // namespace
}  // namespace motivra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace motivra;
    using namespace motivra::fuzz;
    FuzzInput input({data, size});
    const Scratch scratch;
    const Sandbox box{scratch.Path() / "home",
                      scratch.Path() / "home" / "user" / "motivra" / kLibraryFolderName};
    for (const char* sub : {"thumbs", "tagdb", "tags"}) fs::create_directories(box.library / sub);
    const LibraryPlan plan = MakeLibrary(input, box.library);
    MakeSurroundings(box.watched, box.library);
    LibraryLock::Take(box.library.string());  // its lock file stays once made, as in any library in use
    const Snapshot before = TakeSnapshot(box.watched);

    TagTable table = LoadLibraryTags(box.library.string());
    const Names list = InListingOrder(plan.behaviours, ".vmr", IsAcceptableBehaviourName);
    CheckLoad(plan, table, list, box.library.string());
    CheckFilter(input, table);
    Require(TakeSnapshot(box.watched) == before, "reading the library changes nothing");

    const bool rebuild = input.Flag();
    std::string name = input.Text(24);
    if (input.Flag() && !list.empty()) name = list[input.Below(list.size())];
    if (rebuild) {
        CheckRebuild(plan, table, list, box, before);
    } else {
        CheckDelete(name, table, box, before);
    }
    return 0;
}
