#include "resources/ResourceKinds.h"

#include "resources/ResourceFolder.h"

#include <algorithm>

namespace vlm {

namespace {

struct FilterRow {
    int mode;
    const char* mask;
    const char* description;
};

const FilterRow kFilters[] = {
    {1, "*.jpg", "JPEG Image File"},
    {1, "*.jpeg", "JPEG Image File"},
    {1, "*.gif", "CompuServe GIF Image"},
    {1, "*.png", "Portable Network Graphics"},
    {1, "*.bmp", "Bitmaps"},
    {2, "*.avi", "Pliki wideo AVI"},
    {2, "*.mpg", "Pliki wideo MPG"},
    {2, "*.mpge", "Pliki wideo MPGE"},
    {2, "*.wmv", "Pliki wideo WMV"},
    {3, "*.wav", "Pliki audio WAV"},
    {3, "*.wave", "Plik audio Wave"},
    {3, "*.mp3", "plik audio MP3"},
    {4, "*.html", "Dokumenty HTML"},
    {4, "*.htm", "Dokumenty HTML"},
    {5, "*.swf", "Dokumenty Macromedia Flash"},
    {6, "*.vtt", "Napisy WebVTT"},
};

} // namespace

const std::vector<TResourceKind>& ResourceKinds() {
    static const std::vector<TResourceKind> kinds = {
        {1, "image", "RESFORM_PICTURE", "configuration/Resources/previewImage.html"},
        {2, "video", "RESFORM_VIDEO", "configuration/Resources/previewVideo.html"},
        {3, "audio", "RESFORM_AUDIO", "configuration/Resources/previewAudio.html"},
        {4, "htmldoc", "RESFORM_HTMLDOC", ""},
        {5, "flash", "RESFORM_FLASH", "configuration/Resources/previewFlash.html"},
        {6, "captions", "RESFORM_CAPTIONS", ""},
    };
    return kinds;
}

int ModeOfKind(const std::string& kind) {
    const std::string lower = LowerName(kind);
    for (const auto& k : ResourceKinds())
        if (lower == k.kind)
            return k.mode;
    return 0;
}

TFileFilterList FileFiltersOfMode(int mode) {
    TFileFilterList list;
    for (const auto& row : kFilters)
        if (row.mode == mode)
            list.Add(row.mask, row.description);
    return list;
}

std::filesystem::path PreviewTemplateFile(const std::filesystem::path& programDir, int mode) {
    for (const auto& k : ResourceKinds())
        if (k.mode == mode && *k.previewTemplate)
            return programDir / std::filesystem::path(k.previewTemplate);
    return {};
}

bool MatchesMode(int mode, const std::string& fileName) {
    const std::string ext = LowerName(SplitExtension(fileName).second);
    if (ext.empty())
        return false;
    TFileFilterList filters = FileFiltersOfMode(mode);
    for (int i = 0; i < filters.Count(); ++i)
        if (SplitExtension(filters.Items(i).mask).second == ext)
            return true;
    return false;
}

std::vector<TResourceListEntry> ListResourcesOfMode(const std::filesystem::path& folder, int mode) {
    std::vector<TResourceListEntry> entries;
    for (const auto& file : ListFolderFiles(folder))
        if (MatchesMode(mode, file.name))
            entries.push_back({file.name, FileSizeOf(file.path).value_or(0)});
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    return entries;
}

} // namespace vlm
