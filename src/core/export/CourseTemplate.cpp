#include "export/CourseTemplate.h"

#include "app/IniLang.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/FilesTools.h"
#include "common/StringTools.h"
#include "common/charConverter.h"
#include "export/JpegFile.h"
#include "page/ClassDefinitions.h"
#include "page/ElementFiles.h"
#include "page/janXMLTree.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <system_error>

namespace vlm {

namespace {

constexpr int kShotWidth = 800;
constexpr int kShotHeight = 600;

StringList Block(const StringList& lines, const char* start, const char* end) {
    return ExtractLinesBetween(lines, start, end).value_or(StringList());
}

void Append(StringList& to, const StringList& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

std::string Date(const DateTime& now) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", now.day, now.month, now.year);
    return text;
}

// Elements with a name get every property of their class and its ancestors
// that they lack or hold empty, so values left at the defaults are listed.
void CompleteFromClasses(TjanXMLNode& document, const TjanXMLNode& definitions) {
    const TjanXMLNode* classes = DefinitionsDocument(definitions);
    if (!classes)
        return;
    for (const auto& element : document.Children()) {
        if (!element->FindAttribute("name"))
            continue;
        const TjanXMLNode* cls = nullptr;
        for (const auto& c : classes->Children())
            if (c->Name() == "class" && c->GetAttributeText("name") == element->Name()) {
                cls = c.get();
                break;
            }
        if (!cls)
            continue;
        const auto defaults = ResolveClass(definitions, *cls);
        for (const auto& attribute : defaults->Attributes()) {
            TjanXMLAttribute* present = element->FindAttribute(attribute->Name);
            if (!present)
                element->AddAttribute(attribute->Name, attribute->Value);
            else if (present->Value.empty())
                present->Value = attribute->Value;
        }
    }
}

} // namespace

std::string ScreenshotField(int number, std::string_view jpeg) {
    std::string result = "{\\f1 }";
    if (!jpeg.empty()) {
        // The field's last result is the picture itself: readers that do not
        // update linked pictures show it too, 10 twips a pixel, so that a
        // page's heading and picture share a sheet.
        result = "{\\pict\\jpegblip\\picw" + std::to_string(kShotWidth) + "\\pich" +
                 std::to_string(kShotHeight) + "\\picwgoal" + std::to_string(kShotWidth * 10) +
                 "\\pichgoal" + std::to_string(kShotHeight * 10) + "\r\n";
        const std::string hex = TextToHex(jpeg);
        for (std::size_t at = 0; at < hex.size(); at += 128)
            result += hex.substr(at, 128) + "\r\n";
        result += "}";
    }
    return "\\par }{\\field{\\*\\fldinst {\\f1  INCLUDEPICTURE \"images/" + std::to_string(number) +
           ".jpg\" \\\\* MERGEFORMAT \\\\d }}{\\fldrslt " + result + "}}{\\f1 ";
}

std::string RtfPath(const std::string& path) {
    std::string out;
    for (char ch : path) {
        if (ch == '\\' || ch == '/')
            out += "\\\\";
        else if (ch == '{' || ch == '}')
            out += std::string("\\") + ch;
        else
            out += ch;
    }
    return out;
}

namespace {

void AppendRtfByte(std::string& out, char ch) {
    if (ch == '\\' || ch == '{' || ch == '}')
        out += '\\';
    out += ch;
}

// The code point of a character entity at `at` ("&...;"), and its length.
std::optional<std::pair<std::uint32_t, std::size_t>> EntityAt(std::string_view text,
                                                              std::size_t at) {
    static constexpr std::pair<std::string_view, std::uint32_t> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};
    const std::size_t semi = text.find(';', at + 1);
    if (semi == std::string_view::npos || semi - at > 10)
        return std::nullopt;
    const std::string_view name = text.substr(at + 1, semi - at - 1);
    const std::size_t length = semi - at + 1;
    if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        std::uint32_t cp = 0;
        if (digits.empty())
            return std::nullopt;
        for (char c : digits) {
            int d = -1;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            if (d < 0)
                return std::nullopt;
            cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
            if (cp > 0x10FFFF)
                return std::nullopt;
        }
        return std::pair{cp, length};
    }
    for (const auto& [known, cp] : kNamed)
        if (name == known)
            return std::pair{cp, length};
    return std::nullopt;
}

