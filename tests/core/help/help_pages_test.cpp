// The help pages as shipped: every local link, anchor and picture is there, every page the program opens
// exists, and every page can be reached from the welcome page or the guide's contents.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;

constexpr const char* kStartPages[] = {"welcome.htm", "motivra/main.htm"};
// Pictures wider than this would not fit the help window's 880 pixels beside its margins.
constexpr int kWidestPicture = 840;

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator();
         ++it)
        found.push_back((*it)[1].str());
    return found;
}

// The width a PNG file declares in its header; 0 when it is no PNG.
int PngWidth(const fs::path& path) {
    const std::string b = test::ReadText(path);
    if (b.size() < 24 || b.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || b.compare(12, 4, "IHDR") != 0) return 0;
    const auto byte = [&](int i) { return static_cast<unsigned char>(b[static_cast<std::size_t>(i)]); };
    return byte(16) << 24 | byte(17) << 16 | byte(18) << 8 | byte(19);
}

// What is wrong with the help folder, one line each; empty when nothing is. codePages are the pages the
// program asks for by name.
std::vector<std::string> HelpProblems(const fs::path& help, const std::set<std::string>& codePages) {
    std::vector<std::string> problems;
    const std::regex href(R"(<a\s[^>]*href="([^"]*)\")", std::regex::icase);
    const std::regex anchor(R"(\s(?:name|id)="([^"]+)\")", std::regex::icase);
    const std::regex img(R"((<img\s[^>]*>))", std::regex::icase);
    const std::regex src(R"(\ssrc="([^"]*)\")", std::regex::icase);
    const std::regex width(R"(\swidth="(\d+)\")", std::regex::icase);
    const std::regex scheme(R"(^[a-z][a-z0-9+.-]*:)", std::regex::icase);
    const std::regex stylesheet(R"(<link\s[^>]*href="([^"]*)\")", std::regex::icase);

    std::map<std::string, std::set<std::string>> anchors;  // by page
    for (const auto& entry : fs::recursive_directory_iterator(help)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".htm") continue;
        const std::string page = entry.path().lexically_relative(help).generic_string();
        const auto names = Matches(test::ReadText(entry.path()), anchor);
        anchors[page] = {names.begin(), names.end()};
    }
    std::map<std::string, std::set<std::string>> linksTo;
    std::set<fs::path> picturesUsed;
    for (const auto& [page, names] : anchors) {
        const std::string text = test::ReadText(help / page);
        const fs::path folder = fs::path(page).parent_path();
        for (const std::string& link : Matches(text, href)) {
            if (std::regex_search(link, scheme)) continue;  // the user's own browser opens these
            const std::size_t hash = link.find('#');
            const std::string file = link.substr(0, hash);
            const std::string name = hash == std::string::npos ? "" : link.substr(hash + 1);
            const std::string target =
                file.empty() ? page : (folder / file).lexically_normal().generic_string();
            if (!anchors.contains(target)) {
                problems.push_back(page + ": link to a missing page " + link);
                continue;
            }
            linksTo[page].insert(target);
            if (!name.empty() && !anchors.at(target).contains(name))
                problems.push_back(page + ": link to a missing anchor " + link);
        }
        // The pages share one style sheet; without it a page would show in the view's plain colours.
        const std::vector<std::string> sheets = Matches(text, stylesheet);
        if (sheets.empty()) problems.push_back(page + ": no style sheet");
        for (const std::string& sheet : sheets) {
            if (!fs::is_regular_file(help / folder / sheet))
                problems.push_back(page + ": missing style sheet " + sheet);
        }
        const std::vector<std::string> pictures = Matches(text, img);
        if (pictures.empty()) problems.push_back(page + ": no picture of the program");
        for (const std::string& tag : pictures) {
            std::smatch m;
            if (!std::regex_search(tag, m, src)) {
                problems.push_back(page + ": a picture without src");
                continue;
            }
            const fs::path picture = (help / folder / m[1].str()).lexically_normal();
            picturesUsed.insert(picture);
            if (!fs::is_regular_file(picture)) {
                problems.push_back(page + ": missing picture " + m[1].str());
                continue;
            }
            // Shown at its own width a picture stays sharp: the help view scales without smoothing.
            std::smatch w;
            const int own = PngWidth(picture);
            if (!std::regex_search(tag, w, width) || std::stoi(w[1].str()) != own)
                problems.push_back(page + ": picture " + m[1].str() + " is not shown at its own width");
            if (own > kWidestPicture)
                problems.push_back(page + ": picture " + m[1].str() + " is wider than 840 pixels");
        }
    }
    for (const std::string& page : codePages) {
        if (!anchors.contains(page)) problems.push_back("the program opens a missing page " + page);
    }
    std::set<std::string> reached(std::begin(kStartPages), std::end(kStartPages));
    for (std::size_t known = 0; known != reached.size();) {
        known = reached.size();
        for (const std::string& page : std::set<std::string>(reached))
            reached.insert(linksTo[page].begin(), linksTo[page].end());
    }
    for (const auto& [page, names] : anchors) {
        if (!reached.contains(page)) problems.push_back(page + ": no way to reach it from the start pages");
    }
    for (const auto& entry : fs::recursive_directory_iterator(help)) {
        if (entry.path().extension() == ".png" && picturesUsed.count(entry.path().lexically_normal()) == 0)
            problems.push_back(entry.path().lexically_relative(help).generic_string() +
                               ": a picture no page shows");
    }
    return problems;
}

// The pages named in the program's sources: every string literal ending in ".htm".
std::set<std::string> PagesNamedIn(const fs::path& sources) {
    const std::regex literal(R"re("([A-Za-z0-9_./-]+\.htm)")re");
    std::set<std::string> named;
    for (const auto& entry : fs::recursive_directory_iterator(sources)) {
        const std::string ending = entry.path().extension().string();
        if (ending != ".cpp" && ending != ".h") continue;
        for (const std::string& page : Matches(test::ReadText(entry.path()), literal)) named.insert(page);
    }
    return named;
}

TEST(HelpPages, EveryLinkAnchorAndPictureIsThereAndEveryPageTheProgramOpensIsReachable) {
    const fs::path source(MOTIVRA_SOURCE_DIR);
    const std::set<std::string> named = PagesNamedIn(source / "src");
    EXPECT_GE(named.size(), 6u) << "the welcome page, the guide and one page for each of four dialogs";
    const std::vector<std::string> problems = HelpProblems(source / "resources" / "help", named);
    EXPECT_THAT(problems, ::testing::IsEmpty());
}

// The header of a PNG file of the given width.
void WritePng(const fs::path& path, int width) {
    std::string bytes = "\x89PNG\r\n\x1a\n" + std::string("\0\0\0\x0dIHDR", 8);
    for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((width >> shift) & 0xFF);
    test::WriteText(path, bytes + std::string("\0\0\0\x10", 4));
}

// The check itself: a small help folder with one fault of each kind.
TEST(HelpPages, TheCheckFindsBrokenLinksAnchorsPicturesStyleSheetsAndLostPages) {
    test::TempDir dir;
    const fs::path help = dir.Path() / "help";
    fs::create_directories(help / "motivra" / "images");
    WritePng(help / "motivra" / "images" / "a.png", 400);
    WritePng(help / "motivra" / "images" / "wide.png", 900);
    WritePng(help / "motivra" / "images" / "unused.png", 400);
    std::ofstream(help / "help.css") << "body { color: #dcdcdc; }";
    const std::string picture = R"(<img src="images/a.png" width="400">)";
    std::ofstream(help / "welcome.htm")
        << R"(<link rel="stylesheet" href="help.css"><a href="motivra/main.htm#top">guide</a> <img src="nowhere.png" width="300">)"
        << R"(<a href="https://example.org/">web</a>)";
    std::ofstream(help / "motivra" / "main.htm")
        << R"(<link rel="stylesheet" href="../help.css"><a name="top"></a><a href="rows.htm">rows</a> <a href="gone.htm">gone</a> <a href="#nothing">x</a> )"
        << picture << R"(<img src="images/a.png" width="300"><img src="images/wide.png" width="900">)";
    std::ofstream(help / "motivra" / "rows.htm")
        << R"(<link rel="stylesheet" href="help.css"><a href="../welcome.htm#top">back</a>)";
    std::ofstream(help / "motivra" / "lost.htm") << picture;

    EXPECT_THAT(
        HelpProblems(help, {"welcome.htm", "motivra/save.htm"}),
        ::testing::UnorderedElementsAreArray(
            {"welcome.htm: missing picture nowhere.png", "motivra/main.htm: link to a missing page gone.htm",
             "motivra/main.htm: link to a missing anchor #nothing",
             "motivra/main.htm: picture images/a.png is not shown at its own width",
             "motivra/main.htm: picture images/wide.png is wider than 840 pixels",
             "motivra/rows.htm: link to a missing anchor ../welcome.htm#top",
             "motivra/rows.htm: no picture of the program", "motivra/rows.htm: missing style sheet help.css",
             "motivra/lost.htm: no style sheet", "the program opens a missing page motivra/save.htm",
             "motivra/lost.htm: no way to reach it from the start pages",
             "motivra/images/unused.png: a picture no page shows"}));
}

}  // namespace
}  // namespace motivra
