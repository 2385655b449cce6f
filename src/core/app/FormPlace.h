#pragma once
// A window's placement kept in the settings store: the GUI reads its window
// into TPlacement, and applies the restored one.

#include "app/SettingsStore.h"

#include <cstdint>
#include <string>

namespace vlm {

enum class TWindowState : std::int32_t { Normal = 0, Minimized = 1, Maximized = 2 };

struct TPlacement {
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    TWindowState WindowState = TWindowState::Normal;
    bool operator==(const TPlacement&) const = default;
};

class TFormPlace {
public:
    TFormPlace(SettingsStore& store, std::string regKey)
        : store_(store), regKey_(std::move(regKey)) {}

    // Writes "_left", "_top", "_width", "_height" and "_windowstate"; for a
    // maximised window the caller passes its maximised bounds.
    void SavePlacement(const TPlacement& window);
    // The window's placement with every stored value put in place of the
    // current one (the key is created when missing; values of another type
    // or an unknown window state are skipped). The GUI applies the result in
    // the order: window state, left, width, height, top.
    TPlacement RestorePlacement(const TPlacement& current);

    const std::string& RegKey() const { return regKey_; }

private:
    SettingsStore& store_;
    std::string regKey_;
};

} // namespace vlm