std::string Utf8Of(std::uint32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

// RTF's Unicode escape: a signed 16-bit number, "?" for readers without it.
void AppendRtfUnicode(std::string& out, std::uint32_t cp) {
    const auto unit = [&out](std::uint32_t u) {
        out +=
            "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(u))) + "?";
    };
    if (cp >= 0x10000) {
        cp -= 0x10000;
        unit(0xD800 + (cp >> 10));
        unit(0xDC00 + (cp & 0x3FF));
    } else {
        unit(cp);
    }
}

} // namespace

std::string RtfText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto entity = text[i] == '&' ? EntityAt(text, i) : std::nullopt;
        if (!entity) {
            AppendRtfByte(out, text[i]);
            continue;
        }
        const auto [cp, length] = *entity;
        i += length - 1;
        if (cp < 0x80) {
            AppendRtfByte(out, static_cast<char>(cp));
            continue;
        }
        const std::string byte = Utf8ToCp1250(Utf8Of(cp));
        if (byte.size() == 1 && byte != "?")
            out += byte;
        else
            AppendRtfUnicode(out, cp);
    }
    return out;
}

TCourseTemplate::TCourseTemplate(const TProject& project, const TCoursePaths& course,
                                 const TjanXMLNode* definitions, UserPrompt& prompt,
                                 Progress& progress, const Clock& clock)
    : project_(project), course_(course), definitions_(definitions), prompt_(prompt),
      progress_(progress), clock_(clock) {
    // The first item of a position stands for it, as FindByPosition finds it.
    for (const auto& item : project_.Items)
        byPosition_.emplace(item->Position, item.get());
}

void TCourseTemplate::LoadTemplates(const std::filesystem::path& rtfFile,
                                    const std::filesystem::path& iniFile) {
    ini_ = TIniFile::Load(iniFile);
    blocks_ = {};
    const StringList lines = ReadLines(rtfFile);
    if (lines.empty())
        return;
    blocks_.Header = Block(lines, "", "REPORT_TEMPLATES_BEGIN");
    blocks_.Footer = Block(lines, "REPORT_TEMPLATES_END", "");
    blocks_.Page = Block(lines, "PAGEINFO_BEGIN", "PAGEINFO_END");
    blocks_.ElementType = Block(lines, "ELEMENT_TYPE_HEADER_BEGIN", "ELEMENT_TYPE_HEADER_END");
    blocks_.Element = Block(lines, "ELEMENT_BEGIN", "ELEMENT_END");
    blocks_.Property = Block(lines, "ELEMENT_PROPERTY_BEGIN", "ELEMENT_PROPERTY_END");
}

std::string TCourseTemplate::ChapterPath(const TProjectItem& item) const {
    constexpr int kMaxLevels = 32;
    std::vector<const std::string*> names{&item.Name};
    // Parents stand before their children, so positions fall and the chain
    // ends; a line per page a deep tree long would make the report grow
    // with the square of its depth.
    const TProjectItem* at = &item;
    bool cut = false;
    while (at->ParentPosition > 0 && at->ParentPosition < at->Position) {
        const auto found = byPosition_.find(at->ParentPosition);
        at = found != byPosition_.end() ? found->second : nullptr;
        if (!at)
            break;
        if (static_cast<int>(names.size()) == kMaxLevels) {
            cut = true;
            break;
        }
        names.push_back(&at->Name);
    }
    std::string path = cut ? ".../" : "";
    for (auto it = names.rbegin(); it != names.rend(); ++it)
        path += **it + (std::next(it) == names.rend() ? "" : "/");
    return path;
}

StringList TCourseTemplate::ElementTypeBlock(const std::string& section,
                                             const TjanXMLNode& document,
                                             const std::string& pageFolder) {
    StringList typeBlock = blocks_.ElementType;
    ReplaceFirstInLines(typeBlock, "*[ELEMENT_TYPE]*", RtfText(section));
    bool printed = false;
    StringList elements;
    for (const auto& element : document.Children()) {
        if (element->Name() != section)
            continue;
        StringList elementBlock = blocks_.Element;
        StringList properties;
        for (const auto& [key, flag] : ini_->SectionValues(section)) {
            if (flag != "1")
                continue;
            printed = true;
            std::string value = EntitiesToText(element->GetAttributeText(key));
            if (value.empty())
                continue;
            // The value as plain text (its form encoding and tags gone), then
            // in RTF's own escaping: the block around it is RTF already.
            value = key == "src" ? RtfPath(ResolveElementMediaPath(*element, pageFolder, ""))
                                 : RtfText(HtmlTextToPlain(value));
            StringList property = blocks_.Property;
            ReplaceFirstInLines(property, "*[ELEMENT_PROPERTY_NAME]*", RtfText(key));
            ReplaceFirstInLines(property, "*[ELEMENT_PROPERTY_VALUE]*", value);
            Append(properties, property);
        }
        if (printed) {
            ReplaceMarkerWithLines(elementBlock, "*[ELEMENT_PROPERTY_LIST]*", properties);
            Append(elements, elementBlock);
        }
    }
    if (!printed)
        return {};
    ReplaceMarkerWithLines(typeBlock, "*[ELEMENTS]*", elements);
    return typeBlock;
}

