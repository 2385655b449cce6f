// What the exported pages of a course hold, read from the real exports: the
// exam package keeps its correct answers out of the pages, and every target
// fills what an element lacks with its class default.

#include "CliTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// The fixture's page has one element of every question class, with these answers.
struct Question {
    std::string className, answer;
};
const std::vector<Question> kQuestions = {
    {"input", "Vistula7"},   {"combo", "Poznan7"},      {"list", "Gdansk7"},
    {"trackbar", "417-423"}, {"DDElement", "basketQ7"}, {"checkbox", "Yes"},
    {"radiobutton", "TRUE"},
};

// The shipped classes that define a correct answer.
std::set<std::string> QuestionClasses() {
    std::set<std::string> out;
    for (const auto& entry : fs::directory_iterator(fs::path(VLM_DATA_DIR) / "components")) {
        const fs::path definition = entry.path() / "definition.xml";
        if (fs::is_regular_file(definition) &&
            ReadAll(definition).find("name=\"correctAnswer\"") != std::string::npos)
            out.insert(entry.path().filename().string());
    }
    return out;
}

// The manifests and metadata are UTF-16 LE; their ASCII reads as bytes without the zeros.
std::string Narrow(std::string bytes) {
    std::erase(bytes, '\0');
    return bytes;
}

// The part of a page script from `start` to the end of its call.
std::string Record(const std::string& page, const std::string& start) {
    const std::size_t at = page.find(start);
    if (at == std::string::npos)
        return "(no " + start + ")";
    return page.substr(at, page.find("});", at) - at);
}

class CliExportedPages : public ::testing::Test {
protected:
    void SetUp() override { box.CopyCourse("questions"); }

    // The exported page of the fixture's exercise, from a folder or a package.
    std::string Page(const std::string& target) const {
        const CliRun run = box.Run({"export", target, "questions.vlmproject", "-o", target});
        EXPECT_EQ(run.code, 0) << target << ": " << run.err;
        const std::string entry = "pages/p00002/_page.html";
        if (fs::is_directory(box.work / target))
            return ReadAll(box.work / target / entry);
        return ReadZip(box.work / (target + ".zip"))[entry];
    }

    CliSandbox box;
};

TEST_F(CliExportedPages, ExamPagesHoldNoCorrectAnswerWhileTheManifestKeepsThem) {
    std::set<std::string> covered;
    for (const Question& q : kQuestions)
        covered.insert(q.className);
    ASSERT_EQ(covered, QuestionClasses()) << "the fixture needs an element of every question class";

    const std::string serverPage = Page("server");
    ASSERT_EQ(box.Run({"export", "exam", "questions.vlmproject", "-o", "exam.zip"}).code, 0);
    const std::map<std::string, std::string> exam = ReadZip(box.work / "exam.zip");
    ASSERT_TRUE(exam.contains("pages/p00002/_page.html"));
    const std::string manifest = Narrow(exam.at("imsmanifest.xml"));
    for (const Question& q : kQuestions) {
        // The server package shows where each answer would be.
        EXPECT_THAT(serverPage, HasSubstr("correctAnswer: \"" + q.answer + "\"")) << q.className;
        EXPECT_THAT(manifest, HasSubstr(q.answer + "#|#")) << q.className;
        // Found where nothing should be, the position says where to look.
        for (const auto& [name, bytes] : exam) {
            if (!name.starts_with("pages/p"))
                continue;
            EXPECT_EQ(Narrow(bytes).find(q.answer), std::string::npos)
                << q.className << " in " << name;
        }
        // The question itself is still there for the learner to answer.
        EXPECT_THAT(exam.at("pages/p00002/_page.html"),
                    HasSubstr("VLMObject.create(\"" + q.className + "\""));
    }
}

// The popup has no "visibility", the page record neither "name" nor "height".
TEST_F(CliExportedPages, WhatAnElementLacksIsItsClassDefaultInEveryTarget) {
    for (const std::string target : {"offline", "aicc", "scorm", "server", "exam"}) {
        const std::string page = Page(target);
        EXPECT_THAT(Record(page, "VLMObject.create(\"popup\""), HasSubstr("visibility: \"hidden\""))
            << target;
        const std::string record = Record(page, "page.configure(");
        EXPECT_THAT(record, HasSubstr("name: \"page\"")) << target;
        EXPECT_THAT(record, HasSubstr("height: \"550\"")) << target;
    }
}

} // namespace
} // namespace vlm::test
