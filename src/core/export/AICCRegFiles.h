#pragma once
// The AICC course structure files (.au, .des, .cst, .crs) and the LEO page
// index "leoindex.inc" of one course.

#include "project/CoursePaths.h"

#include <filesystem>
#include <string>

namespace vlm {

class TProject;
struct TWalkNode;

class TAICCRegFiles {
public:
    TAICCRegFiles(const TProject& project, const TCoursePaths& course);

    std::string URL;      // the base address of the assignable units
    bool MultiSCO = true; // every leaf its own assignable unit

    int AUCount = 0;
    int MemberMax = 0;
    int BlockCount = 1;
    std::string AuText, DesText, CstText, CrsText, IndexText;

    // Fills the counters and the five texts from the course tree.
    void Build();
    // Writes NAME.au, NAME.des, NAME.cst, NAME.crs and leoindex.inc into the
    // folder, every line ended with CR LF. False at the first file that
    // cannot be written, named in `failedFile`.
    bool Save(const std::filesystem::path& folder, const std::string& name,
              std::filesystem::path* failedFile = nullptr) const;

    // The masteryscore of an exercise page of this id; empty for any other.
    std::string Mastery(int pageId) const;

private:
    void BuildMulti();
    void BuildSingle();
    void BuildCrs();

    const TProject& project_;
    TCoursePaths course_;
};

// "A" / "B" and the position padded to eight digits.
std::string AiccId(char letter, int position);
// Both cp1250 quotation marks and the double quote become apostrophes.
std::string CleanAiccTitle(const std::string& title);
// Every line of the text (CR, LF or CR LF breaks) followed by CR LF.
std::string WithCrLfLines(const std::string& text);

} // namespace vlm
