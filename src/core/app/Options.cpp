#include "app/Options.h"

#include <cstring>
#include <optional>

namespace vlm {

void TOption::Assign(const TOptionValue& value) {
    Value = value;
    if (OnChange)
        OnChange(*this);
}

namespace {
std::optional<double> AsNumber(const TOptionValue& v) {
    switch (v.index()) {
    case 0:
        return std::get<std::int32_t>(v);
    case 1:
        return std::get<double>(v);
    case 2:
        return static_cast<double>(std::get<TCurrency>(v).scaled) / 10000.0;
    case 3:
        return std::get<TDate>(v).days;
    default:
        return std::nullopt; // booleans and strings only equal their own kind
    }
}

template <class T> std::vector<std::uint8_t> Bytes(const T& v) {
    std::vector<std::uint8_t> b(sizeof v);
    std::memcpy(b.data(), &v, sizeof v);
    return b;
}

template <class T> std::optional<T> FromBytes(const SettingValue& s) {
    const auto* b = std::get_if<std::vector<std::uint8_t>>(&s);
    if (!b || b->size() != sizeof(T))
        return std::nullopt;
    T v;
    std::memcpy(&v, b->data(), sizeof v);
    return v;
}
} // namespace

bool SameOptionValue(const TOptionValue& a, const TOptionValue& b) {
    if (a.index() == b.index())
        return a == b;
    const auto x = AsNumber(a), y = AsNumber(b);
    return x && y && *x == *y;
}

TOptions::TOptions(SettingsStore& store, std::string regKey)
    : store_(store), regKey_(std::move(regKey)) {}

TOptions::~TOptions() {
    try {
        SaveOptions();
    } catch (...) {
        // Settings that cannot be written are lost, the program still ends.
    }
}

TOption* TOptions::Find(const std::string& name) {
    for (auto& o : items_)
        if (o.Name == name)
            return &o;
    return nullptr;
}

const TOption* TOptions::Find(const std::string& name) const {
    for (const auto& o : items_)
        if (o.Name == name)
            return &o;
    return nullptr;
}

TOption& TOptions::AddOption(const std::string& name, const TOptionValue& defaultValue,
                             TOptionChange onChange) {
    if (Find(name))
        throw EOptionError("Dodawana pozycja " + name + " do opcji ju\xBF istnieje !");
    items_.push_back({name, defaultValue, std::move(onChange)});
    return items_.back();
}

TOptionValue TOptions::GetOption(const std::string& name) const {
    if (const TOption* o = Find(name))
        return o->Value;
    return std::string{};
}

void TOptions::SetOption(const std::string& name, const TOptionValue& value) {
    TOption* o = Find(name);
    if (o && !SameOptionValue(o->Value, value))
        o->Assign(value);
}

std::int32_t OptionInteger(const TOptionValue& value, std::int32_t def) {
    if (const auto* i = std::get_if<std::int32_t>(&value))
        return *i;
    const auto n = AsNumber(value);
    if (!n || !(*n > -2147483649.0 && *n < 2147483648.0))
        return def;
    return static_cast<std::int32_t>(*n);
}

bool OptionBoolean(const TOptionValue& value, bool def) {
    if (const auto* b = std::get_if<bool>(&value))
        return *b;
    return def;
}

SettingValue ToSettingValue(const TOptionValue& value) {
    switch (value.index()) {
    case 0:
        return std::get<std::int32_t>(value);
    case 1:
        return Bytes(std::get<double>(value));
    case 2:
        return Bytes(std::get<TCurrency>(value).scaled);
    case 3:
        return Bytes(std::get<TDate>(value).days);
    case 4:
        return std::int32_t{std::get<bool>(value) ? 1 : 0};
    default:
        return std::get<std::string>(value);
    }
}

std::optional<TOptionValue> FromSettingValue(const SettingValue& stored, const TOptionValue& like) {
    switch (like.index()) {
    case 0:
        if (const auto* i = std::get_if<std::int32_t>(&stored))
            return TOptionValue{*i};
        return std::nullopt;
    case 1:
        if (const auto d = FromBytes<double>(stored))
            return TOptionValue{*d};
        return std::nullopt;
    case 2:
        if (const auto c = FromBytes<std::int64_t>(stored))
            return TOptionValue{TCurrency{*c}};
        return std::nullopt;
    case 3:
        if (const auto d = FromBytes<double>(stored))
            return TOptionValue{TDate{*d}};
        return std::nullopt;
    case 4:
        if (const auto* i = std::get_if<std::int32_t>(&stored))
            return TOptionValue{*i != 0};
        return std::nullopt;
    default:
        if (const auto* s = std::get_if<std::string>(&stored))
            return TOptionValue{*s};
        return std::nullopt;
    }
}

void TOptions::LoadOptions() {
    if (!store_.KeyExists(regKey_))
        return;
    for (auto& o : items_) {
        const auto stored = store_.Read(regKey_, o.Name);
        if (!stored)
            continue;
        if (const auto value = FromSettingValue(*stored, o.Value))
            o.Assign(*value);
    }
}

void TOptions::SaveOptions() {
    store_.CreateKey(regKey_);
    for (const auto& o : items_)
        store_.Write(regKey_, o.Name, ToSettingValue(o.Value));
}

} // namespace vlm
