#pragma once
// What a widget toolkit does for the main window: the few things that differ
// between the Qt window on Linux and the native window on Windows. The
// window's behaviour (TForm1) decides what each control shows and calls these;
// a view only puts it on screen and reports the user's actions back to TForm1.
// Nothing here is a user's action: a view must not report the changes it is
// told to make (a list selection, a tab, a radio choice) as events.

#include <cstddef>
#include <string>

#include "calc/text.h"
#include "calc/text_grid.h"

namespace ek::app {

enum class FileListId { FileListBox1, FileListBox2 };
enum class FieldId { INF_cena_kategorie, INF_celkova_cena, Label5 };
enum class ButtonId { Button14, Button15, Button16 };
enum class RadioGroupId { RadioGroup1, RadioGroup2, RadioGroup3 };

// The tables a view shows: the eight category tables in the order of
// calc::kCategories, then the price list table of the developer panel.
inline constexpr std::size_t kPriceListTable = 8;

// What a message box tells, which its icon shows: a foreseen condition the
// user is warned of (a missing folder, a file too large, a save that failed),
// an operation that failed, or plain information (a developer's probe).
enum class MessageKind { Notice, Error, Information };

class TForm1View {
  public:
    virtual ~TForm1View() = default;

    // The names of a file list and its selected row (-1: none).
    virtual void showFiles(FileListId list, const calc::TextList& names, int selectedRow) = 0;
    // The text of a figure field or of the developer panel's probe label.
    // A field the user is typing in keeps its cursor when the text is the same.
    virtual void showText(FieldId field, const calc::Text& text) = 0;
    virtual void enableButton(ButtonId button, bool enabled) = 0;
    // The chosen item of a radio group (-1: none).
    virtual void chooseRadio(RadioGroupId group, int itemIndex) = 0;
    // The tab in view (0 to 7) and the highlighted one (-1: none).
    virtual void showTabs(int shownTab, int highlightedTab) = 0;
    // A table's rows, the header row first. `grid` stays valid and unchanged
    // until the next call for the same table, so a view may keep it and read
    // its cells as they are drawn.
    virtual void showTable(std::size_t table, const calc::TextGrid& grid) = 0;
    // The folder whose files FileListBox1 lists; a view reports changes in it
    // through TForm1::materialFolderChanged. Empty: none.
    virtual void watchFolder(const calc::Text& folder) = 0;
    // A modal box with the window's title, `text` and OK.
    virtual void showMessage(const std::u16string& text, MessageKind kind) = 0;
    // Opens the developer functions (or brings them to the front); while they
    // are closed, a view may ignore what they would show.
    virtual void openDeveloperPanel() = 0;
    // Closes the window (and the developer panel) and so ends the tool.
    virtual void closeWindow() = 0;
};

}  // namespace ek::app
