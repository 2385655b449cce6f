#include "app/QtUserPrompt.h"

#include "app/MessageDialog.h"
#include "common/QtText.h"
#include "common/WindowTranslation.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace vlm {

namespace {

constexpr int kIconLeft = 16;
constexpr int kLabelLeft = 64;
constexpr int kLabelTop = 16;

QStyle::StandardPixmap IconOf(TMessageIcon icon) {
    switch (icon) {
    case TMessageIcon::Exclamation:
        return QStyle::SP_MessageBoxWarning;
    case TMessageIcon::Hand:
        return QStyle::SP_MessageBoxCritical;
    case TMessageIcon::Asterisk:
        return QStyle::SP_MessageBoxInformation;
    case TMessageIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case TMessageIcon::Application:
        break;
    }
    return QStyle::SP_DesktopIcon;
}

// Line breaks of the language file's texts ("|" turned into CR LF) as Qt's.
QString Text(const std::string& cp1250) {
    QString text = ToQt(cp1250);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The dialog of a computed layout; its result is the pressed button's.
int RunDialog(QWidget* parent, const TLanguage& lang, const TMessageBoxLayout& layout,
              const std::string& text, bool* dontShowAgain) {
    QDialog dialog(parent);
    dialog.setObjectName("frmVLMMessage");
    dialog.setWindowTitle(ToQt(layout.caption));
    dialog.setFixedSize(layout.width, layout.height);
    auto* icon = new QLabel(&dialog);
    const QIcon standard = dialog.style()->standardIcon(IconOf(layout.icon));
    icon->setPixmap(standard.pixmap(32, 32));
    icon->setGeometry(kIconLeft, kLabelTop, 32, 32);
    auto* label = new QLabel(Text(text), &dialog);
    label->setObjectName("lbMessage");
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(kLabelLeft, kLabelTop, layout.width - kLabelLeft - 16,
                       layout.buttonTop - kLabelTop - 8);
    QCheckBox* check = nullptr;
    if (layout.checkBoxVisible) {
        check = new QCheckBox(&dialog);
        check->setObjectName("cbDontShowAgain");
        check->setChecked(layout.checkBoxChecked);
        check->setGeometry(kIconLeft, layout.buttonTop + 40, layout.width - 32, 20);
    }
    int result = layout.cancelResult.value_or(mrCancel);
    for (const TMessageButton& b : layout.buttons) {
        auto* button = new QPushButton(ToQt(b.caption), &dialog);
        button->setObjectName(DialogButtonName(b.result));
        button->setGeometry(b.left, b.top, b.width, 25);
        if (layout.defaultResult == b.result)
            button->setDefault(true);
        QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &result, r = b.result] {
            result = r;
            dialog.done(QDialog::Accepted);
        });
    }
    // The check box's caption comes from the dialog's section of the language file.
    TranslateWindow(dialog, lang);
    if (!layout.sound.empty())
        QApplication::beep();
    dialog.exec(); // Escape and closing keep the cancel result
    if (check && dontShowAgain)
        *dontShowAgain = DontShowAgainAfterClose(check->isChecked());
    return result;
}

} // namespace

const char* DialogButtonName(int result) {
    switch (result) {
    case mrOK:
        return "btnOK";
    case mrCancel:
        return "btnCancel";
    case mrAbort:
        return "btnAbort";
    case mrRetry:
        return "btnRetry";
    case mrIgnore:
        return "btnIgnore";
    case mrYes:
        return "btnYes";
    case mrNo:
        return "btnNo";
    case mrAll:
        return "btnAll";
    case mrNoToAll:
        return "btnNoToAll";
    case mrYesToAll:
        return "btnYesToAll";
    default:
        return "btnHelp";
    }
}

QtUserPrompt::QtUserPrompt(const TLanguage& lang, std::string appTitle)
    : lang_(lang), appTitle_(std::move(appTitle)) {}

int QtUserPrompt::MessageBox(const std::string& caption, const std::string& text, DialogType type,
                             ButtonSet buttons, const std::string&, bool* dontShowAgain) {
    TMessageBoxRequest request;
    request.caption = caption;
    request.appTitle = appTitle_;
    request.text = text;
    request.type = type;
    request.buttons = buttons;
    request.dontShowAgain = dontShowAgain && *dontShowAgain;
    request.currentWidth = 360;
    request.labelTop = kLabelTop;
    const QFont font = QApplication::font();
    request.labelHeight = [&](int width) {
        return QFontMetrics(font)
            .boundingRect(QRect(0, 0, width - kLabelLeft - 16, 10000), Qt::TextWordWrap, Text(text))
            .height();
    };
    return RunDialog(parent_, lang_, LayoutMessageBox(lang_, request), text, dontShowAgain);
}

int QtUserPrompt::MessageDlg(const std::string& text, DialogType type, ButtonSet buttons, int) {
    const TMessageDlgTexts texts = ReadMessageDlgTexts(lang_);
    TMessageBoxLayout layout = LayoutMessageBox(
        lang_, {{}, appTitle_, text, type, buttons, false, 8, 360, kLabelTop, nullptr});
    layout.caption = MessageDlgCaption(texts, type, appTitle_);
    const std::vector<std::string> captions = MessageDlgButtonCaptions(texts, buttons);
    for (std::size_t i = 0; i < layout.buttons.size() && i < captions.size(); ++i)
        layout.buttons[i].caption = captions[i];
    return RunDialog(parent_, lang_, layout, text, nullptr);
}

void QtUserPrompt::ShowMessage(const std::string& text) {
    MessageDlg(text, DialogType::Custom, kButtonsOK);
}

} // namespace vlm
