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

} // namespace vlm
