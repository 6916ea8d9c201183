#pragma once

#include <optional>
#include <string>

namespace motivra {

// The program path the help pages and the data folders are looked up from: the running program's own file
// path, moved beside its data for an installation that keeps it apart (DataHomeProgramPath).
std::string ProgramPath();

// The user's own data folder, where a system-wide installation's data folders are copied: the generic data
// location followed by Velmora/zenthar (~/.local/share/Velmora/zenthar on Linux); empty when the system has
// no such location.
std::string UserDataFolder();

// The program path that the library, palette and swatch lookups start from. Every window that looks for a
// data folder beside the program asks here, so the lookup has one place to change: it is the program's own
// path while the user may write its data folders, and a path inside UserDataFolder() once they were copied
// there because the user may not.
std::string DataProgramPath();

// Points DataProgramPath() at programPath while the guard lives, so a test can place a program beside a
// library of its own in a temporary folder. Only tests use it; guards nest.
class DataProgramPathOverride {
public:
    explicit DataProgramPathOverride(std::string programPath);
    ~DataProgramPathOverride();
    DataProgramPathOverride(const DataProgramPathOverride&) = delete;
    DataProgramPathOverride& operator=(const DataProgramPathOverride&) = delete;

private:
    std::optional<std::string> previous_;
};

// Called once at start-up, before any window: copies the program's data folders into UserDataFolder() when
// the user may not write them and has no copy yet.
void PrepareUserDataCopy();

}  // namespace motivra
