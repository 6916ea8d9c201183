#pragma once

#include <string>

namespace motivra {

inline constexpr const char* kLibraryFolderName = "behaviours";

// The two ways the library folder is looked for beside the program. TagList is used for every file path the
// dialogs build; it treats a program inside a "bin" folder as living in the folder above. Grid is the
// behaviour grid's own search, which looks in the program's folder as it is.
enum class LibrarySearch { TagList, Grid };

// The folder called name beside the program at programPath (a full file path), or in the folder above it;
// empty when neither exists. A pure function of programPath and the disk, so tests can place a program
// anywhere. The result has no trailing separator.
std::string FindLibraryFolder(const std::string& name, LibrarySearch search, const std::string& programPath);

// The program path every data lookup (library, palettes, swatches, help pages) starts from. A program in
// PREFIX/bin of an installation that keeps its data apart, in PREFIX/share/motivra (Debian's layout), is
// looked up as if it were PREFIX/share/motivra/bin/NAME; a program beside its data, as in the build tree or
// a folder of its own, is looked up from where it is. So every lookup finds the data both ways.
std::string DataHomeProgramPath(const std::string& programPath);

// The running program's full path from its argv[0]: a path holding a separator is made absolute, a bare
// name is looked up in PATH; links are resolved. Empty when it cannot be found.
std::string RunningProgramPath(const std::string& argv0);

// The folder a control is pointed at: name itself when it is a folder (relative to the current folder),
// otherwise FindLibraryFolder with the control's search.
std::string ResolveLibraryFolder(const std::string& name, LibrarySearch search,
                                 const std::string& programPath);

// The tag list's tag folder for a resolved library folder ("" for none): one trailing separator dropped,
// then "/tags/" added.
std::string TagFolderOf(const std::string& libraryFolder);

// The companions of behaviour name in the library folder (no trailing separator).
std::string BehaviourPath(const std::string& library, const std::string& name);
std::string ThumbsFolder(const std::string& library);
std::string ThumbnailPath(const std::string& library, const std::string& name);
std::string TagDbFolder(const std::string& library);
std::string TagDbPath(const std::string& library, const std::string& name);
// tagFolder ends with a separator.
std::string TagFilePath(const std::string& tagFolder, const std::string& tag);

}  // namespace motivra
