#include "support/message_catcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace ek::test {

MessageCatcher::MessageCatcher() {
    poll_.setInterval(5);
    connect(&poll_, &QTimer::timeout, this, &MessageCatcher::answerOpenBox);
    poll_.start();
}

std::vector<QString> MessageCatcher::texts() const {
    std::vector<QString> result;
    for (const CaughtMessage& message : messages)
        result.push_back(message.text);
    return result;
}

void MessageCatcher::answerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible())
        return;
    messages.push_back({box->windowTitle(), box->text(), box->icon()});
    // What the user can do: the box has OK and nothing else.
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok != nullptr && box->buttons().size() == 1)
        ok->click();
    else
        box->reject();
}

}  // namespace ek::test
