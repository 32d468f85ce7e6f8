#include "app/window/run_window.h"

#include <QApplication>
#include <QIcon>

#include "app/window/main_window.h"
#include "app/window/texts.h"
#include "calc/money.h"
#include "platform/automation.h"
#include "platform/platform.h"

namespace ek::app {

int runWindow(int argc, char** argv, const WindowOptions& options) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(kApplicationTitle.toString());
    QApplication::setDesktopFileName(QStringLiteral("export-kalkulace"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("export-kalkulace")));

    platform::SystemPlatformOptions platformOptions;
    platformOptions.documentsFolder = options.documentsFolder;
    platformOptions.messageTitle = stateText(kApplicationTitle.toString());
    const std::unique_ptr<platform::Platform> system =
        platform::makeSystemPlatform(std::move(platformOptions));
    // Declared before the window: the window's export holds objects it made.
    const std::unique_ptr<platform::Automation> automation =
        platform::makeSystemAutomation(*system);

    MainWindow window(*system, *automation, calc::decimalSeparatorFromLocale());
    window.show();
    if (options.developer)
        window.form().openDeveloperPanel();
    return application.exec();
}

}  // namespace ek::app
