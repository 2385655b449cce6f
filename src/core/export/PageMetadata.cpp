#include "export/PageMetadata.h"

#include "common/StringTools.h"
#include "export/ManifestText.h"

namespace vlm {

namespace {

class Lines {
public:
    Lines& operator()(int indent, const std::string& text) {
        list_.push_back(Tabs(indent) + text);
        return *this;
    }
    void Append(const StringList& more) { list_.insert(list_.end(), more.begin(), more.end()); }
    StringList Take() { return std::move(list_); }

private:
    StringList list_;
};

std::string LangString(const std::string& lang, const std::string& text) {
    return "<langstring xml:lang=" + Quoted(lang) + ">" + text + "</langstring>";
}

// The head of a namespaced lom element, as the per-page and type files open it.
void LomHead(Lines& out) {
    out(0, "<lom xmlns=" + Quoted(kNsImsMd));
    out(0, "xmlns:xsi=" + Quoted(kNsXsi));
    out(0, "xsi:schemaLocation=" + Quoted(DefaultSchemaLocation()) + ">");
}

void GeneralHead(Lines& out, const std::string& title, const std::string& description,
                 const std::string& language) {
    out(1, "<general>");
    out(2, "<title>");
    out(3, LangString(language, title));
    out(2, "</title>");
    out(2, "<language>" + language + "</language>");
    out(2, "<description>");
    out(3, LangString(language, description));
    out(2, "</description>");
    out(2, "<structure>");
    out(2, "</structure>");
    out(2, "<aggregationlevel>");
    out(2, "</aggregationlevel>");
}

void Tail(Lines& out) {
    out(1, "<lifecycle>");
    out(1, "</lifecycle>");
    out(1, "<technical>");
    out(1, "</technical>");
    out(0, "</lom>");
}

} // namespace

StringList LomLines(const TProject& project, const std::string& language,
                    TManifestVariant variant) {
    Lines out;
    const bool lms = variant == TManifestVariant::Scorm;
    if (lms)
        out(0, "<?xml version=" + Quoted("1.0") + " encoding=" + Quoted("UTF-8") + "?>");
    out(0, "<lom>");
    const auto text = lms ? XmlText : HtmlEscape;
    GeneralHead(out, text(project.Title), text(project.Description), language);
    out(1, "</general>");
    Tail(out);
    return out.Take();
}

StringList RelationLines(const TPageLink& link, const std::string& language) {
    Lines out;
    out(2, "<relation>");
    out(3, "<kind>");
    out(4, "<vocabulary>");
    out(5, "<value>");
    out(6, LangString(language, "References"));
    out(5, "</value>");
    out(4, "</vocabulary>");
    out(3, "</kind>");
    out(2, "<resource>");
    out(3, "<identifier>" + HtmlEscape(link.Target) + "</identifier>");
    out(3, "<description>");
    // The description is escaped like the other texts, so a "&" in it cannot
    // break the file.
    out(4, LangString(language, HtmlEscape(link.Name) + " (" + HtmlEscape(link.Description) + ")"));
    out(3, "</description>");
    out(2, "</resource>");
    out(2, "</relation>");
    return out.Take();
}

StringList EducationalLines(const std::string& pageType) {
    Lines out;
    out(1, "   <educational>");
    out(1, "      <learningresourcetype>");
    out(1, "         <source>");
    out(1, "            " + LangString("x-none", "LOMv1.0"));
    out(1, "         </source>");
    out(1, "         <value>");
    out(1, "            " + LangString("x-none", HtmlEscape(pageType)));
    out(1, "         </value>");
    out(1, "      </learningresourcetype>");
    out(1, "   </educational>");
    return out.Take();
}

StringList PageMetadataLines(const std::string& itemName, const std::string& courseDescription,
                             const TPageFacts& facts, const std::string& language) {
    Lines out;
    out(0, "<?xml version=" + Quoted("1.0") + " encoding=" + Quoted("UTF-8") + "?>");
    LomHead(out);
    GeneralHead(out, UrlEncode(itemName), UrlEncode(courseDescription), language);
    for (const TPageLink& link : facts.Links)
        out.Append(RelationLines(link, language));
    out(1, "</general>");
    if (facts.Readable && !facts.Type.empty())
        out.Append(EducationalLines(facts.Type));
    Tail(out);
    return out.Take();
}

StringList ExamTypeLines(const std::string& language) {
    Lines out;
    out(0, "<?xml version=" + Quoted("1.0") + "?>");
    LomHead(out);
    out(1, "<general>");
    out(2, "<language>" + language + "</language>");
    out(2, "<type>Exam</type>");
    out(1, "</general>");
    out(0, "</lom>");
    return out.Take();
}

} // namespace vlm
