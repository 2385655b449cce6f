#include "export/ImsManifest.h"

#include "common/Encoding.h"
#include "common/StringRoutines.h"
#include "export/AnswerStrip.h"
#include "export/ItemUrl.h"
#include "export/ManifestText.h"
#include "export/PageMetadata.h"
#include "export/UnicodeText.h"
#include "project/CoursePaths.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace vlm {

namespace {

std::vector<const TProjectItem*> SortedItems(const TProject& project) {
    std::vector<const TProjectItem*> items;
    for (const auto& item : project.Items)
        items.push_back(item.get());
    std::stable_sort(items.begin(), items.end(),
                     [](const auto* a, const auto* b) { return a->Position < b->Position; });
    return items;
}

std::string FirstLine(TManifestVariant variant) {
    switch (variant) {
    case TManifestVariant::Server:
        return "<?xml version=" + Quoted("1.0") + "?>";
    case TManifestVariant::Exam:
        return "<?xml version=" + Quoted("1.0") + " encoding=" + Quoted("UTF-8") + "?>";
    case TManifestVariant::Scorm:
        break;
    }
    return "<?xml version=" + Quoted("1.0") + " encoding=" + Quoted("UTF-8") + "?>";
}

// Element text: the UTF-16 files keep the HTML escaping; the SCORM package's
// UTF-8 manifest escapes as little as XML allows (see XmlText).
std::string ElementText(TManifestVariant variant, const std::string& text) {
    return variant == TManifestVariant::Scorm ? XmlText(text) : HtmlEscape(text);
}

std::string AttributeText(TManifestVariant variant, const std::string& text) {
    return variant == TManifestVariant::Scorm ? XmlAttribute(text) : HtmlEscape(text);
}

} // namespace

TImsManifest::TImsManifest(const TProject& project, std::filesystem::path courseDir,
                           UserPrompt& prompt, std::string language)
    : project_(project), courseDir_(std::move(courseDir)), prompt_(prompt),
      language_(std::move(language)) {
    std::set<std::string> taken;
    for (const TProjectItem* item : SortedItems(project_)) {
        const std::string parent = std::to_string(item->ParentPosition);
        const std::string own = std::to_string(item->Position);
        std::string ref = "r" + parent + own;
        if (taken.count(ref))
            ref = "r" + parent + "_" + own;
        taken.insert(ref);
        refs_.emplace(item->Position, ref);
        // Children stand after their parent in position order; anything else
        // (a parent of its own, a cycle) is not a child.
        if (item->ParentPosition > 0 && item->ParentPosition < item->Position)
            children_[item->ParentPosition].push_back(item);
    }
}

std::vector<const TProjectItem*> TImsManifest::ChildrenOf(const TProjectItem& item) const {
    const auto it = children_.find(item.Position);
    return it == children_.end() ? std::vector<const TProjectItem*>{} : it->second;
}

bool TImsManifest::PageExists(const TProjectItem& item) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(TCoursePaths{courseDir_, {}, {}}.PageFile(item.Id), ec);
}

bool TImsManifest::HasContent(const TProjectItem& item) const {
    if (item.PageType == ptContent)
        return PageExists(item);
    return item.PageType == ptURLLink && !item.Address.empty();
}

const TPageFacts& TImsManifest::Facts(const TProjectItem& item) {
    auto it = facts_.find(item.Position);
    if (it == facts_.end()) {
        const auto file = TCoursePaths{courseDir_, {}, {}}.PageFile(item.Id);
        it = facts_.emplace(item.Position, ReadPageFacts(file, prompt_)).first;
    }
    return it->second;
}

void TImsManifest::ScoreLines(StringList& out, const TProjectItem& item, int indent) {
    const TPageFacts& facts = Facts(item);
    const bool exercise = facts.Type == "Exercise";
    std::string score = Tabs(indent);
    if (exercise && !facts.MasteryScore.empty())
        // Escaped: an answer holding "&" or "<" would leave the manifest unreadable.
        score += "<adlcp:masteryscore>" + HtmlEscape(facts.MasteryScore) +
                 "</adlcp:masteryscore>\n\r" + "<adlcp:datafromlms>" + HtmlEscape(facts.Answers) +
                 "</adlcp:datafromlms>";
    out.push_back(score);
    out.push_back(Tabs(indent) + "<groups>" + (exercise ? HtmlEscape(facts.Groups) : "") +
                  "</groups>");
}

void TImsManifest::ItemLines(StringList& out, const TProjectItem& root, int rootIndent,
                             bool rootIsRoot, TManifestVariant variant) {
    // A stack instead of recursion: a course tree thousands of levels deep
    // must not exhaust the call stack.
    struct Frame {
        const TProjectItem* item;
        int indent;
        std::vector<const TProjectItem*> children;
        std::size_t next = 0;
    };
    std::vector<Frame> stack;
    const auto open = [&](const TProjectItem& item, int indent, bool isRoot) {
        std::vector<const TProjectItem*> children = ChildrenOf(item);
        const bool chapter = !children.empty();
        std::string line =
            Tabs(indent) + "<item identifier=" + Quoted(AttributeText(variant, item.Stamp));
        if (!chapter || HasContent(item))
            line += " identifierref=" + Quoted(Ref(item));
        out.push_back(line + ">");
        const int titleIndent = isRoot ? (chapter ? 3 : 4) : (chapter ? indent + 1 : indent);
        out.push_back(Tabs(titleIndent) + "<title>" + ElementText(variant, item.Name) +
                      "</title>");
        if (variant != TManifestVariant::Scorm)
            ScoreLines(out, item, indent);
        stack.push_back({&item, indent, std::move(children)});
    };
    open(root, rootIndent, rootIsRoot);
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.children.size()) {
            const TProjectItem* child = top.children[top.next++];
            open(*child, top.indent + 1, false);
            continue;
        }
        out.push_back(Tabs(top.indent) + "</item>");
        stack.pop_back();
    }
}

