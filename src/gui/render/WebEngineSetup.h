#pragma once
// What Qt WebEngine needs before the application object exists. Every
// program of ours that draws pages (the desktop program, the command line,
// the tests) calls this first.

namespace vlm {

struct TWebEngineSetup {
    bool sandboxOff = false; // the engine refuses to start as root with its sandbox
    bool offscreen = false;  // no display: pages are drawn off screen
};

// Shares the GL contexts, switches the sandbox off only when the process
// runs as root, and draws off screen when there is no display and no
// platform was chosen. Says what it did, for the log.
TWebEngineSetup PrepareWebEngine();

// Builds with AddressSanitizer only: Qt WebEngine's own code, built without
// it, frees with another size than it allocated and keeps its profile to the
// end of the process. Those two reports are about the engine: a process that
// is going to start it runs itself again with them off (argv as main got
// it). Everything else stays checked. Elsewhere it does nothing.
void WithoutEngineSanitizerReports(char** argv);

} // namespace vlm
