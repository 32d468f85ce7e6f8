#pragma once
// The real window on the real platform, in a temporary folder: a copy of the
// bundled sample documents, a start directory of its own, every message box
// answered and recorded, "Excel.Application" served by a recording stand-in.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QListWidget>
#include <QString>

#include "app/window/main_window.h"
#include "platform/automation.h"
#include "support/message_catcher.h"
#include "support/recording_automation.h"

namespace ek::test {

inline const char kWorkedExample[] = "Zahrada u domu.txt";
inline const char kLargerSample[] = "Rodinný dům Říčany.txt";

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the window (SetUp leaves that to the test, so that it
    // can arrange the folders first).
    app::MainWindow& openWindow();

    template <typename Widget>
    Widget* control(const char* name) const {
        auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Mouse clicks as the user makes them.
    void clickFile(const QString& name);
    void clickButton(const char* name);
    void clickTab(int index);
    void clickRadio(const char* group, int item);

    // The cell of a category table view (row counted in the view, without the header).
    QString shownCell(const char* table, int row, int column) const;

    std::filesystem::path documents() const { return root_ / "Documents"; }
    std::filesystem::path materialFolder() const;
    std::filesystem::path startDirectory() const { return root_ / "start"; }

    std::unique_ptr<MessageCatcher> catcher;
    std::shared_ptr<std::vector<AutomationCall>> automationLog =
        std::make_shared<std::vector<AutomationCall>>();
    std::unique_ptr<app::MainWindow> form;

  private:
    std::filesystem::path root_;
    std::filesystem::path previousDirectory_;
    std::unique_ptr<platform::Platform> system_;
    std::unique_ptr<platform::Automation> automation_;
};

}  // namespace ek::test
