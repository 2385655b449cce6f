#include "designer/ExternalTable.h"

namespace vlm {

void TExternalTable::Add(const std::string& name, std::size_t minArgs, std::size_t maxArgs,
                         Member member) {
    members_[name] = Entry{minArgs, maxArgs, std::move(member)};
}

std::vector<std::string> TExternalTable::Names() const {
    std::vector<std::string> names;
    for (const auto& [name, entry] : members_)
        names.push_back(name);
    return names;
}

TExternalValue TExternalTable::Call(const std::string& name, const TExternalArgs& args) const {
    const auto found = members_.find(name);
    if (found == members_.end())
        throw EExternalCall("Unknown member " + name);
    const Entry& entry = found->second;
    if (args.size() < entry.minArgs || args.size() > entry.maxArgs)
        throw EExternalCall("Wrong number of arguments for " + name);
    try {
        return entry.member(args);
    } catch (const EExternalCall&) {
        throw;
    } catch (const std::exception& e) {
        throw EExternalCall(e.what());
    }
}

const std::string& ArgText(const TExternalArgs& args, std::size_t index) {
    static const std::string empty;
    return index < args.size() ? args[index].text : empty;
}

} // namespace vlm
