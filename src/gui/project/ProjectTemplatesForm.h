#pragma once
// The course templates window: the templates of the content language as
// large icons; OK (or a double click) chooses one.

#include "project/ProjectTemplates.h"

#include <QDialog>

#include <optional>
#include <vector>

class QListWidget;

namespace vlm {

class TLanguage;

class TfrmProjectTemplates : public QDialog {
    Q_OBJECT
public:
    TfrmProjectTemplates(const std::vector<TProjectTemplateItem>& templates, const TLanguage& lang,
                         QWidget* parent = nullptr);

    QListWidget& List() { return *list_; }

    // Nothing on cancel.
    static std::optional<TProjectTemplateItem>
    Choose(const std::vector<TProjectTemplateItem>& templates, const TLanguage& lang,
           QWidget* parent);

private:
    QListWidget* list_;
};

} // namespace vlm
