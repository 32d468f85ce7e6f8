#include "support/window_fixture.h"

#include <random>

#include <QAbstractItemView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "app/window/radio_group.h"
#include "app/window/texts.h"

namespace ek::test {

namespace fs = std::filesystem;

void WindowTest::SetUp() {
    std::random_device random;
    root_ = fs::temp_directory_path() / ("window-test-" + std::to_string(random()));
    fs::create_directories(startDirectory());
    fs::copy(fs::path(EK_SOURCE_DIR) / "samples" / "Documents", documents(),
             fs::copy_options::recursive);
    previousDirectory_ = fs::current_path();
    // The tool notes the start directory and looks for its OpenOffice path there.
    fs::current_path(startDirectory());

    const QString title = app::kApplicationTitle.toString();
    platform::SystemPlatformOptions options;
    options.documentsFolder = documents().u16string();
    options.messageTitle = app::stateText(title);
    system_ = platform::makeSystemPlatform(std::move(options));
    automation_ = std::make_unique<platform::Automation>();
    automation_->registerStandIn(platform::kSpreadsheetProgramId, [log = automationLog] {
        return std::make_unique<RecordingObject>(u"application", log);
    });
    catcher = std::make_unique<MessageCatcher>();
}

void WindowTest::TearDown() {
    form.reset();
    catcher.reset();
    fs::current_path(previousDirectory_);
    std::error_code ignored;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
}

app::MainWindow& WindowTest::openWindow() {
    form = std::make_unique<app::MainWindow>(*system_, *automation_, u',');
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    return *form;
}

fs::path WindowTest::materialFolder() const {
    return documents() / "Verdigo 2016" / "Material Lists";
}

void WindowTest::clickFile(const QString& name) {
    auto* list = control<QListWidget>("FileListBox1");
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

void WindowTest::clickButton(const char* name) {
    auto* button = form->findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

void WindowTest::clickTab(int index) {
    auto* tabs = control<QTabWidget>("PageControl1");
    QTabBar* bar = tabs->tabBar();
    ASSERT_TRUE(bar->rect().contains(bar->tabRect(index).center())) << "tab out of view";
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void WindowTest::clickRadio(const char* group, int item) {
    auto* radio = control<app::RadioGroup>(group);
    QTest::mouseClick(radio->button(item), Qt::LeftButton);
}

QString WindowTest::shownCell(const char* table, int row, int column) const {
    auto* view = form->findChild<QAbstractItemView*>(QString::fromLatin1(table));
    if (view == nullptr)
        return QStringLiteral("<no table>");
    return view->model()->index(row, column).data().toString();
}

}  // namespace ek::test
