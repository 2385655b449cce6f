#include "app/QtSettingsStore.h"

#include "app/MemorySettingsStore.h"
#include "common/QtText.h"

#include <QSettings>
#include <QStringList>

namespace vlm {

namespace {

// The names of a key in write order, under a name no value can have.
const QString kOrder = QStringLiteral(".order");
const QString kExists = QStringLiteral(".key");

// Keys compare without case and with either separator, as in memory.
QString Group(const std::string& key) {
    QString group = ToQt(MemorySettingsStore::NormalizeKey(key));
    group.replace('\\', '/');
    return group;
}

// The type rides in front of the value: INI files keep only text.
QString Encode(const SettingValue& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return "s:" + ToQt(*text);
    if (const auto* number = std::get_if<std::int32_t>(&value))
        return "i:" + QString::number(*number);
    const auto& bytes = std::get<std::vector<std::uint8_t>>(value);
    return "b:" + QByteArray(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qsizetype>(bytes.size()))
                      .toHex();
}

std::optional<SettingValue> Decode(const QString& stored) {
    const QString body = stored.mid(2);
    if (stored.startsWith("s:"))
        return FromQt(body);
    if (stored.startsWith("i:")) {
        bool ok = false;
        const int number = body.toInt(&ok);
        return ok ? std::optional<SettingValue>(static_cast<std::int32_t>(number)) : std::nullopt;
    }
    if (stored.startsWith("b:")) {
        const QByteArray bytes = QByteArray::fromHex(body.toLatin1());
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    }
    return std::nullopt;
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Orvanta"),
                                            QStringLiteral("Vellumar 4"))) {}

QtSettingsStore::QtSettingsStore(const QString& file)
    : settings_(std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

bool QtSettingsStore::KeyExists(const std::string& key) const {
    return settings_->contains(Group(key) + "/" + kExists);
}

void QtSettingsStore::CreateKey(const std::string& key) {
    if (!KeyExists(key))
        settings_->setValue(Group(key) + "/" + kExists, true);
}

std::optional<SettingValue> QtSettingsStore::Read(const std::string& key,
                                                  const std::string& name) const {
    const QString path = Group(key) + "/" + ToQt(name);
    if (!settings_->contains(path))
        return std::nullopt;
    return Decode(settings_->value(path).toString());
}

bool QtSettingsStore::Write(const std::string& key, const std::string& name,
                            const SettingValue& value) {
    CreateKey(key);
    const QString group = Group(key);
    QStringList order = settings_->value(group + "/" + kOrder).toStringList();
    if (!order.contains(ToQt(name))) {
        order.append(ToQt(name));
        settings_->setValue(group + "/" + kOrder, order);
    }
    settings_->setValue(group + "/" + ToQt(name), Encode(value));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

void QtSettingsStore::DeleteValue(const std::string& key, const std::string& name) {
    const QString group = Group(key);
    QStringList order = settings_->value(group + "/" + kOrder).toStringList();
    order.removeAll(ToQt(name));
    settings_->setValue(group + "/" + kOrder, order);
    settings_->remove(group + "/" + ToQt(name));
    settings_->sync();
}

std::vector<std::string> QtSettingsStore::ValueNames(const std::string& key) const {
    std::vector<std::string> names;
    for (const QString& name : settings_->value(Group(key) + "/" + kOrder).toStringList())
        names.push_back(FromQt(name));
    return names;
}

} // namespace vlm
