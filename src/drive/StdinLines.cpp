#include "drive/StdinLines.h"

#include <QMetaObject>

#include <cstdio>

namespace kelvane {

StdinLines::StdinLines(LineHandler onLine, std::function<void()> onEnd, QObject* parent)
    : QObject(parent)
    , onLine_(std::move(onLine))
    , onEnd_(std::move(onEnd)) {
    link_->target = this;
}

StdinLines::~StdinLines() {
    {
        const std::lock_guard lock(link_->mutex);
        link_->target = nullptr;
    }
    // The reader ends with the input; a reader still blocked in a read when the
    // program ends for another reason is left to the operating system.
    if (reader_.joinable()) {
        if (ended_)
            reader_.join();
        else
            reader_.detach();
    }
}

void StdinLines::start() {
    reader_ = std::thread([link = link_] {
        char buffer[4096];
        for (;;) {
            // fgets returns at each line end, so a line reaches the window's thread as
            // soon as it is written, not when a buffer fills.
            const bool ended = std::fgets(buffer, sizeof buffer, stdin) == nullptr;
            const QByteArray chunk = ended ? QByteArray() : QByteArray(buffer);
            {
                // Posted under the lock, so the object cannot go in between; an event
                // posted to it is dropped if it goes before the event is handled.
                const std::lock_guard lock(link->mutex);
                StdinLines* target = link->target;
                if (!target)
                    return;
                QMetaObject::invokeMethod(
                    target, [target, chunk, ended] { target->receive(chunk, ended); },
                    Qt::QueuedConnection);
            }
            if (ended)
                return;
        }
    });
}

void StdinLines::receive(const QByteArray& chunk, bool ended) {
    pending_.append(chunk);
    ended_ = ended_ || ended;
    handlePending();
}

void StdinLines::handlePending() {
    if (busy_)
        return; // a line is being handled; it takes the rest when it is done
    busy_ = true;
    qsizetype end = 0;
    while ((end = pending_.indexOf('\n')) >= 0) {
        const QByteArray line = pending_.left(end).trimmed();
        pending_.remove(0, end + 1);
        if (!line.isEmpty())
            onLine_(line);
    }
    if (ended_) {
        // A last line without a line end still counts.
        const QByteArray line = pending_.trimmed();
        pending_.clear();
        if (!line.isEmpty())
            onLine_(line);
        busy_ = false;
        onEnd_();
        return;
    }
    busy_ = false;
}

} // namespace kelvane
