#include "gui/platform/program_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "core/library/user_data_copy.h"

namespace motivra {

std::string ProgramPath() { return QCoreApplication::applicationFilePath().toStdString(); }

std::string UserDataFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) return {};
    return QDir(data).filePath(QStringLiteral("Velmora/zenthar")).toStdString();
}

std::string DataProgramPath() { return DataLookupPath(ProgramPath(), UserDataFolder(), FolderAcceptsFiles); }

void PrepareUserDataCopy() { PrepareDataLookupPath(ProgramPath(), UserDataFolder(), FolderAcceptsFiles); }

}  // namespace motivra
