#pragma once

#include <QByteArray>
#include <QObject>

#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace kelvane {

// Reads standard input on a thread of its own and hands each line, in order, to a
// handler on the thread that owns this object (the window's thread). A blocking read
// on a thread works for every kind of input, pipes included on Windows, where a
// socket notifier cannot watch a pipe. While the handler runs (a command may spin an
// event loop of its own), further lines wait and are handled after it, in order.
class StdinLines : public QObject {
public:
    using LineHandler = std::function<void(const QByteArray& line)>;

    // `onLine` gets every non-blank line without its line end; `onEnd` runs once when
    // the input has ended and every line has been handled.
    StdinLines(LineHandler onLine, std::function<void()> onEnd, QObject* parent = nullptr);
    ~StdinLines() override;

    // Starts the reading thread.
    void start();

private:
    void receive(const QByteArray& chunk, bool ended);
    void handlePending();

    // The reader's way to this object: cut when the object goes, so that a read ending
    // after that posts nothing to it.
    struct Link {
        std::mutex mutex;
        StdinLines* target = nullptr;
    };

    std::shared_ptr<Link> link_ = std::make_shared<Link>();
    LineHandler onLine_;
    std::function<void()> onEnd_;
    std::thread reader_;
    QByteArray pending_;
    bool ended_ = false;
    bool busy_ = false;
};

} // namespace kelvane
