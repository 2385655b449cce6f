#include "export/AICCRegFiles.h"

#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/StringRoutines.h"
#include "export/CourseWalk.h"
#include "page/janXMLTree.h"
#include "project/Project.h"

#include <charconv>
#include <cstdio>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace vlm {

namespace {

// One CSV line: every field quoted, quotes inside doubled.
std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i)
            line += ',';
        line += '"';
        for (char c : fields[i]) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
    }
    return line + "\r\n";
}

long long ScoreValue(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end ? value : 0;
}

const std::vector<std::string> kAuHeader = {
    "System_ID", "type",          "command_line", "Max_Time_Allowed", "time_limit_action",
    "Max_Score", "Mastery_Score", "File_name",    "Web_Launch"};

} // namespace

std::string AiccId(char letter, int position) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%c%.8d", letter, position);
    return buffer;
}

std::string CleanAiccTitle(const std::string& title) {
    std::string out = title;
    for (char& c : out)
        if (c == '"' || c == '\x94' || c == '\x84')
            c = '\'';
    return out;
}

std::string WithCrLfLines(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        out.append(text, start, end - start);
        out += "\r\n";
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return out;
}

TAICCRegFiles::TAICCRegFiles(const TProject& project, const TCoursePaths& course)
    : project_(project), course_(course) {}

std::string TAICCRegFiles::Mastery(int pageId) const {
    const fs::path file = course_.PageFile(pageId);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return {};
    try {
        TjanXMLTree tree;
        tree.LoadFromFile(file);
        const TjanXMLNode* document = tree.FindDescendant("document");
        const TjanXMLNode* page = document ? document->FindChild("page") : nullptr;
        if (!page || page->GetAttributeText("type") != "Exercise")
            return {};
        return page->GetAttributeText("masteryscore");
    } catch (const std::exception&) {
        return {}; // an unreadable page counts as no exercise
    }
}

void TAICCRegFiles::Build() {
    AUCount = 0;
    MemberMax = 0;
    BlockCount = 1;
    AuText = DesText = CstText = CrsText = IndexText = {};
    if (MultiSCO)
        BuildMulti();
    else
        BuildSingle();
    BuildCrs();
}

void TAICCRegFiles::BuildMulti() {
    const TCourseWalk walk(project_);
    const TWalkNode* root = walk.Root();
    std::string url = URL;
    if (!url.empty() && url.back() != '/')
        url += '/';
    std::string index = "var arrPageIndex = new Array(";
    AuText = CsvLine(kAuHeader);
    DesText = CsvLine({"system_id", "developer_id", "title"});
    std::string rootLine, blockLines;
    for (const TWalkNode* node : walk.PreOrder()) {
        const TProjectItem& item = *node->item;
        const bool leaf = node->children.empty();
        if (leaf && node != root) {
            index += std::to_string(item.Id) + ",";
            const std::string mastery = Mastery(item.Id);
            AuText +=
                CsvLine({AiccId('A', item.Position), "shared_directory", url + "index.html", "", "",
                         mastery, mastery, url + "index.html", "page=" + std::to_string(item.Id)});
            ++AUCount;
        }
        if (leaf)
            DesText += CsvLine({AiccId('A', item.Position), AiccId('A', item.Position),
                                CleanAiccTitle(item.Name)});
        else if (node != root) {
            DesText += CsvLine({AiccId('B', item.Position), AiccId('B', item.Position),
                                CleanAiccTitle(item.Name)});
            ++BlockCount;
        }
        if (leaf && node != root)
            continue;
        std::string line = node == root ? std::string() : '"' + AiccId('B', item.Position) + '"';
        for (const TWalkNode* child : node->children)
            line +=
                ",\"" + AiccId(child->children.empty() ? 'A' : 'B', child->item->Position) + '"';
        MemberMax = std::max(MemberMax, 1 + static_cast<int>(node->children.size()));
        if (node == root)
            rootLine = "\"root\"" + line + "\r\n";
        else
            blockLines += line + "\r\n";
    }
    IndexText = index + "0);";
    std::vector<std::string> header{"block"};
    header.insert(header.end(), static_cast<std::size_t>(MemberMax), "member");
    CstText = root ? CsvLine(header) + rootLine + blockLines : std::string();
}

void TAICCRegFiles::BuildSingle() {
    const TCourseWalk walk(project_);
    const TWalkNode* root = walk.Root();
    long long total = 0;
    for (const TWalkNode* node : walk.PreOrder())
        total += ScoreValue(Mastery(node->item->Id));
    const int position = root ? root->item->Position : 0;
    const std::string title = root ? CleanAiccTitle(root->item->Name) : std::string();
    AuText = CsvLine(kAuHeader) +
             CsvLine({AiccId('A', position), "shared_directory", "index.html", "", "",
                      std::to_string(total), std::to_string(total), "index.html", ""});
    AUCount = 1;
    std::string description;
    for (char c : project_.Description)
        if (c != '\n')
            description += c == '\r' ? ' ' : c;
    DesText = CsvLine({"system_id", "developer_id", "title", "Description"}) +
              CsvLine({AiccId('B', position), AiccId('B', position), title, description});
    BlockCount = 2;
    CstText = CsvLine({"block", "member"}) + CsvLine({"root", AiccId('B', position)});
    MemberMax = 1;
    IndexText.clear();
}

void TAICCRegFiles::BuildCrs() {
    CrsText = "[Course]\r\n"
              "Course_Creator = Orvanta Tesselor\r\n"
              "Course_ID = \r\n"
              "\r\n"
              "Course_System = Orvanta Tesselor VLMApi4\r\n"
              "Course_Title = " +
              project_.Title + "\r\nLevel = 1\r\nMax_Fields_CST = " + std::to_string(MemberMax) +
              "\r\nTotal_AUs = " + std::to_string(AUCount) +
              "\r\nTotal_Blocks = " + std::to_string(BlockCount) +
              "\r\nVersion = " + project_.CourseVersion +
              "\r\n\r\n[Course_Behavior]\r\nMax_Normal = 2\r\n\r\n[Course_Description]\r\n" +
              project_.Description;
}

bool TAICCRegFiles::Save(const fs::path& folder, const std::string& name,
                         fs::path* failedFile) const {
    const std::pair<std::string, const std::string*> files[] = {{name + ".au", &AuText},
                                                                {name + ".des", &DesText},
                                                                {name + ".cst", &CstText},
                                                                {name + ".crs", &CrsText},
                                                                {"leoindex.inc", &IndexText}};
    for (const auto& [file, text] : files) {
        const fs::path path = folder / PathFromCp1250(file);
        if (!WriteFileBytes(path, WithCrLfLines(*text))) {
            if (failedFile)
                *failedFile = path;
            return false;
        }
    }
    return true;
}

} // namespace vlm
