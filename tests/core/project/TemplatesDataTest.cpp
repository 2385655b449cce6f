// Checks the shipped course and page templates: every course template is a
// readable project whose page folders exist, every XML file is in the
// writer's layout, and pages use only classes of the component library and
// media that ship beside them; the report profiles hold their blocks and
// list only properties the classes have.
#include "common/IniFile.h"
#include "page/janXMLTree.h"
#include "project/Project.h"
#include "resources/FileDigest.h"

#include "fakes/Fakes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using vlm::TjanXMLNode;
using vlm::TjanXMLTree;

namespace {

const fs::path kDataDir = VLM_DATA_DIR;
const char* const kLanguages[] = {"PL", "EN", "DE", "FR"};

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Reads an XML file and checks that writing it back gives the same bytes.
void LoadWriterLayout(const fs::path& file, TjanXMLTree& tree) {
    tree.LoadFromFile(file);
    EXPECT_EQ(tree.AsText(), ReadAll(file)) << file;
}

std::vector<fs::path> CourseTemplates() {
    std::vector<fs::path> folders;
    for (const char* lang : kLanguages)
        for (const auto& entry : fs::directory_iterator(kDataDir / "templates_project" / lang))
            if (entry.is_directory())
                folders.push_back(entry.path());
    return folders;
}

// The page's elements are of known classes and their media lie in `resources`.
void CheckPage(const fs::path& file, const fs::path& resources) {
    TjanXMLTree tree;
    LoadWriterLayout(file, tree);
    const TjanXMLNode* document = tree.FindDescendant("document");
    ASSERT_NE(document, nullptr) << file;
    EXPECT_NE(document->FindChild("info"), nullptr) << file;
    EXPECT_NE(document->FindChild("page"), nullptr) << file;
    for (const auto& element : document->Children()) {
        if (element->Name() == "info" || element->Name() == "page")
            continue;
        EXPECT_TRUE(fs::exists(kDataDir / "components" / element->Name() / "definition.xml"))
            << file << ": unknown class " << element->Name();
        for (const char* attribute : {"src", "buttonSrc", "poster"}) {
            const std::string value = element->GetAttributeText(attribute);
            const std::string prefix = "..\\resources\\";
            if (value.rfind(prefix, 0) == 0) {
                EXPECT_TRUE(fs::exists(resources / value.substr(prefix.size())))
                    << file << ": " << value;
            }
        }
    }
}

} // namespace

TEST(TemplatesData, EveryLanguageHasItsCourseTemplates) {
    for (const char* lang : kLanguages) {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(kDataDir / "templates_project" / lang))
            count += entry.is_directory();
        EXPECT_GE(count, 3) << lang;
    }
}

TEST(TemplatesData, CourseTemplatesAreReadableProjectsWithTheirPages) {
    for (const fs::path& folder : CourseTemplates()) {
        TjanXMLTree info;
        LoadWriterLayout(folder / "info.xml", info);
        const TjanXMLNode* caption = info.FindDescendant("caption");
        ASSERT_NE(caption, nullptr) << folder;
        EXPECT_FALSE(caption->Text().empty()) << folder;

        const fs::path file = folder / "data.vlmproject";
        const std::string bytes = ReadAll(file);
        EXPECT_EQ(bytes.rfind("[VELLUMAR]\r\n", 0), 0u) << file;
        vlm::test::FakeUserPrompt prompt;
        vlm::TProject project(prompt);
        ASSERT_NO_THROW(project.LoadFromFile(file)) << file;
        EXPECT_TRUE(prompt.calls.empty()) << file;
        EXPECT_EQ(project.ToText(), bytes) << file; // byte for byte the writer's form
        ASSERT_GE(project.ItemCount(), 2) << file;

        const fs::path data = folder / "data";
        // The register names every media file with its size and digest.
        TjanXMLTree register_;
        LoadWriterLayout(data / "resources.xml", register_);
        const TjanXMLNode* resources = register_.FindDescendant("resources");
        ASSERT_NE(resources, nullptr) << folder;
        EXPECT_EQ(resources->GetAttributeText("version"), "1.0");
        size_t files = 0;
        for (const auto& entry : fs::directory_iterator(data / "resources"))
            files += entry.is_regular_file();
        EXPECT_EQ(resources->ChildCount(), files) << folder;
        for (const auto& resource : resources->Children()) {
            const fs::path media = data / "resources" / resource->GetAttributeText("fileName");
            std::string digest;
            EXPECT_TRUE(vlm::FileDigest(media, digest)) << media;
            EXPECT_EQ(resource->GetAttributeText("hash"), digest) << media;
            EXPECT_EQ(resource->GetAttributeText("fileSize"), std::to_string(fs::file_size(media)))
                << media;
        }
        for (const auto& item : project.Items) {
            char page[8];
            std::snprintf(page, sizeof page, "p%05d", item->Id);
            if (item->PageType == vlm::ptContent)
                CheckPage(data / page / "_page.xmp", data / "resources");
        }
    }
}

