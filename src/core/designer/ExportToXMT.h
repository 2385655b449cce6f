#pragma once
// Saving the designer's page as a page template: for this course (beside
// the course, without resources) or for all courses of the user (in the
// user's folder, with the media the page names).

#include "app/UserPrompt.h"
#include "common/SystemPorts.h"

#include <filesystem>
#include <string>

namespace vlm {

class TXMPDocument;

struct TXMTRequest {
    std::string Name;
    std::string Author;
    std::string Version;
    std::string Description;
    bool ForAllCourses = false;
    std::string Group; // only for all courses
};

// "Zakoncz" is enabled: a name, and a group when the template is for all courses.
bool XMTRequestComplete(const TXMTRequest& request);

struct TXMTPlaces {
    std::filesystem::path CourseDir;
    std::filesystem::path CourseResourcesDir;
    std::filesystem::path UserDataDir;
};

// Writes the template and returns its file. The page itself is not
// changed. The template gets a new document id, the wizard's texts, icon 3
// and the date; missing description nodes are added so nothing typed is
// lost. Throws what saving throws.
std::filesystem::path SaveAsPageTemplate(const TXMPDocument& page, const TXMTRequest& request,
                                         const TXMTPlaces& places, GuidSource& guids,
                                         UserPrompt& prompt, const Clock& clock);

} // namespace vlm
