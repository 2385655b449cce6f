#include "export/ZipPackage.h"

#include "common/RunFolderMark.h"

#include <zip.h>

#include <algorithm>
#include <array>
#include <vector>

namespace vlm {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 24> kStored = {
    "jpg", "jpeg", "png", "gif",  "mp3",  "mp4", "m4a", "m4v", "zip", "gz",  "7z",  "rar",
    "ogg", "oga",  "ogv", "webm", "webp", "avi", "mov", "flv", "swf", "wma", "wmv", "docx"};

struct Entry {
    std::string name; // relative, "/" separators, folders ending in "/"
    fs::path file;    // empty for folders
};

// Every folder and file below root, named `prefix` + its relative path.
bool Collect(const fs::path& root, std::vector<Entry>& out, std::string& error,
             const std::string& prefix = {}) {
    std::error_code ec;
    fs::recursive_directory_iterator it(root, fs::directory_options::none, ec), end;
    if (ec) {
        error = ec.message();
        return false;
    }
    for (; it != end; it.increment(ec)) {
        if (ec) {
            error = ec.message();
            return false;
        }
        const fs::file_status status = it->symlink_status(ec);
        const std::string name = prefix + it->path().lexically_relative(root).generic_string();
        if (name == kRunFolderMarkName) // the working folder's, not the package's
            continue;
        if (fs::is_directory(status))
            out.push_back({name + "/", {}});
        else if (fs::is_regular_file(status))
            out.push_back({name, it->path()});
    }
    return true;
}

// Sorted names keep the archive the same from run to run; a packed folder's
// entries win over the working folder's of the same names.
bool CollectAll(const fs::path& root, const std::vector<TPackedFolder>& folders,
                std::vector<Entry>& out, std::string& error) {
    std::vector<Entry> packed;
    for (const TPackedFolder& f : folders) {
        packed.push_back({f.name + "/", {}});
        std::error_code ec;
        if (fs::is_directory(f.folder, ec) && !Collect(f.folder, packed, error, f.name + "/"))
            return false;
    }
    if (!Collect(root, out, error))
        return false;
    const auto byName = [](const Entry& a, const Entry& b) { return a.name < b.name; };
    std::stable_sort(packed.begin(), packed.end(), byName);
    std::sort(out.begin(), out.end(), byName);
    std::vector<Entry> merged;
    merged.reserve(out.size() + packed.size());
    std::size_t i = 0, k = 0;
    while (i < out.size() || k < packed.size()) {
        if (k == packed.size() || (i < out.size() && out[i].name < packed[k].name)) {
            merged.push_back(std::move(out[i++]));
            continue;
        }
        if (i < out.size() && out[i].name == packed[k].name)
            ++i;
        merged.push_back(std::move(packed[k++]));
    }
    out = std::move(merged);
    return true;
}

std::string Reason(zip_t* zip) {
    const char* text = zip_strerror(zip);
    return text ? text : "unknown archiver error";
}

} // namespace

bool IsStoredExtension(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    std::string ext(fileName.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    });
    return std::find(kStored.begin(), kStored.end(), ext) != kStored.end();
}

bool PackFolder(const fs::path& root, const fs::path& archive, std::string* error, bool replace,
                const std::vector<TPackedFolder>& folders) {
    std::string reason;
    const auto fail = [&](std::string text) {
        if (error)
            *error = std::move(text);
        return false;
    };
    std::vector<Entry> entries;
    if (!CollectAll(root, folders, entries, reason))
        return fail(reason);
    int code = 0;
    // Truncated, never removed first: the archiver writes a temporary file
    // beside the archive and puts it over the old one only when it is whole.
    zip_t* zip = zip_open(archive.c_str(), replace ? ZIP_CREATE | ZIP_TRUNCATE : ZIP_CREATE, &code);
    if (!zip) {
        zip_error_t e;
        zip_error_init_with_code(&e, code);
        reason = zip_error_strerror(&e);
        zip_error_fini(&e);
        return fail(reason);
    }
    // zip_name_locate leaves "no such file" in the archive's error for a
    // missing name, so each step's own result decides.
    bool added = true;
    for (const Entry& entry : entries) {
        if (entry.file.empty()) {
            if (zip_name_locate(zip, entry.name.c_str(), 0) < 0 &&
                zip_dir_add(zip, entry.name.c_str(), ZIP_FL_ENC_UTF_8) < 0) {
                added = false;
                break;
            }
            continue;
        }
        zip_source_t* source = zip_source_file(zip, entry.file.c_str(), 0, -1);
        const zip_int64_t index = source ? zip_file_add(zip, entry.name.c_str(), source,
                                                        ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8)
                                         : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            added = false;
            break;
        }
        if (IsStoredExtension(entry.name) &&
            zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) < 0) {
            added = false;
            break;
        }
    }
    if (!added) {
        reason = Reason(zip);
        zip_discard(zip);
        return fail(reason);
    }
    if (zip_close(zip) < 0) {
        reason = Reason(zip);
        zip_discard(zip);
        return fail(reason);
    }
    return true;
}

} // namespace vlm
