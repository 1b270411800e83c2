#pragma once

#include <thread>

namespace e2e {

template <typename Predicate>
QImage XSession::grabUntil(QRect area, Predicate predicate, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    QImage picture = grab(area);
    while (!predicate(picture) && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        picture = grab(area);
    }
    return picture;
}

} // namespace e2e
