#include "QSettingsRegistry.h"

#include "platform/QtText.h"

#include <QFileInfo>
#include <QStringList>

namespace bix {

namespace {

// Key names, without empty ones from leading, trailing or doubled backslashes.
QStringList KeyNames(const std::string& keyPath) {
    return ToQString(keyPath).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// Value names may hold characters QSettings treats specially ("/" starts a group); encode those.
QString ValueKey(const std::string& name) {
    QString key = ToQString(name);
    key.replace(QLatin1Char('%'), QStringLiteral("%25"));
    key.replace(QLatin1Char('/'), QStringLiteral("%2F"));
    key.replace(QLatin1Char('\\'), QStringLiteral("%5C"));
    return key.isEmpty() ? QStringLiteral("%00") : key;
}

std::string ValueName(QString key) {
    if (key == QStringLiteral("%00")) {
        return {};
    }
    key.replace(QStringLiteral("%5C"), QStringLiteral("\\"));
    key.replace(QStringLiteral("%2F"), QStringLiteral("/"));
    key.replace(QStringLiteral("%25"), QStringLiteral("%"));
    return FromQString(key);
}

RegistryData FromVariant(const QVariant& value) {
    switch (value.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return std::int64_t{value.toLongLong()};
        case QMetaType::Bool:
            return std::int64_t{value.toBool() ? 1 : 0};
        case QMetaType::Double:
        case QMetaType::Float:
            return value.toDouble();
        default:
            return FromQString(value.toString());
    }
}

QVariant ToVariant(const RegistryData& data) {
    if (const auto* text = std::get_if<std::string>(&data)) {
        return ToQString(*text);
    }
    if (const auto* integer = std::get_if<std::int64_t>(&data)) {
        return QVariant::fromValue(static_cast<qlonglong>(*integer));
    }
    return std::get<double>(data);
}

}  // namespace

std::unique_ptr<QSettings> QSettingsRegistry::Open(RegistryRoot root, const std::string& keyPath) {
    QStringList names = KeyNames(keyPath);
#ifdef Q_OS_WIN
    static const QString kRoots[] = {QStringLiteral("HKEY_CURRENT_USER"), QStringLiteral("HKEY_LOCAL_MACHINE"),
                                     QStringLiteral("HKEY_CLASSES_ROOT")};
    names.prepend(kRoots[static_cast<int>(root)]);
    return std::make_unique<QSettings>(names.join(QLatin1Char('\\')), QSettings::NativeFormat);
#else
    if (root == RegistryRoot::ClassesRoot || names.size() < 3 ||
        names.front().compare(QStringLiteral("Software"), Qt::CaseInsensitive) != 0) {
        return nullptr;
    }
    const QSettings::Scope scope = root == RegistryRoot::CurrentUser ? QSettings::UserScope : QSettings::SystemScope;
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, scope, names.at(1), names.at(2));
    settings->setFallbacksEnabled(false);
    const QString group = names.mid(3).join(QLatin1Char('/'));
    if (!group.isEmpty()) {
        settings->beginGroup(group);
    }
    return settings;
#endif
}

bool QSettingsRegistry::KeyExists(RegistryRoot root, const std::string& keyPath) const {
    auto settings = Open(root, keyPath);
    if (!settings) {
        return false;
    }
    if (settings->group().isEmpty()) {
        // The application's own key exists once its store does.
        return QFileInfo::exists(settings->fileName()) || !settings->allKeys().isEmpty();
    }
    return !settings->childKeys().isEmpty() || !settings->childGroups().isEmpty();
}

std::optional<RegistryData> QSettingsRegistry::ReadValue(RegistryRoot root, const std::string& keyPath,
                                                         const std::string& name) const {
    auto settings = Open(root, keyPath);
    const QString key = ValueKey(name);
    if (!settings || !settings->contains(key)) {
        return std::nullopt;
    }
    return FromVariant(settings->value(key));
}

bool QSettingsRegistry::WriteValue(RegistryRoot root, const std::string& keyPath, const std::string& name,
                                   const RegistryData& data) {
    auto settings = Open(root, keyPath);
    if (!settings || !settings->isWritable()) {
        return false;
    }
    settings->setValue(ValueKey(name), ToVariant(data));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool QSettingsRegistry::DeleteValue(RegistryRoot root, const std::string& keyPath, const std::string& name) {
    auto settings = Open(root, keyPath);
    const QString key = ValueKey(name);
    if (!settings || !settings->contains(key)) {
        return false;
    }
    settings->remove(key);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

std::vector<std::string> QSettingsRegistry::ValueNames(RegistryRoot root, const std::string& keyPath) const {
    std::vector<std::string> names;
    if (auto settings = Open(root, keyPath)) {
        for (const QString& key : settings->childKeys()) {
            names.push_back(ValueName(key));
        }
    }
    return names;
}

}  // namespace bix
