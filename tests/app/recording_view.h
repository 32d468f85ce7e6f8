#pragma once
// A view of the main window that keeps what it was last told to show, as the
// controls of a real view would, and records the message boxes.

#include <array>
#include <string>
#include <vector>

#include "app/tform1_view.h"
#include "calc/categories.h"

namespace ek::test {

struct ShownMessage {
    std::u16string text;
    app::MessageKind kind;
};

class RecordingView : public app::TForm1View {
  public:
    struct FileListControl {
        calc::TextList names;
        int selectedRow = -1;
    };

    FileListControl FileListBox1, FileListBox2;
    calc::Text INF_cena_kategorie, INF_celkova_cena, Label5;
    bool Button14 = true, Button15 = true, Button16 = true;
    int RadioGroup1 = -2, RadioGroup2 = -2, RadioGroup3 = -2;
    int shownTab = -2, highlightedTab = -2;
    std::array<const calc::TextGrid*, calc::kCategoryCount + 1> tables{};
    calc::Text watchedFolder;
    std::vector<ShownMessage> messages;
    int developerPanelOpenings = 0;
    bool closed = false;

    std::vector<std::u16string> messageTexts() const {
        std::vector<std::u16string> texts;
        for (const ShownMessage& message : messages)
            texts.push_back(message.text);
        return texts;
    }
    const calc::TextGrid& table(std::size_t index) const { return *tables.at(index); }
    // The selected material list's name, empty without a selection.
    calc::Text selectedFile() const {
        const int row = FileListBox1.selectedRow;
        return row < 0 ? calc::Text() : FileListBox1.names.at(static_cast<std::size_t>(row));
    }

    void showFiles(app::FileListId list, const calc::TextList& names, int selectedRow) override {
        FileListControl& control =
            list == app::FileListId::FileListBox1 ? FileListBox1 : FileListBox2;
        control = {names, selectedRow};
    }
    void showText(app::FieldId field, const calc::Text& text) override {
        switch (field) {
            case app::FieldId::INF_cena_kategorie:
                INF_cena_kategorie = text;
                break;
            case app::FieldId::INF_celkova_cena:
                INF_celkova_cena = text;
                break;
            case app::FieldId::Label5:
                Label5 = text;
                break;
        }
    }
    void enableButton(app::ButtonId button, bool enabled) override {
        switch (button) {
            case app::ButtonId::Button14:
                Button14 = enabled;
                break;
            case app::ButtonId::Button15:
                Button15 = enabled;
                break;
            case app::ButtonId::Button16:
                Button16 = enabled;
                break;
        }
    }
    void chooseRadio(app::RadioGroupId group, int itemIndex) override {
        switch (group) {
            case app::RadioGroupId::RadioGroup1:
                RadioGroup1 = itemIndex;
                break;
            case app::RadioGroupId::RadioGroup2:
                RadioGroup2 = itemIndex;
                break;
            case app::RadioGroupId::RadioGroup3:
                RadioGroup3 = itemIndex;
                break;
        }
    }
    void showTabs(int shown, int highlighted) override {
        shownTab = shown;
        highlightedTab = highlighted;
    }
    void showTable(std::size_t table, const calc::TextGrid& grid) override {
        tables.at(table) = &grid;
    }
    void watchFolder(const calc::Text& folder) override { watchedFolder = folder; }
    void showMessage(const std::u16string& text, app::MessageKind kind) override {
        messages.push_back({text, kind});
    }
    void openDeveloperPanel() override { ++developerPanelOpenings; }
    void closeWindow() override { closed = true; }
};

}  // namespace ek::test
