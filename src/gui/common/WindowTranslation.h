#pragma once
// A window's texts from its section of the language file: the window's own
// caption, and the captions and hints of its named actions, buttons, labels
// and group boxes, by the core's translation rules.

class QWidget;

namespace vlm {

class TLanguage;

void TranslateWindow(QWidget& window, const TLanguage& lang);

} // namespace vlm
