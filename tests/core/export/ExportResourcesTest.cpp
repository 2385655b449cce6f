#include "export/ExportResources.h"

#include "ExportTestSupport.h"

using namespace vlm;
using namespace vlm::test;

namespace {

struct MediaRun : ExportCourse {
    explicit MediaRun(const std::string& name) : ExportCourse(name) {
        for (const char* file : {"a.mp3", "b.wav", "CLIP.AVI", "d.mpge", "e.wmv", "pic.jpg",
                                 "page.html", "movie.swf", ".hidden.mp3"})
            EXPECT_TRUE(
                WriteFileBytes(course.CourseResourcesDir / file, std::string("new ") + file));
        out = dir / "media";
        fs::create_directories(out);
    }
    void Existing(const char* file) { EXPECT_TRUE(WriteFileBytes(out / file, "old")); }
    TExportResult Run() {
        TExportResources command(project, course, prompt);
        TExportResult r = command.Execute({out.string()});
        report = command.Report();
        return r;
    }
    fs::path out;
    TMediaExportReport report;
};

} // namespace

TEST(MediaExport, CopiesSoundAndVideoOnly) {
    MediaRun c("media_all");
    ASSERT_TRUE(c.Run().Ok());
    EXPECT_EQ(FilesBelow(c.out), (std::vector<std::string>{".hidden.mp3", "CLIP.AVI", "a.mp3",
                                                           "b.wav", "d.mpge", "e.wmv"}));
    EXPECT_TRUE(c.prompt.calls.empty());
    EXPECT_EQ(c.report.copied, 6);
}

// Files in name order: .hidden.mp3, CLIP.AVI, a.mp3, b.wav, d.mpge, e.wmv.
TEST(MediaExport, AnswersToExistingFiles) {
    struct Case {
        std::vector<int> answers;
        const char* expected; // "o" kept, "n" replaced, for a.mp3 b.wav d.mpge
        std::size_t questions;
        TExportStatus status;
    };
    const Case cases[] = {
        {{mrYes, mrNo, mrYes}, "non", 3, TExportStatus::Done},
        {{mrNo, mrYes, mrNo}, "ono", 3, TExportStatus::Done},
        {{mrNoToAll}, "ooo", 1, TExportStatus::Done},
        {{mrYesToAll}, "nnn", 1, TExportStatus::Done},
        {{mrNo, mrCancel}, "oo-", 2, TExportStatus::Cancelled},
    };
    for (const auto& k : cases) {
        MediaRun c("media_answers");
        for (const char* f : {"a.mp3", "b.wav", "d.mpge"})
            c.Existing(f);
        c.prompt.answers.assign(k.answers.begin(), k.answers.end());
        EXPECT_EQ(c.Run().status, k.status) << k.expected;
        EXPECT_EQ(c.prompt.calls.size(), k.questions) << k.expected;
        const char* files[] = {"a.mp3", "b.wav", "d.mpge"};
        for (int i = 0; i < 3; ++i) {
            const std::string text = ReadText(c.out / files[i]);
            const char want = k.expected[i];
            if (want == '-')
                EXPECT_EQ(text, "old") << files[i];
            else
                EXPECT_EQ(text, want == 'o' ? "old" : std::string("new ") + files[i]) << files[i];
        }
        // New files are copied whatever the answers were (up to a Cancel).
        EXPECT_EQ(ReadText(c.out / "CLIP.AVI"), "new CLIP.AVI");
        if (k.status == TExportStatus::Done) {
            EXPECT_EQ(ReadText(c.out / "e.wmv"), "new e.wmv");
        }
    }
    MediaRun c("media_question");
    c.Existing("a.mp3");
    c.prompt.answers = {mrYes};
    c.Run();
    ASSERT_EQ(c.prompt.calls.size(), 1u);
    EXPECT_EQ(c.prompt.calls[0].buttons, mbYes | mbNo | mbCancel | mbNoToAll | mbYesToAll);
    EXPECT_NE(c.prompt.calls[0].text.find("a.mp3"), std::string::npos);
}

TEST(MediaExport, DestinationIsCreatedOrReported) {
    MediaRun c("media_create");
    c.out = c.dir / "new" / "folder";
    ASSERT_TRUE(c.Run().Ok());
    EXPECT_TRUE(fs::exists(c.out / "a.mp3"));
    ASSERT_TRUE(WriteFileBytes(c.dir / "file", "x"));
    c.out = c.dir / "file" / "sub";
    const TExportResult r = c.Run();
    EXPECT_EQ(r.status, TExportStatus::Failed);
    ASSERT_EQ(c.prompt.calls.size(), 1u);
    EXPECT_EQ(c.prompt.calls[0].type, DialogType::Error);
}

TEST(MediaExport, MediaExtensions) {
    for (const char* yes : {"x.mp3", "X.WAV", "a.b.wmv", "w.wave", "v.Avi", "m.mpg", "m.MPGE"})
        EXPECT_TRUE(IsMediaFile(yes)) << yes;
    for (const char* no : {"x.jpg", "x.html", "x.swf", "mp3", "x.mp3.txt", "x.mp4"})
        EXPECT_FALSE(IsMediaFile(no)) << no;
}
