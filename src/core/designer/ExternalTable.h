#pragma once
// The members a page script reaches through `window.external`, as a table
// of plain calls: a name and arguments in, a value out or a failure. The
// GUI's web bridge only marshals; every rule lives behind the table.
// Texts are cp1250 on this side of the bridge.

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vlm {

// A value crossing the bridge: scripts tell numbers, texts and null apart
// (ComponentProperty(0, ...) is not ComponentProperty("0", ...)).
struct TExternalValue {
    enum class Kind { Null, Text, Number, Boolean };
    Kind kind = Kind::Text;
    std::string text; // numbers and booleans as their decimal or "true"/"false" text

    static TExternalValue Text(std::string value) { return {Kind::Text, std::move(value)}; }
    static TExternalValue Number(long long value) { return {Kind::Number, std::to_string(value)}; }
    static TExternalValue Boolean(bool value) { return {Kind::Boolean, value ? "true" : "false"}; }
    static TExternalValue Null() { return {Kind::Null, {}}; }
    bool operator==(const TExternalValue&) const = default;
};

using TExternalArgs = std::vector<TExternalValue>;

// A failed call: the bridge throws a script Error with this message.
class EExternalCall : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TExternalTable {
public:
    using Member = std::function<TExternalValue(const TExternalArgs&)>;

    // A member taking `minArgs` to `maxArgs` arguments. Read-only
    // properties take none; a property with a write form takes one more.
    void Add(const std::string& name, std::size_t minArgs, std::size_t maxArgs, Member member);
    bool Has(const std::string& name) const { return members_.contains(name); }
    std::vector<std::string> Names() const;

    // Unknown members, a wrong argument count and every error of a member
    // become EExternalCall; a member never lets anything else through.
    TExternalValue Call(const std::string& name, const TExternalArgs& args) const;

private:
    struct Entry {
        std::size_t minArgs;
        std::size_t maxArgs;
        Member member;
    };
    std::map<std::string, Entry> members_;
};

// Helpers the tables share: a text argument (null reads as empty).
const std::string& ArgText(const TExternalArgs& args, std::size_t index);

} // namespace vlm
