#include "gui/platform/program_location.h"

#include <QCoreApplication>

namespace motivra {

std::string DataProgramPath() { return QCoreApplication::applicationFilePath().toStdString(); }

}  // namespace motivra