TEST(TemplatesData, PageTemplatesNameThemselvesInEveryLanguage) {
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kDataDir / "templates_page")) {
        if (entry.path().extension() != ".xmt")
            continue;
        ++count;
        CheckPage(entry.path(), entry.path().parent_path() / "resources");
        TjanXMLTree tree;
        tree.LoadFromFile(entry.path());
        const TjanXMLNode* info = tree.FindDescendant("info");
        ASSERT_NE(info, nullptr) << entry.path();
        for (const char* node : {"caption", "description", "group"}) {
            std::set<std::string> languages;
            for (const auto& child : info->Children())
                if (child->Name() == node && !child->Text().empty())
                    languages.insert(child->GetAttributeText("lang"));
            EXPECT_EQ(languages.size(), 4u) << entry.path() << " " << node;
        }
    }
    EXPECT_GE(count, 9);
}

namespace {

// Braces of an RTF text balance (escaped ones aside) and never close more than they open.
bool BracesBalance(const std::string& rtf) {
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\')
            ++i;
        else if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}' && --depth < 0)
            return false;
    }
    return depth == 0;
}

std::vector<fs::path> ReportProfiles() {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::recursive_directory_iterator(kDataDir / "exports" / "Scenario"))
        if (entry.path().filename() == "info.xml")
            folders.push_back(entry.path().parent_path());
    return folders;
}

} // namespace

TEST(TemplatesData, ReportProfilesHoldEveryMarkerAndMacro) {
    const std::vector<fs::path> profiles = ReportProfiles();
    ASSERT_GE(profiles.size(), 2u);
    // One default profile per report language, which a course in that language gets.
    std::map<std::string, int> defaults;
    for (const fs::path& folder : profiles) {
        TjanXMLTree info;
        LoadWriterLayout(folder / "info.xml", info);
        const TjanXMLNode* node = info.FindDescendant("info");
        ASSERT_NE(node, nullptr) << folder;
        const std::string language = node->GetAttributeText("language");
        EXPECT_EQ(language, folder.filename().string()) << folder;
        defaults[language] += node->GetAttributeText("default") == "true";
        std::set<std::string> languages;
        for (const auto& child : node->Children())
            if (child->Name() == "caption" && !child->Text().empty())
                languages.insert(child->GetAttributeText("lang"));
        EXPECT_EQ(languages.size(), 4u) << folder;

        const std::string rtf = ReadAll(folder / "report.rtf");
        EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u) << folder;
        EXPECT_TRUE(BracesBalance(rtf)) << folder;
        size_t at = 0;
        for (const char* marker : {"REPORT_TEMPLATES_BEGIN", "PAGEINFO_BEGIN", "PAGEINFO_END",
                                   "ELEMENT_TYPE_HEADER_BEGIN", "ELEMENT_TYPE_HEADER_END",
                                   "ELEMENT_BEGIN", "ELEMENT_END", "ELEMENT_PROPERTY_BEGIN",
                                   "ELEMENT_PROPERTY_END", "REPORT_TEMPLATES_END"}) {
            at = rtf.find(std::string("\r\n") + marker + "\r\n", at);
            EXPECT_NE(at, std::string::npos)
                << folder << ": " << marker << " missing or out of order";
        }
        for (const char* macro :
             {"*[COURSE_NAME]*", "*[DATE]*", "*[COURSE_PATH]*", "*[PAGE_NAME]*", "*[PAGE_CHAPTER]*",
              "*[PAGE_NO]*", "*[ELEMENTS]*", "*[ELEMENT_TYPE]*", "*[ELEMENT_PROPERTY_LIST]*",
              "*[ELEMENT_PROPERTY_NAME]*", "*[ELEMENT_PROPERTY_VALUE]*"})
            EXPECT_NE(rtf.find(macro), std::string::npos) << folder << ": " << macro;

        // Every listed class and property exists in the component library.
        const auto ini = vlm::TIniFile::Load(folder / "report.ini");
        ASSERT_TRUE(ini.has_value()) << folder;
        for (const std::string& cls : ini->Sections()) {
            TjanXMLTree definition;
            ASSERT_NO_THROW(
                definition.LoadFromFile(kDataDir / "components" / cls / "definition.xml"))
                << folder << ": " << cls;
            const TjanXMLNode* classNode = definition.FindDescendant("class");
            ASSERT_NE(classNode, nullptr) << cls;
            for (const auto& [property, value] : ini->SectionValues(cls)) {
                EXPECT_EQ(value, "1") << cls << "." << property;
                EXPECT_NE(classNode->FindChildByAttribute("name", property), nullptr)
                    << folder << ": " << cls << "." << property;
            }
        }
    }
    EXPECT_EQ(defaults, (std::map<std::string, int>{{"DE", 1}, {"EN", 1}, {"FR", 1}, {"PL", 1}}));
}
