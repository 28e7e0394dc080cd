#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <charconv>

#include "app/registry.h"

namespace quorvant::Registry {
namespace {

// Registry statuses the callers may see.
constexpr Status kNotFound = 2;      // ERROR_FILE_NOT_FOUND
constexpr Status kAccessDenied = 5;  // ERROR_ACCESS_DENIED

struct KeyLocation {
    QString file;  // empty when the path names no key this store can hold
    QString group;
};

// "Software\Org\App\Rest" lives in <config>/Org/App.ini, group Rest; the root only has one
// value, so it picks nothing.
KeyLocation Locate(Root, std::string_view keyPath) {
    const QStringList parts = QString::fromLocal8Bit(keyPath.data(), qsizetype(keyPath.size()))
                                  .split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (parts.size() < 3) return {};
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return {
        config + QLatin1Char('/') + parts[1] + QLatin1Char('/') + parts[2] + QLatin1String(".ini"),
        parts.mid(3).join(QLatin1Char('/'))};
}

QString ToQString(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

}  // namespace

struct OpenedKey::Handle {
    std::unique_ptr<QSettings> settings;
};

OpenedKey::OpenedKey(Root root, std::string_view keyPath, Access)
    : handle_(std::make_unique<Handle>()) {
    const KeyLocation location = Locate(root, keyPath);
    if (location.file.isEmpty() || !QFileInfo(location.file).isFile()) return;
    handle_->settings = std::make_unique<QSettings>(location.file, QSettings::IniFormat);
    if (!location.group.isEmpty()) handle_->settings->beginGroup(location.group);
}

OpenedKey::~OpenedKey() = default;

bool OpenedKey::isOpen() const { return handle_->settings != nullptr; }

void CreateKey(std::string_view keyPath, Root root) {
    const KeyLocation location = Locate(root, keyPath);
    if (location.file.isEmpty() || QFileInfo::exists(location.file)) return;
    QDir().mkpath(QFileInfo(location.file).absolutePath());
    QFile file(location.file);
    file.open(QIODevice::WriteOnly);
}

Status WriteValueToKey(OpenedKey& key, std::string_view valueName, int valueType,
                       std::string_view value) {
    QString text;
    if (valueType == kString) {
        text = ToQString(value);
    } else if (valueType == kInteger) {
        std::int32_t number = 0;
        std::from_chars(value.data(), value.data() + value.size(), number);
        text = QString::number(number);
    } else {
        return 0;
    }
    QSettings& settings = *key.handle().settings;
    const QString name = ToQString(valueName);
    // The launch stores every setting at each press: a value already stored as it is costs no
    // rewrite of the file.
    if (settings.contains(name) && settings.value(name).toString() == text) return kSuccess;
    settings.setValue(name, text);
    settings.sync();
    return settings.status() == QSettings::NoError ? kSuccess : kAccessDenied;
}

Status ReadValueFromKey(OpenedKey& key, std::string_view valueName, std::string& value) {
    const QSettings& settings = *key.handle().settings;
    const QString name = ToQString(valueName);
    if (!settings.contains(name)) return kNotFound;
    value = settings.value(name).toString().toLocal8Bit().toStdString();
    return kSuccess;
}

}  // namespace quorvant::Registry
