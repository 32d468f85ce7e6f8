#pragma once
// While it lives, answers every modal message box with OK as soon as it is
// shown, and records what the box said.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

namespace ek::test {

struct CaughtMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

class MessageCatcher : public QObject {
    Q_OBJECT

  public:
    MessageCatcher();

    std::vector<CaughtMessage> messages;
    std::vector<QString> texts() const;

  private:
    void answerOpenBox();

    QTimer poll_;
};

}  // namespace ek::test
