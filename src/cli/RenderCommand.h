#pragma once
// `render`: a page, or one element as the designer draws it, to a PNG file
// through the program's own renderer; and that renderer for the other
// commands that need page pictures (the scenario report's screenshots).

#include <optional>
#include <string>

namespace vlm {
class PageRenderer;
}

namespace vlm::cli {

class TCliSession;

struct TRenderOptions {
    std::string file;   // the .vlmproject file
    int item = 0;       // --item: the page's position in the course tree
    std::string output; // -o: the PNG file
    std::optional<std::string> element;
    std::optional<std::string> size; // "W,H"
};

// The run's renderer, started on first use; null when this program was
// built without the web engine.
PageRenderer* SessionRenderer(TCliSession& session);

int RunRender(TCliSession& session, const TRenderOptions& options);

// Before a command that draws pages: what the web engine needs of the
// process (see WithoutEngineSanitizerReports); nothing without the engine.
void RestartForRenderer(char** argv);

} // namespace vlm::cli
