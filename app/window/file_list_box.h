#pragma once
// The list of material lists. It tells the window when the user picks a file
// (a click, also on the file already selected, or a keyboard selection
// change) and hands each key press to the window before its own handling.
// Selections made by the program (with signals blocked) are not picks.

#include <functional>
#include <utility>

#include <QListWidget>

namespace ek::app {

class FileListBox : public QListWidget {
    Q_OBJECT

  public:
    explicit FileListBox(QWidget* parent = nullptr);

    // Height of every item in pixels (0: the style's).
    void setItemHeight(int pixels);

    // The item texts and the selected row (-1: none), without emitting picked().
    void showFiles(const QStringList& names, int selectedRow);

    // Runs before the list's own handling of the arrow keys; returning true
    // consumes the key, so the list leaves its selection alone.
    using KeyDownHandler = std::function<bool(int virtualKey)>;
    void setKeyDownHandler(KeyDownHandler handler) { keyDownHandler_ = std::move(handler); }

  signals:
    void picked(int row);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void onCurrentRowChanged(int row);

    KeyDownHandler keyDownHandler_;
    int itemHeight_ = 0;
};

// The virtual-key code of a Qt key, 0 for keys without one here.
int virtualKeyOf(int qtKey);

}  // namespace ek::app
