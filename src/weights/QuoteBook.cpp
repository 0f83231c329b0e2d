#include "weights/QuoteBook.h"

#include "common/KelvaneError.h"
#include "platform/Platform.h"

namespace kelvane {

QuoteBook::QuoteBook(Platform& platform, QuoteFiles files, QObject* parent)
    : QObject(parent)
    , platform_(platform)
    , savePath_(std::move(files.savePath)) {
    KeptQuote kept = loadKeptQuote(files.readPath);
    list_.replace(std::move(kept.items));
    if (kept.message)
        platform_.showError(*kept.message);
    keepTimer_.setSingleShot(true);
    keepTimer_.setInterval(0);
    connect(&keepTimer_, &QTimer::timeout, this, &QuoteBook::keepNow);
}

QuoteBook::~QuoteBook() {
    if (keepTimer_.isActive())
        keepNow();
}

void QuoteBook::add(QuoteItem item) {
    list_.add(std::move(item));
    emit added(list_.size() - 1);
    keepTimer_.start();
}

void QuoteBook::remove(std::size_t index) {
    list_.remove(index);
    changedNow();
}

void QuoteBook::move(std::size_t from, std::size_t to) {
    list_.move(from, to);
    changedNow();
}

void QuoteBook::setQuantity(std::size_t index, double quantity) {
    list_.setQuantity(index, quantity);
    changedNow();
}

void QuoteBook::clear() {
    list_.clear();
    changedNow();
}

void QuoteBook::replace(std::vector<QuoteItem> items) {
    list_.replace(std::move(items));
    changedNow();
}

void QuoteBook::changedNow() {
    emit changed();
    keepTimer_.start();
}

void QuoteBook::keepNow() {
    keepTimer_.stop();
    try {
        keepQuote(savePath_, list_.items());
    } catch (const Error& error) {
        platform_.showError(error.what());
    }
}

} // namespace kelvane
