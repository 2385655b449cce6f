#pragma once
// Names of files imported into a course's resources folder.

#include <filesystem>
#include <optional>
#include <string>

namespace vlm {

// The name with every byte outside "+-._", digits and ASCII letters replaced:
// cp1250 letters with diacritics become their plain letter, anything else "_".
std::string ResourceFileName(const std::string& name);

// The name proposed when the normalised name of `name` is already taken in
// `folder`: normalised base and extension with 1, 2, ... between them until no
// file of that name exists (the bare normalised name when it is free), then
// every byte but ASCII letters, digits, space, "." and "_" turned into "_".
// Existence ignores case, as the register does.
std::string ProposeResourceNewName(const std::filesystem::path& folder, const std::string& name);

// The file an import under `name` writes: the folder + ResourceFileName(name);
// none when the normalised name is not a file name ("", "." or "..").
std::optional<std::filesystem::path> ResourceImportTarget(const std::filesystem::path& folder,
                                                          const std::string& name);

} // namespace vlm
