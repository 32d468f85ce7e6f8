#pragma once
// The export commands of the main window and the hand-off of the exported
// workbook to spreadsheet programs, working on the calculation's state.
// The owner (the window or the command line) keeps one Export for the life of
// the program: it holds the spreadsheet program's application object between
// runs of "Otevřít v MS Excel" and releases it when destroyed.

#include <memory>

#include "calc/kalkulace.h"
#include "calc/text.h"
#include "platform/automation.h"
#include "xls/io/save_result.h"

namespace ek::exporter {

// "Soubor "<path>" se nepodařilo uložit: <reason>.", the message of a failed
// save, the same in the window and on the command line.
calc::Text saveFailedMessage(const calc::Text& path, xls::SaveResult reason);

class Export {
  public:
    // Both must outlive the Export.
    Export(calc::Kalkulace& state, platform::Automation& automation);

    // "Export XLS": the workbook saved (its amounts as numbers when CheckBox1
    // is checked), then "Otevřít v MS Excel" enabled and
    // "Otevřít v OpenOffice" too when an OpenOffice program is configured.
    // A failed save shows its message and leaves both disabled. True when the
    // workbook was saved.
    bool Button15Click();

    // "Otevřít v MS Excel": a new application object (replacing the one kept
    // from an earlier run) made visible, with alerts on, opens the export.
    void Button16Click();

    // "Otevřít v OpenOffice": the export copied under copyPath() (an earlier
    // copy, even a read-only one, deleted first) and the OpenOffice program
    // started with the copy as its one argument.
    void Button14Click();

    // "Kopírovat soubor": the export copied under copyPath(), replacing an
    // earlier copy.
    void Button17Click();

    // The special-folder probe: Label5 shows the folder of item RadioGroup1
    // (nothing happens while no item is chosen).
    void RadioGroup1Click();
    // Label5 shows the documents folder.
    void Button18Click();

    int RadioGroup1 = -1;    // chosen probe item, -1 for none
    bool CheckBox1 = false;  // "Částky jako čísla": amounts exported as numbers
    calc::Text Label5;       // result of the folder probes

    // The application object kept from the last "Otevřít v MS Excel".
    const platform::AutomationObject* excelApplication() const { return excelApplication_.get(); }

  private:
    // Copies the export to the copy path; on failure shows the message.
    bool copyExport(const calc::Text& copy);

    calc::Kalkulace& state_;
    platform::Automation& automation_;
    std::unique_ptr<platform::AutomationObject> excelApplication_;
};

}  // namespace ek::exporter
