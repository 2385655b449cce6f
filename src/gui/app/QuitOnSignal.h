#pragma once
// A desktop session ending (SIGTERM) or Ctrl+C in a terminal (SIGINT) ends
// the program the way closing its window does, so the course is saved and
// the working folder removed, instead of the process dying where it stands.

class QObject;

namespace vlm {

// Installs the handlers; the application then quits through its event loop.
void QuitOnTerminationSignals(QObject* owner);

} // namespace vlm
