#include "project/CourseSettingsForm.h"

#include "common/DialogButtons.h"
#include "common/QtText.h"
#include "common/WindowTranslation.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vlm {

namespace {

QLabel* Caption(const char* name, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TcourseSettingsForm::TcourseSettingsForm(const TCourseSettings& values, const TLanguage& lang,
                                         QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(this)), version_(new QLineEdit(this)),
      description_(new QPlainTextEdit(this)), resolution_(new QComboBox(this)) {
    setObjectName("courseSettingsForm");
    name_->setObjectName("edCourseName");
    version_->setObjectName("edVersion");
    description_->setObjectName("memDescription");
    resolution_->setObjectName("cbResolution");
    name_->setText(ToQt(values.Title));
    version_->setText(ToQt(values.CourseVersion));
    description_->setPlainText(ToQt(values.Description));
    for (const char* resolution : kCourseResolutions)
        resolution_->addItem(QString::fromLatin1(resolution));
    resolution_->setCurrentIndex(
        values.Resolution >= 0 && values.Resolution < resolution_->count() ? values.Resolution : 0);

    auto* form = new QFormLayout;
    form->addRow(Caption("lbCourseName", name_, this), name_);
    form->addRow(Caption("lbVersion", version_, this), version_);
    form->addRow(Caption("lbDescription", description_, this), description_);
    form->addRow(Caption("lbResolution", resolution_, this), resolution_);

    const TDialogButtons buttons = MakeDialogButtons(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
    resize(460, 300);
    TranslateWindow(*this, lang);
}

TCourseSettings TcourseSettingsForm::Values() const {
    TCourseSettings values;
    values.Title = FromQt(name_->text());
    values.CourseVersion = FromQt(version_->text());
    values.Description = FromQt(description_->toPlainText());
    values.Resolution = resolution_->currentIndex();
    return values;
}

bool TcourseSettingsForm::Edit(TCourseSettings& values, const TLanguage& lang, QWidget* parent) {
    TcourseSettingsForm form(values, lang, parent);
    if (form.exec() != QDialog::Accepted)
        return false;
    values = form.Values();
    return true;
}

} // namespace vlm
