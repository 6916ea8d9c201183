#include "gui/platform/settings.h"

#include <QSettings>
#include <QVariant>

#include <limits>

namespace motivra {

namespace {

constexpr auto kOrganisation = "Velmora";
constexpr auto kApplication = "zenthar";
constexpr auto kGroup = "UI";

QVariant ReadValue(const QString& name) {
    QSettings store(kOrganisation, kApplication);
    store.beginGroup(kGroup);
    return store.value(name);
}

void WriteValue(const QString& name, const QVariant& value) {
    QSettings store(kOrganisation, kApplication);
    store.beginGroup(kGroup);
    store.setValue(name, value);
}

}  // namespace

namespace settings {

std::uint32_t ReadNumber(const QString& name, std::uint32_t defaultValue) {
    const QVariant value = ReadValue(name);
    // Text-based stores (the Linux file) give every value back as text, the registry gives a number: both
    // count only when the whole value is one unsigned 32-bit number.
    switch (value.typeId()) {
        case QMetaType::QString: {
            bool ok = false;
            const qulonglong n = value.toString().trimmed().toULongLong(&ok, 10);
            return ok && n <= std::numeric_limits<std::uint32_t>::max() ? static_cast<std::uint32_t>(n)
                                                                        : defaultValue;
        }
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: {
            bool ok = false;
            const qlonglong n = value.toLongLong(&ok);
            return ok && n >= 0 && n <= std::numeric_limits<std::uint32_t>::max()
                       ? static_cast<std::uint32_t>(n)
                       : defaultValue;
        }
        default:
            return defaultValue;
    }
}

void WriteNumber(const QString& name, std::uint32_t value) {
    WriteValue(name, QVariant::fromValue<quint32>(value));
}

QString ReadText(const QString& name, const QString& defaultValue) {
    const QVariant value = ReadValue(name);
    return value.typeId() == QMetaType::QString ? value.toString() : defaultValue;
}

void WriteText(const QString& name, const QString& value) { WriteValue(name, value); }

bool WriteNumbers(const std::vector<std::pair<QString, std::uint32_t>>& values, QString* file) {
    QSettings store(kOrganisation, kApplication);
    store.beginGroup(kGroup);
    std::vector<QVariant> previous;
    for (const auto& [name, value] : values) {
        previous.push_back(store.value(name));
        store.setValue(name, QVariant::fromValue<quint32>(value));
    }
    store.sync();
    if (file != nullptr) *file = store.fileName();
    if (store.status() == QSettings::NoError) return true;
    // Unwritten values stay pending in the process's settings and a later write would save them: they are
    // put back as they were, so readers see the values in use and no later write carries these.
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (previous[i].isValid()) {
            store.setValue(values[i].first, previous[i]);
        } else {
            store.remove(values[i].first);
        }
    }
    return false;
}

}  // namespace settings

}  // namespace motivra
