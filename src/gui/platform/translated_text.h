#pragma once

#include <QCoreApplication>
#include <QString>

#include "core/text/user_text.h"
#include "gui/platform/file_name_text.h"

namespace motivra {

// A core text as the user's language says it: the template translated in its context, then the arguments,
// each translated the same way; data is shown as it is.
inline QString Translated(const UserText& text) {
    if (text.context.empty()) return FromFileName(text.source);
    std::vector<std::string> args;
    for (const UserText& arg : text.args) args.push_back(Translated(arg).toStdString());
    const QString source = QCoreApplication::translate(text.context.c_str(), text.source.c_str());
    return QString::fromStdString(Substitute(source.toStdString(), args));
}

}  // namespace motivra
