#include "app/FormPlace.h"

#include <optional>

namespace vlm {

void TFormPlace::SavePlacement(const TPlacement& w) {
    store_.Write(regKey_, "_left", w.Left);
    store_.Write(regKey_, "_top", w.Top);
    store_.Write(regKey_, "_width", w.Width);
    store_.Write(regKey_, "_height", w.Height);
    store_.Write(regKey_, "_windowstate", static_cast<std::int32_t>(w.WindowState));
}

TPlacement TFormPlace::RestorePlacement(const TPlacement& current) {
    if (!store_.KeyExists(regKey_))
        store_.CreateKey(regKey_);
    auto read = [&](const char* name) -> std::optional<std::int32_t> {
        const auto v = store_.Read(regKey_, name);
        if (const auto* i = v ? std::get_if<std::int32_t>(&*v) : nullptr)
            return *i;
        return std::nullopt;
    };
    TPlacement p = current;
    if (const auto s = read("_windowstate"); s && *s >= 0 && *s <= 2)
        p.WindowState = static_cast<TWindowState>(*s);
    if (const auto v = read("_left"))
        p.Left = *v;
    if (const auto v = read("_width"))
        p.Width = *v;
    if (const auto v = read("_height"))
        p.Height = *v;
    if (const auto v = read("_top"))
        p.Top = *v;
    return p;
}

} // namespace vlm
