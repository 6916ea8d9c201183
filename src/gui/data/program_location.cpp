#include "gui/data/program_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <utility>

#include "core/library/library_folder.h"
#include "core/library/user_data_copy.h"

namespace motivra {

std::string ProgramPath() { return DataHomeProgramPath(QCoreApplication::applicationFilePath().toStdString()); }

std::string UserDataFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) return {};
    return QDir(data).filePath(QStringLiteral("Velmora/zenthar")).toStdString();
}

namespace {

// The path a test guard put in place of the lookup, if any.
std::optional<std::string>& OverriddenDataProgramPath() {
    static std::optional<std::string> path;
    return path;
}

}  // namespace

std::string DataProgramPath() {
    if (const std::optional<std::string>& overridden = OverriddenDataProgramPath()) return *overridden;
    return DataLookupPath(ProgramPath(), UserDataFolder(), FolderAcceptsFiles);
}

DataProgramPathOverride::DataProgramPathOverride(std::string programPath)
    : previous_(std::exchange(OverriddenDataProgramPath(), std::move(programPath))) {}

DataProgramPathOverride::~DataProgramPathOverride() { OverriddenDataProgramPath() = std::move(previous_); }

void PrepareUserDataCopy() { PrepareDataLookupPath(ProgramPath(), UserDataFolder(), FolderAcceptsFiles); }

}  // namespace motivra
