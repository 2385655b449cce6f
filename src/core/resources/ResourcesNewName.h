#pragma once
// Names of files imported into a course's resources folder.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

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

// A file of the resources folder renamed because cp1250 cannot hold its name.
struct TRenamedResource {
    std::filesystem::path from; // the file as it was found
    std::string to;             // its new name (cp1250, ASCII in fact)
};

// Renames every file of `folder` whose name cp1250 cannot hold (such a file
// would be registered under a name with "?" that names no file) to the name
// an import gives it: letters with diacritics made plain, other characters
// "_", a number added when the name is taken. Files that cannot be renamed
// stay as they are and are not listed.
std::vector<TRenamedResource> RenameFilesCp1250CannotName(const std::filesystem::path& folder);

} // namespace vlm
