#include "project/Project.h"

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "common/AsciiText.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/StringRoutines.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace vlm {

namespace {

constexpr const char* kVellumar = "[VELLUMAR]";
constexpr const char* kCourseTitle = "[COURSE_TITLE]";
constexpr const char* kCourseVersion = "[COURSE_VERSION]";
constexpr const char* kVersion = "[VERSION]";
constexpr const char* kCourseResolution = "[COURSE_RESOLUTION]";
constexpr const char* kExportLexicon = "[EXPORT_LEXICON]";
constexpr const char* kCourseDesc = "[COURSE_DESC]";
constexpr const char* kCourseTree = "[COURSE_TREE]";
constexpr const char* kEmptyMarker = "__itsEmpty";
constexpr const char* kCrLf = "\r\n";

// Every one of these must stand on a line of its own somewhere in the file.
constexpr std::array<const char*, 7> kRequiredHeaders = {
    kVellumar, kVersion, kCourseTitle, kCourseVersion, kCourseResolution, kCourseDesc, kCourseTree};

constexpr std::array<const char*, 8> kAllHeaders = {kVellumar,   kCourseTitle,      kCourseVersion,
                                                    kVersion,    kCourseResolution, kExportLexicon,
                                                    kCourseDesc, kCourseTree};

// A malformed value inside the guarded part of the reader.
struct BadValue {};

// Format with the one string argument the messages take: every "%s" is the
// argument, "%%" a percent sign; anything else stays as it is.
std::string FormatWithArg(const std::string& pattern, const std::string& arg) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            if (pattern[i + 1] == 's') {
                out += arg;
                ++i;
                continue;
            }
            if (pattern[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

// File names on disk are UTF-8; messages are cp1250 text.
std::string PathText(const std::filesystem::path& path) {
    return PathToCp1250(path);
}

int ParseInt(const std::string& text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+' && begin + 1 != end && begin[1] != '-')
        ++begin;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (begin == end || ec != std::errc() || ptr != end)
        throw BadValue{};
    return value;
}

bool ParseBool(const std::string& text) {
    if (SameTextAscii(text, "true"))
        return true;
    if (SameTextAscii(text, "false"))
        return false;
    return ParseInt(text) != 0;
}

std::string Required(const std::vector<std::string>& lines, const char* header) {
    std::string value = TProject::ReadSection(lines, header);
    if (value.empty())
        throw BadValue{};
    return value;
}

bool IsHeader(const std::string& line) {
    return std::any_of(kAllHeaders.begin(), kAllHeaders.end(),
                       [&](const char* h) { return line == h; });
}

// A value must stay on its one line: line breaks would shift every line that
// follows, so they become spaces.
std::string OneLine(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            ++i;
        out += (value[i] == '\r' || value[i] == '\n') ? ' ' : value[i];
    }
    return out;
}

// A value line in front of the tree that equals a header would be taken for
// that header on reading (and make the file unreadable), so it gets a space.
std::string NotAHeader(std::string line) {
    if (IsHeader(line))
        line += ' ';
    return line;
}

// The description keeps its own line breaks; only lines that would read as
// a header are changed.
std::string DescriptionLines(const std::string& text) {
    std::string out;
    std::size_t pos = 0;
    while (true) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        out +=
            NotAHeader(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
        if (end == std::string::npos)
            break;
        std::size_t next = end + 1;
        if (text[end] == '\r' && next < text.size() && text[next] == '\n')
            ++next;
        out.append(text, end, next - end);
        pos = next;
    }
    return out;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

TProject::TProject(UserPrompt& prompt) : prompt_(prompt) {}

void TProject::Clear() {
    Loaded = false;
    Version.clear();
    Title.clear();
    CourseVersion.clear();
    Resolution = 0;
    Description.clear();
    ExportLexicon = 0;
    Items.clear();
    Folder.clear();
    FileName.clear();
}

TProjectItem& TProject::AddItem() {
    Items.push_back(std::make_unique<TProjectItem>());
    return *Items.back();
}

TProjectItem& TProject::GetItem(int index) {
    if (index < 0 || index >= ItemCount())
        throw std::out_of_range("TProject::GetItem: index " + std::to_string(index));
    return *Items[static_cast<std::size_t>(index)];
}

const TProjectItem& TProject::GetItem(int index) const {
    return const_cast<TProject*>(this)->GetItem(index);
}

int TProject::MaxItemId() const {
    int max = 0;
    for (const auto& item : Items)
        max = std::max(max, item->Id);
    return max;
}

TProjectItem* TProject::FindByPosition(int position) const {
    for (const auto& item : Items)
        if (item->Position == position)
            return item.get();
    return nullptr;
}

bool TProject::HasChildItems(int position) const {
    return std::any_of(Items.begin(), Items.end(),
                       [&](const auto& item) { return item->ParentPosition == position; });
}

void TProject::AssignItems(std::span<const TProjectItem* const> items) {
    // Copy first: the given items may be the ones about to be freed.
    std::vector<std::unique_ptr<TProjectItem>> copies;
    copies.reserve(items.size());
    for (const TProjectItem* item : items) {
        if (!item)
            throw std::invalid_argument("TProject::AssignItems: null item");
        copies.push_back(std::make_unique<TProjectItem>());
        copies.back()->Assign(*item);
    }
    Items = std::move(copies);
}

std::string TProject::ReadSection(const std::vector<std::string>& lines,
                                  const std::string& header) {
    const auto first = std::find(lines.begin(), lines.end(), header);
    if (header != kCourseDesc) {
        if (first == lines.end())
            return {};
        if (first + 1 == lines.end())
            throw ETProjectError("Header " + header + " on the last line");
        return *(first + 1);
    }
    std::string text;
    if (first != lines.end())
        for (auto it = first + 1; it != lines.end() && *it != kCourseTree; ++it)
            text += *it + kCrLf;
    // Cut the line breaks and blanks after the body; the body's own
    // characters, punctuation included, stay.
    while (!text.empty() && IsBlank(text.back()))
        text.pop_back();
    return text.empty() ? kEmptyMarker : text;
}

void TProject::Fail(const std::string& key, const std::filesystem::path& path) {
    prompt_.ShowMessage(FormatWithArg(LangText(key), PathText(path)));
    throw Abort();
}

void TProject::LoadFromFile(const std::filesystem::path& path) {
    Clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        Fail("ERROR_FILE_NOT_FOUND", path);
    FileName = path;
    Folder = path.parent_path() / "";
    Loaded = true;
    // A file that cannot be read gives no lines and fails the header check.
    const std::vector<std::string> lines = ReadLines(path);

    for (const char* header : kRequiredHeaders)
        if (std::find(lines.begin(), lines.end(), header) == lines.end())
            Fail("ERROR_MESSAGE_NOT_CORRECT_VELLUMAR_FILE", path);
    if (lines.front() != kVellumar)
        Fail("ERROR_MESSAGE_NOT_CORRECT_VELLUMAR_FILE", path);

    try {
        ReadContent(lines);
    } catch (const BadValue&) {
        Clear();
        Fail("ERROR_MESSAGE_NOT_CORRECT_VELLUMAR_FILE", path);
    } catch (const ETProjectError&) {
        Clear();
        Fail("ERROR_MESSAGE_NOT_CORRECT_VELLUMAR_FILE", path);
    }
    std::stable_sort(Items.begin(), Items.end(),
                     [](const auto& a, const auto& b) { return a->Position < b->Position; });
}

void TProject::ReadContent(const std::vector<std::string>& lines) {
    Version = Required(lines, kVersion);
    if (Version == kReloadedVersion)
        return;
    Version = "1.0";
    Title = Required(lines, kCourseTitle);
    CourseVersion = Required(lines, kCourseVersion);
    Resolution = ParseInt(Required(lines, kCourseResolution));
    ExportLexicon = ParseInt(Required(lines, kExportLexicon));
    Description = ReadSection(lines, kCourseDesc);
    if (Description == kEmptyMarker)
        Description.clear();

    const std::size_t tree = static_cast<std::size_t>(
        std::find(lines.begin(), lines.end(), kCourseTree) - lines.begin());
    // One stray line after the last item is ignored; more than one but fewer
    // than eight is a truncated item.
    for (std::size_t o = tree + 1; o + 1 < lines.size(); o += 8) {
        if (o + 7 >= lines.size())
            throw BadValue{};
        TProjectItem& item = AddItem();
        item.Name = lines[o];
        item.Position = ParseInt(lines[o + 1]);
        item.Id = ParseInt(lines[o + 2]);
        item.ParentPosition = ParseInt(lines[o + 3]);
        item.IsLeaf = ParseBool(lines[o + 4]);
        item.Address = lines[o + 5];
        item.Stamp = lines[o + 6];
        item.PageType = ParseInt(lines[o + 7]);
    }
}

std::string TProject::ToText() const {
    std::string out;
    const auto line = [&](const std::string& text) {
        out += text;
        out += kCrLf;
    };
    line(kVellumar);
    line(kCourseTitle);
    line(NotAHeader(OneLine(Title)));
    line(kCourseVersion);
    line(NotAHeader(OneLine(CourseVersion)));
    line(kVersion);
    line(NotAHeader(OneLine(Version)));
    line(kCourseResolution);
    line(std::to_string(Resolution));
    line(kExportLexicon);
    line(std::to_string(ExportLexicon));
    line(kCourseDesc);
    line(DescriptionLines(Description));
    line(kCourseTree);
    for (const auto& item : Items) {
        line(OneLine(item->Name));
        line(std::to_string(item->Position));
        line(std::to_string(item->Id));
        line(std::to_string(item->ParentPosition));
        line(item->IsLeaf ? "true" : "false");
        line(OneLine(item->Address));
        line(OneLine(item->Stamp));
        line(std::to_string(item->PageType));
    }
    return out;
}

void TProject::SaveToFile(const std::filesystem::path& path, bool allowCreate) {
    std::error_code ec;
    const bool exists = std::filesystem::is_regular_file(path, ec);
    if (!exists && !allowCreate) {
        prompt_.MessageBox({},
                           FormatWithArg(LangText("ERROR_MESSAGE_FILE_NOT_EXISTS"), PathText(path)),
                           DialogType::Error, kButtonsOK);
        throw Abort();
    }
    // Write through a link to the file it names, and keep a read-only file
    // read-only: the rename would otherwise replace either without asking.
    std::filesystem::path target = path;
    std::filesystem::perms perms = std::filesystem::perms::unknown;
    if (exists) {
        target = std::filesystem::canonical(path, ec);
        if (ec)
            target = path;
        perms = std::filesystem::status(target, ec).permissions();
        if ((perms & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
            throw ETProjectError("The project file is read-only: " + PathText(path));
    }
    if (!WriteFileAtomic(target, ToText()))
        throw ETProjectError("The project file could not be written: " + PathText(path));
    if (exists)
        std::filesystem::permissions(target, perms, ec);
}

} // namespace vlm