StringList TCourseTemplate::PageBlock(const TProjectItem& item,
                                      const std::filesystem::path& pageFile) {
    StringList block = blocks_.Page;
    ReplaceFirstInLines(block, "*[PAGE_NAME]*", RtfText(item.Name));
    ReplaceFirstInLines(block, "*[PAGE_CHAPTER]*", RtfText(ChapterPath(item)));
    StringList types;
    try {
        TjanXMLTree tree;
        tree.LoadFromFile(pageFile);
        TjanXMLNode* document = tree.FindDescendant("document");
        if (!document)
            throw EFOpenError("No page document");
        if (definitions_)
            CompleteFromClasses(*document, *definitions_);
        const std::string pageFolder = PathToCp1250(pageFile.parent_path()) + "/";
        if (ini_)
            for (const std::string& section : ini_->Sections())
                Append(types, ElementTypeBlock(section, *document, pageFolder));
    } catch (const std::exception&) {
        prompt_.MessageBox(
            {}, LangText("ERROR_PROJECT_FILE_002") + "\"" + PathToCp1250(pageFile) + "\"",
            DialogType::Error, kButtonsOK);
        return block;
    }
    ReplaceMarkerWithLines(block, "*[ELEMENTS]*", types);
    return block;
}

std::string TCourseTemplate::Screenshot(const std::filesystem::path& pageFile, int number,
                                        const std::filesystem::path& reportFolder,
                                        const TPageShot& shot) {
    if (!shot)
        return {};
    const std::optional<TRgbBitmap> bitmap = shot(pageFile);
    if (!bitmap || bitmap->Width != kShotWidth || bitmap->Height != kShotHeight)
        return {};
    const auto file = reportFolder / "images" / (std::to_string(number) + ".jpg");
    const std::optional<std::string> jpeg = EncodeJpeg(*bitmap);
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    if (!jpeg || !WriteFileBytes(file, *jpeg))
        return {};
    return ScreenshotField(number, *jpeg);
}

StringList TCourseTemplate::Build(const std::filesystem::path& reportFolder,
                                  const TPageShot& shot) {
    StringList out = blocks_.Header;
    ReplaceFirstInLines(out, "*[COURSE_NAME]*", RtfText(project_.Title));
    ReplaceFirstInLines(out, "*[DATE]*", Date(clock_.Now()));
    ReplaceFirstInLines(out, "*[COURSE_PATH]*", RtfPath(PathToCp1250(project_.Folder)));
    progress_.SetMin(0);
    progress_.SetMax(project_.ItemCount());
    int counter = 0;
    for (int position = 0; position <= project_.ItemCount(); ++position) {
        progress_.SetPosition(position);
        const auto found = byPosition_.find(position);
        if (found == byPosition_.end())
            continue;
        const TProjectItem* item = found->second;
        StringList block;
        std::string picture;
        if (item->PageType == ptContent) {
            const auto pageFile = course_.PageFile(item->Id);
            std::error_code ec;
            if (!std::filesystem::is_regular_file(pageFile, ec))
                continue;
            block = PageBlock(*item, pageFile);
            picture = Screenshot(pageFile, counter, reportFolder, shot);
        } else {
            block = blocks_.Page;
            ReplaceFirstInLines(block, "*[PAGE_NAME]*", RtfText(item->Name));
            ReplaceFirstInLines(block, "*[PAGE_CHAPTER]*", RtfText(ChapterPath(*item)));
            ReplaceFirstInLines(block, "*[ELEMENTS]*", RtfText(item->Address));
        }
        ++counter;
        ReplaceFirstInLines(block, "*[PAGE_NO]*", std::to_string(counter));
        ReplaceFirstInLines(block, "*[SCREENSHOT]*", picture);
        Append(out, block);
    }
    Append(out, blocks_.Footer);
    progress_.Close();
    return out;
}

} // namespace vlm
