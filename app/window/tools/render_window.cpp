// Renders the main window, with one material list read, into a PNG image:
//   render-window --documents DIR --file NAME [--tab N] --output FILE.png
// --tab N: the user's click on tab N (1 to 8) after the reading.
// Meant for the offscreen platform (QT_QPA_PLATFORM=offscreen).

#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QPixmap>

#include "app/window/main_window.h"
#include "app/window/texts.h"
#include "calc/money.h"
#include "platform/automation.h"

namespace {

int fail(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(ek::app::kApplicationTitle.toString());

    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("documents"), QStringLiteral("Složka dokumentů."), QStringLiteral("DIR")});
    parser.addOption(
        {QStringLiteral("file"), QStringLiteral("Kalkulace k načtení."), QStringLiteral("NAME")});
    parser.addOption({QStringLiteral("tab"), QStringLiteral("Karta zobrazená po načtení (1 až 8)."),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("output"), QStringLiteral("Výsledný obrázek PNG."),
                      QStringLiteral("FILE")});
    parser.process(application);
    if (!parser.isSet(QStringLiteral("output")))
        return fail(QStringLiteral("Chybí --output FILE."));
    // Made absolute before the window exists: its file lists make their
    // folders the current directory.
    const QString output = QFileInfo(parser.value(QStringLiteral("output"))).absoluteFilePath();

    ek::platform::SystemPlatformOptions options;
    options.documentsFolder = ek::app::stateText(parser.value(QStringLiteral("documents")));
    options.messageTitle = ek::app::stateText(ek::app::kApplicationTitle.toString());
    // A message box would wait for a click nobody gives: messages go to stderr.
    options.messageSink = [](const std::u16string& text) {
        std::fprintf(stderr, "%s\n", ek::app::qtText(text).toUtf8().constData());
    };
    const auto platform = ek::platform::makeSystemPlatform(std::move(options));

    const auto automation = ek::platform::makeSystemAutomation(*platform);
    ek::app::MainWindow form(*platform, *automation, ek::calc::decimalSeparatorFromLocale());
    // A message box would wait for a click nobody gives: messages go to stderr.
    form.setMessageSink(
        [](const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); });
    form.show();
    QApplication::processEvents();

    if (parser.isSet(QStringLiteral("file"))) {
        const QString name = parser.value(QStringLiteral("file"));
        auto* list = form.findChild<QListWidget*>(QStringLiteral("FileListBox1"));
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        if (found.isEmpty())
            return fail(QStringLiteral("Kalkulace \"%1\" není v seznamu.").arg(name));
        form.form().FileListBox1Click(list->row(found.first()));
        QApplication::processEvents();
    }
    if (parser.isSet(QStringLiteral("tab"))) {
        bool isNumber = false;
        const int tab = parser.value(QStringLiteral("tab")).toInt(&isNumber);
        if (!isNumber || tab < 1 || tab > 8)
            return fail(QStringLiteral("--tab chce číslo karty 1 až 8."));
        form.form().PageControl1Change(tab - 1);
        QApplication::processEvents();
    }

    if (!form.grab().save(output, "PNG"))
        return fail(QStringLiteral("Obrázek \"%1\" se nepodařilo uložit.").arg(output));
    return 0;
}
