#pragma once

#include <array>
#include <functional>
#include <string>

namespace motivra {

// The data folders kept beside a program's bin folder that the user changes: the library, the palettes and
// the swatch libraries.
inline constexpr std::array<const char*, 3> kDataFolderNames{"behaviours", "palettes", "swatches"};

// Whether files can be created in folder, for whoever runs the program.
using WritableProbe = std::function<bool(const std::string& folder)>;

// The real probe: a uniquely named file is created in folder and removed again, so permissions, read-only
// mounts and access lists all answer. False for a missing folder or a file.
bool FolderAcceptsFiles(const std::string& folder);

// A system-wide installation keeps its data folders where users may not write. The first start then copies
// them into the user's own data folder (userFolder, e.g. ~/.local/share/Velmora/zenthar), and every data
// lookup starts from there. The help pages are not copied: they are only read.
//
// The program's data folders are those the library lookup finds for programPath (beside the program, or
// beside its bin folder). They need the copy when any of them, or a subfolder of the library, does not accept
// files.
bool NeedsUserDataCopy(const std::string& programPath, const WritableProbe& writable);

// Copies each of the program's data folders that userFolder does not hold yet, whole, into userFolder: into a
// temporary folder first, renamed into place once complete, so an interrupted copy is never taken for the
// user's data; each file and folder reaches the disk before that rename. A folder the user already has is
// never touched, so files the user saved, changed or deleted stay as they are. Only folders and regular files
// are copied, and the copies are the user's to write. True when userFolder holds every one of the program's
// data folders afterwards.
bool CopyDataFolders(const std::string& programPath, const std::string& userFolder);

// The program path the data lookups start from: programPath itself while its data folders are writable (or
// the user's copy is incomplete), otherwise userFolder/bin/ followed by the program's file name, whose
// lookups find the folders of the user's copy.
std::string DataLookupPath(const std::string& programPath, const std::string& userFolder,
                           const WritableProbe& writable);

// At start-up: makes the user's copy when the program's data folders need it, then gives DataLookupPath.
std::string PrepareDataLookupPath(const std::string& programPath, const std::string& userFolder,
                                  const WritableProbe& writable);

}  // namespace motivra
