#include "common/WindowTranslation.h"

#include "app/FormTranslation.h"
#include "common/QtText.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <functional>
#include <vector>

namespace vlm {

namespace {

// One named text of the window: how to read it and how to put it back.
struct TTextSlot {
    std::string name;
    QString caption;
    QString hint;
    std::function<void(const QString& caption, const QString& hint)> apply;
};

std::vector<TTextSlot> TextEntries(QWidget& window) {
    std::vector<TTextSlot> entries;
    for (QObject* child : window.findChildren<QObject*>()) {
        const QString name = child->objectName();
        if (name.isEmpty())
            continue;
        if (auto* action = qobject_cast<QAction*>(child))
            entries.push_back({FromQt(name), action->text(), action->toolTip(),
                             [action](const QString& c, const QString& h) {
                                 action->setText(c);
                                 action->setToolTip(h);
                             }});
        else if (auto* button = qobject_cast<QAbstractButton*>(child))
            entries.push_back({FromQt(name), button->text(), button->toolTip(),
                             [button](const QString& c, const QString& h) {
                                 button->setText(c);
                                 button->setToolTip(h);
                             }});
        else if (auto* label = qobject_cast<QLabel*>(child))
            entries.push_back({FromQt(name), label->text(), label->toolTip(),
                             [label](const QString& c, const QString& h) {
                                 label->setText(c);
                                 label->setToolTip(h);
                             }});
        else if (auto* box = qobject_cast<QGroupBox*>(child))
            entries.push_back({FromQt(name), box->title(), box->toolTip(),
                             [box](const QString& c, const QString& h) {
                                 box->setTitle(c);
                                 box->setToolTip(h);
                             }});
    }
    return entries;
}

} // namespace

void TranslateWindow(QWidget& window, const TLanguage& lang) {
    std::vector<TTextSlot> entries = TextEntries(window);
    TFormTexts form;
    form.name = FromQt(window.objectName());
    form.caption = FromQt(window.windowTitle());
    for (const TTextSlot& slot : entries) {
        TComponentTexts texts;
        texts.name = slot.name;
        texts.caption = FromQt(slot.caption);
        texts.hint = FromQt(slot.hint);
        form.components.push_back(std::move(texts));
    }
    TranslateFormTexts(lang, form);
    window.setWindowTitle(ToQt(form.caption));
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].apply(ToQt(form.components[i].caption.value_or("")),
                       ToQt(form.components[i].hint.value_or("")));
}

} // namespace vlm
