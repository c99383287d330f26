#include "ModalAnswer.h"

#include <QApplication>

namespace {

constexpr int kPollMilliseconds = 10;
constexpr int kGiveUpPolls = 1000;

QWidget* ActiveWidget(ModalAnswer::Awaited awaited) {
    return awaited == ModalAnswer::Awaited::Popup ? QApplication::activePopupWidget()
                                                  : QApplication::activeModalWidget();
}

}  // namespace

ModalAnswer::ModalAnswer(Awaited awaited, QWidget* below, std::function<void(QWidget*)> answer)
    : m_timer(new QTimer(qApp)) {
    auto polls = std::make_shared<int>(0);
    QTimer* timer = m_timer;
    QObject::connect(
        timer, &QTimer::timeout, timer,
        [=, below = QPointer<QWidget>(below), answered = m_answered, gaveUp = m_gaveUp] {
            QWidget* widget = ActiveWidget(awaited);
            const bool waiting = widget != nullptr && widget != below.data() && widget->isVisible();
            if (!waiting && ++*polls < kGiveUpPolls) {
                return;
            }
            timer->stop();
            timer->deleteLater();
            if (waiting) {
                *answered = true;
                answer(widget);
                return;
            }
            *gaveUp = true;
            if (widget != nullptr && widget != below.data()) {
                widget->close();
            }
        });
    timer->start(kPollMilliseconds);
}

ModalAnswer::~ModalAnswer() {
    if (m_timer != nullptr && m_timer->isActive()) {
        delete m_timer.data();
    }
}