void TImsManifest::PageFiles(const TProjectItem& item, TManifestVariant variant,
                             const std::filesystem::path& root) {
    const std::string url = PageUrl(item);
    if (variant == TManifestVariant::Exam)
        StripAnswersInPage(root / PathFromStoredText(url));
    std::string meta = RemoveExtension(url) + ".xml";
    std::replace(meta.begin(), meta.end(), '\\', '/');
    if (meta.find("http://") != std::string::npos)
        return;
    const std::filesystem::path file = root / PathFromStoredText(meta);
    // A page without a document has no exported folder; its metadata goes there all the same.
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    WriteUnicodeText(file,
                     PageMetadataLines(item.Name, project_.Description, Facts(item), language_));
}

void TImsManifest::ResourceLines(StringList& out, TManifestVariant variant,
                                 const std::filesystem::path* root) {
    for (const TProjectItem* item : SortedItems(project_)) {
        if (!ChildrenOf(*item).empty() && !HasContent(*item))
            continue;
        const std::string address = ItemUrl(*item);
        const char* kind = item->PageType == ptContent ? "sco" : "asset";
        out.push_back(Tabs(2) + "<resource identifier=" + Quoted(Ref(*item)) +
                      " type=" + Quoted("webcontent") + " adlcp:scormtype=" + Quoted(kind) +
                      " href=" + Quoted(address) + ">");
        out.push_back(Tabs(3) + "<file href=" + Quoted(address) + " />");
        out.push_back(Tabs(2) + "</resource>");
        if (root && item->PageType == ptContent && variant != TManifestVariant::Scorm)
            PageFiles(*item, variant, *root);
    }
}

StringList TImsManifest::ManifestLines(TManifestVariant variant, const std::string& schemaLocation,
                                       const std::filesystem::path* root) {
    StringList out;
    out.push_back(FirstLine(variant));
    out.push_back("<manifest identifier=" + Quoted("MANIFEST0"));
    out.push_back("xmlns=" + Quoted(kNsImsCp));
    out.push_back("xmlns:adlcp=" + Quoted(kNsAdlCp));
    out.push_back("xmlns:xsi=" + Quoted(kNsXsi));
    out.push_back("xsi:schemaLocation=" + Quoted(AttributeText(variant, schemaLocation)) + ">");
    out.push_back(Tabs(1) + "<organizations default=" + Quoted("t001") + ">");
    out.push_back(Tabs(2) + "<organization identifier=" + Quoted("t001") + ">");
    // An LMS lists the course under its organization's title.
    if (variant == TManifestVariant::Scorm)
        out.push_back(Tabs(3) + "<title>" + XmlText(project_.Title) + "</title>");
    for (const TProjectItem* item : SortedItems(project_))
        if (item->ParentPosition == 0) {
            ItemLines(out, *item, 3, true, variant);
            break;
        }
    out.push_back(Tabs(3) + "<metadata>");
    out.push_back(Tabs(4) + "<schema>ADL SCORM</schema>");
    out.push_back(Tabs(4) + "<schemaversion>1.2</schemaversion>");
    // The location element belongs to the ADL namespace; unprefixed it is not valid.
    out.push_back(Tabs(4) + "<adlcp:location>lom.xml</adlcp:location>");
    out.push_back(Tabs(3) + "</metadata>");
    out.push_back(Tabs(2) + "</organization>");
    out.push_back(Tabs(1) + "</organizations>");
    out.push_back(Tabs(1) + "<resources>");
    ResourceLines(out, variant, root);
    out.push_back(Tabs(1) + "</resources>");
    out.push_back("</manifest>");
    return out;
}

void TImsManifest::WriteLom(const std::filesystem::path&, const std::filesystem::path& file) {
    WriteUnicodeText(file, LomLines(project_, language_, TManifestVariant::Server));
}

void TImsManifest::WriteScormLom(const std::filesystem::path&, const std::filesystem::path& file) {
    WriteUtf8Text(file, LomLines(project_, language_, TManifestVariant::Scorm));
}

void TImsManifest::WriteServerManifest(const std::filesystem::path& root,
                                       const std::filesystem::path& file) {
    WriteUnicodeText(file, ManifestLines(TManifestVariant::Server, DefaultSchemaLocation(), &root));
}

void TImsManifest::WriteExamManifest(const std::filesystem::path& root,
                                     const std::filesystem::path& file) {
    WriteUnicodeText(file, ManifestLines(TManifestVariant::Exam, DefaultSchemaLocation(), &root));
}

void TImsManifest::WriteScormManifest(const std::filesystem::path& root,
                                      const std::filesystem::path& file,
                                      const std::string& schemaLocation,
                                      const std::string& urlPath) {
    (void)NormalizeUrlPath(urlPath); // kept for the wizard's history only; no line uses it
    WriteUtf8Text(file, ManifestLines(TManifestVariant::Scorm, schemaLocation, &root));
}

void TImsManifest::WriteExamTypeFile(const std::filesystem::path& folder,
                                     const std::string& name) const {
    WriteUnicodeText(folder / PathFromCp1250(name), ExamTypeLines(language_));
}

std::string TImsManifest::NormalizeUrlPath(const std::string& path) {
    std::string out = path;
    if (out.empty() || out.back() != '/')
        out += '/';
    if (out.find("http://") == std::string::npos)
        out = "http://" + out;
    return out;
}

} // namespace vlm
