#pragma once
// The course settings dialog: name, version, description and resolution of
// the open course. The values are checked by the course lifecycle.

#include "project/CourseSettings.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace vlm {

class TLanguage;

class TcourseSettingsForm : public QDialog {
    Q_OBJECT
public:
    TcourseSettingsForm(const TCourseSettings& values, const TLanguage& lang,
                        QWidget* parent = nullptr);
    TCourseSettings Values() const;

    // False on cancel; `values` holds what was entered otherwise.
    static bool Edit(TCourseSettings& values, const TLanguage& lang, QWidget* parent);

private:
    QLineEdit* name_;
    QLineEdit* version_;
    QPlainTextEdit* description_;
    QComboBox* resolution_;
};

} // namespace vlm
