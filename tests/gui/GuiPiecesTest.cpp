// The Qt ports and the small windows, driven as a user would.

#include "app/GuiSession.h"
#include "app/IniLang.h"
#include "app/ProgramOptions.h"
#include "app/QtSettingsStore.h"
#include "app/QtUserPrompt.h"
#include "common/ProgressForm.h"
#include "render/PagePreview.h"

#include "fakes/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace vlm;
namespace fs = std::filesystem;

namespace {

TLanguage Language(int index) {
    TLanguage lang;
    lang.file = LoadLanguageFile(fs::path(VLM_DATA_DIR) / "configuration" / "lang" / "lang.lang");
    lang.languageIndex = index;
    return lang;
}

// With VLM_SCREENSHOTS set (a folder), windows are saved there as a person
// would see them: run the tests under Xvfb with QT_QPA_PLATFORM=xcb.
void Shot(QWidget& window, const char* name) {
    const QByteArray folder = qgetenv("VLM_SCREENSHOTS");
    if (!folder.isEmpty())
        window.grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
}

// Does `act` on the next modal dialog once it is shown.
void OnNextDialog(std::function<void(QWidget&)> act) {
    QTimer::singleShot(50, [act = std::move(act)] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            act(*dialog);
        else
            OnNextDialog(act);
    });
}

TEST(QtSettingsStoreTest, ValuesKeepTypeOrderAndKeyRules) {
    test::TempFolder dir;
    const QString file = QString::fromStdString((dir / "s.conf").string());
    {
        QtSettingsStore store(file);
        EXPECT_FALSE(store.KeyExists("Software\\A"));
        EXPECT_TRUE(store.Write("Software\\A\\Main", "Zeta", std::string("tekst \xB9\xEA")));
        EXPECT_TRUE(store.Write("Software\\A\\Main", "alpha", std::int32_t{-42}));
        EXPECT_TRUE(store.Write("Software\\A\\Main", "Bin", std::vector<std::uint8_t>{0, 255, 7}));
        EXPECT_TRUE(store.Write("Software\\A\\Main", "Zeta", std::string("again")));
        store.DeleteValue("software/a/main", "Bin");
    }
    const QtSettingsStore reopened(file);
    EXPECT_TRUE(reopened.KeyExists("/SOFTWARE/a/MAIN"));
    EXPECT_EQ(reopened.ValueNames("Software\\A\\Main"),
              (std::vector<std::string>{"Zeta", "alpha"}));
    EXPECT_EQ(reopened.Read("Software/A/Main", "Zeta"), SettingValue(std::string("again")));
    EXPECT_EQ(reopened.Read("Software\\A\\Main", "alpha"), SettingValue(std::int32_t{-42}));
    EXPECT_FALSE(reopened.Read("Software\\A\\Main", "Bin"));
    QtSettingsStore store(file);
    store.Write("K", "B", std::vector<std::uint8_t>{1, 2});
    EXPECT_EQ(store.Read("K", "B"), SettingValue(std::vector<std::uint8_t>{1, 2}));
}

