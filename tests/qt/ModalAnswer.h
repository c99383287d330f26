// Answers a modal box or popup menu from the event loop while the code under
// test waits inside it: the answer is set up before the action that opens
// the box, and runs once the box is the active modal (or popup) widget.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class ModalAnswer {
  public:
    enum class Awaited { Modal, Popup };

    // Waits for an active modal widget other than `below` (or for the active
    // popup menu) and hands it to `answer`, once.
    ModalAnswer(Awaited awaited, QWidget* below, std::function<void(QWidget*)> answer);
    // Stops waiting.
    ~ModalAnswer();
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool Answered() const { return *m_answered; }
    // True when nothing appeared within a generous limit; whatever modal
    // widget was waiting was then closed so that the test does not hang.
    bool GaveUp() const { return *m_gaveUp; }

  private:
    std::shared_ptr<bool> m_answered = std::make_shared<bool>(false);
    std::shared_ptr<bool> m_gaveUp = std::make_shared<bool>(false);
    QPointer<QTimer> m_timer;
};
