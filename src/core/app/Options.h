#pragma once
// A typed option list kept in the settings store; every assignment of a
// value notifies the option's handler.

#include "app/SettingsStore.h"

#include <compare>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>

namespace vlm {

// Fixed point with four decimals, stored as value * 10000.
struct TCurrency {
    std::int64_t scaled = 0;
    auto operator<=>(const TCurrency&) const = default;
};
// Days since 1899-12-30, the fraction being the time of day.
struct TDate {
    double days = 0;
    auto operator<=>(const TDate&) const = default;
};

using TOptionValue = std::variant<std::int32_t, double, TCurrency, TDate, bool, std::string>;

struct TOption;
using TOptionChange = std::function<void(const TOption&)>;

struct TOption {
    std::string Name;
    TOptionValue Value;
    TOptionChange OnChange;

    // Assigns the value and notifies.
    void Assign(const TOptionValue& value);
};

// The error of adding an option twice.
class EOptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Equal numbers compare equal across their types (40 and 40.0); a boolean
// equals only a boolean, a string only a string.
bool SameOptionValue(const TOptionValue& a, const TOptionValue& b);

class TOptions {
public:
    TOptions(SettingsStore& store, std::string regKey);
    // Writes the options back to the store.
    ~TOptions();
    TOptions(const TOptions&) = delete;
    TOptions& operator=(const TOptions&) = delete;

    // The new option; throws EOptionError when the name exists.
    TOption& AddOption(const std::string& name, const TOptionValue& defaultValue,
                       TOptionChange onChange = {});
    // The value, or an empty string when there is no such option.
    TOptionValue GetOption(const std::string& name) const;
    // Assigns (and notifies) only when the option exists and the value differs.
    void SetOption(const std::string& name, const TOptionValue& value);

    // Reads every option whose value exists, with the type of its current
    // value; values of another type are skipped. Nothing when the key is missing.
    void LoadOptions();
    // Writes every option with the type of its value (creating the key).
    void SaveOptions();

    const std::string& RegKey() const { return regKey_; }
    const std::deque<TOption>& Items() const { return items_; }

private:
    TOption* Find(const std::string& name);
    const TOption* Find(const std::string& name) const;

    SettingsStore& store_;
    std::string regKey_;
    std::deque<TOption> items_; // stable references for AddOption's result
};

// An option's value as an integer (numbers are truncated) or a boolean;
// `def` for a value of another kind.
std::int32_t OptionInteger(const TOptionValue& value, std::int32_t def = 0);
bool OptionBoolean(const TOptionValue& value, bool def = false);

// The store's form of a value: integers and booleans as 32-bit integers,
// strings as strings, the other types as their eight bytes.
SettingValue ToSettingValue(const TOptionValue& value);
// A stored value read as the type of `like`; nothing when its type differs.
std::optional<TOptionValue> FromSettingValue(const SettingValue& stored, const TOptionValue& like);

} // namespace vlm