TEST(QtUserPromptTest, AnswersComeFromThePressedButtonOrEscape) {
    const TLanguage lang = Language(1);
    QtUserPrompt prompt(lang, "Vellumar 4");
    OnNextDialog([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Confirm"));
        auto* no = dialog.findChild<QPushButton*>("btnNo");
        ASSERT_TRUE(no);
        EXPECT_EQ(no->text(), QStringLiteral("&No"));
        Shot(dialog, "message-confirm-en");
        QTest::mouseClick(no, Qt::LeftButton);
    });
    EXPECT_EQ(prompt.MessageBox({}, "Save?", DialogType::Confirmation, kButtonsYesNoCancel), mrNo);

    OnNextDialog([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(prompt.MessageBox({}, "Save?", DialogType::Confirmation, kButtonsYesNoCancel),
              mrCancel);

    // The check box shows only when asked for; ticked, the flag comes back false.
    bool again = true;
    OnNextDialog([](QWidget& dialog) {
        auto* box = dialog.findChild<QCheckBox*>("cbDontShowAgain");
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text(), QStringLiteral("Do not show this message again"));
        box->setChecked(true);
        Shot(dialog, "message-dont-show-again-en");
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    EXPECT_EQ(prompt.MessageBox({}, "Note", DialogType::Information, kButtonsOK, {}, &again), mrOK);
    EXPECT_FALSE(again);

    OnNextDialog([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Error"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    EXPECT_EQ(prompt.MessageDlg("Broken", DialogType::Error, kButtonsOK), mrOK);
}

TEST(ProgressFormTest, TranslatedCountsAndEscapeAsksToStop) {
    for (const auto& [index, caption] :
         {std::pair{0, QStringLiteral("Postęp")}, std::pair{1, QStringLiteral("Progress")}}) {
        const TLanguage lang = Language(index);
        TProgressForm form(lang);
        EXPECT_EQ(form.windowTitle(), caption);
        form.SetMax(4);
        form.Step();
        form.Step();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.Bar().value(), 2);
        Shot(form, index == 0 ? "progress-pl" : "progress-en");
        EXPECT_FALSE(form.Cancelled());
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_TRUE(form.Cancelled());
        EXPECT_TRUE(form.isVisible()); // the operation closes it
        form.Close();
        EXPECT_FALSE(form.isVisible());
    }
}

TEST(PagePreviewTest, TranslatedToolbarShowsThePageAndCloses) {
    test::TempFolder dir;
    const fs::path page = dir.Write("preview.html", "<html><body>Hello</body></html>");
    const TLanguage lang = Language(0);
    TfrmPagePreview preview(page, lang);
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Podgląd strony"));
    auto* refresh = preview.findChild<QAction*>("actRefresh");
    auto* close = preview.findChild<QAction*>("actClose");
    ASSERT_TRUE(refresh && close);
    EXPECT_EQ(refresh->text(), QStringLiteral("Odśwież"));
    EXPECT_EQ(close->text(), QStringLiteral("Zamknij"));
    EXPECT_EQ(preview.Browser().page()->requestedUrl(),
              QUrl::fromLocalFile(QString::fromStdString(page.string())));
    preview.show();
    EXPECT_TRUE(preview.windowState() & Qt::WindowMaximized);
    QTest::qWait(300);
    Shot(preview, "preview-pl");
    close->trigger();
    EXPECT_FALSE(preview.isVisible());
}

// The program's run as it starts: configuration, language, library and
// renderer from the data folder; the working folder goes with the session.
TEST(GuiSessionTest, StartsFromTheDataFolderAndCleansUp) {
    ::setenv("VELLUMAR_HOME", VLM_DATA_DIR, 1);
    test::TempFolder dir;
    fs::path workDir;
    const QString settings = QString::fromStdString((dir / "s.conf").string());
    QtSettingsStore(settings).Write(ProgramOptionsKey(), kOptCacheSize, std::int32_t{7});
    {
        TGuiSession session("/nonexistent/vellumar", ParseGuiArguments({"log", "x"}),
                            std::make_unique<QtSettingsStore>(settings));
        EXPECT_TRUE(session.Options().log);
        EXPECT_FALSE(session.Options().debug);
        ASSERT_TRUE(session.Start());
        EXPECT_EQ(session.ProgramDir(), fs::path(VLM_DATA_DIR));
        EXPECT_GE(session.Library().Items().size(), 18u);
        EXPECT_NE(session.Library().Definitions(), nullptr);
        workDir = session.Paths().RunTempDir;
        EXPECT_TRUE(fs::is_directory(workDir));
        // The stored cache size is the renderer's, and a new one takes effect at once.
        EXPECT_EQ(session.Renderer().Cache().CacheSize(), 7);
        session.ProgramOptions().SetOption(kOptCacheSize, std::int32_t{3});
        EXPECT_EQ(session.Renderer().Cache().CacheSize(), 3);
    }
    // The options go back to the store with the session.
    EXPECT_EQ(QtSettingsStore(settings).Read(ProgramOptionsKey(), kOptCacheSize),
              SettingValue(std::int32_t{3}));
    EXPECT_FALSE(fs::exists(workDir));
    ::unsetenv("VELLUMAR_HOME");
}

} // namespace
