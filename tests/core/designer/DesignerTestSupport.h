#pragma once
// A designer session over a small definition tree and a page in a temporary
// course folder, with scripted prompts.

#include "app/IniLang.h"
#include "designer/DesignerSession.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

namespace vlm::test {

inline const char* const kDesignerDefinitions = R"(<document>
  <class name="component">
    <property name="x" defaultValue="10" />
    <property name="y" defaultValue="10" />
    <property name="canDelete" defaultValue="true" />
  </class>
  <class name="button" extends="component">
    <property name="width" defaultValue="140" />
    <property name="height" defaultValue="36" />
    <property name="caption" defaultValue="OK"><defaultValue lang="EN">Next</defaultValue></property>
    <property name="buttonSrc" defaultValue="" type="path" />
    <events><event name="onClick"><code>go();</code></event><event name="onOver" /></events>
  </class>
  <class name="popup" extends="component"><property name="width" defaultValue="200" /></class>
  <class name="timer" paintElement="false"><property name="height" defaultValue="900" /></class>
  <class name="bad name" />
</document>)";

inline std::string PageText(const std::string& elements, const std::string& pageAttributes = {}) {
    return "<document id=\"{D}\">\r\n  <info />\r\n  <page id=\"{P}\" height=\"550\"" +
           pageAttributes + " />\r\n" + elements + "</document>\r\n";
}

class DesignerFixture : public ::testing::Test {
protected:
    FixedGuidSource guids;
    FakeUserPrompt prompt;
    FixedClock clock;
    TjanXMLTree definitions;
    TempFolder tmp;
    std::string savedLanguage = ContentLanguage();
    std::unique_ptr<TDesignerSession> session;
    std::filesystem::path pageFile;
    int pages = 0;

    void SetUp() override {
        ContentLanguage() = "EN";
        definitions.LoadFromText(kDesignerDefinitions);
        session = std::make_unique<TDesignerSession>(prompt, guids, clock, definitions, nullptr);
        TCoursePaths paths;
        paths.CourseDir = tmp.path() / "course" / "";
        paths.CourseResourcesDir = tmp.path() / "course" / "resources" / "";
        session->SetCoursePaths(paths);
        pageFile = tmp.path() / "course" / "p00001" / "_page.xmp";
    }
    void TearDown() override { ContentLanguage() = savedLanguage; }

    // Writes the page into a page folder of its own and opens it (opening
    // saves the page before it when changed).
    void Open(const std::string& text) {
        pageFile = tmp.path() / "course" / ("p0000" + std::to_string(++pages)) / "_page.xmp";
        WriteText(pageFile, text);
        ASSERT_TRUE(session->OpenPage(pageFile, "Page 1"));
    }
    TjanXMLNode* Doc() { return session->Document().DocumentNode(); }
    TjanXMLNode* Named(const std::string& name) {
        return Doc()->FindChildByAttribute("name", name);
    }
    std::vector<std::string> Names() {
        std::vector<std::string> out;
        for (const auto& child : Doc()->Children())
            out.push_back(child->GetAttributeText("name").empty()
                              ? child->Name()
                              : child->GetAttributeText("name"));
        return out;
    }
    int FrameOf(const std::string& name) { return session->Frames().IndexOf(Named(name)); }
    void Press(const std::string& name) { session->PressSelect(FrameOf(name)); }
};

} // namespace vlm::test
