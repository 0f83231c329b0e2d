#include "weights/QuoteBook.h"

#include "common/KelvaneError.h"
#include "platform/Platform.h"
#include "platform/ShownText.h"

namespace kelvane {

QuoteBook::QuoteBook(Platform& platform, QuoteFiles files, QObject* parent)
    : QObject(parent)
    , platform_(platform)
    , readPath_(std::move(files.readPath))
    , savePath_(std::move(files.savePath)) {
    keepTimer_.setSingleShot(true);
    keepTimer_.setInterval(0);
    connect(&keepTimer_, &QTimer::timeout, this, &QuoteBook::keepNow);
}

void QuoteBook::loadKept() {
    KeptQuote kept = loadKeptQuote(
        readPath_, [](std::string_view english) { return shownText(english).toStdString(); });
    list_.replace(std::move(kept.items));
    emit changed();
    if (kept.message)
        platform_.showError(*kept.message);
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
