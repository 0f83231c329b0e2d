#include "weights/QuoteBook.h"

#include "common/KelvaneError.h"
#include "platform/Platform.h"
#include "weights/QuoteStore.h"

namespace kelvane {

QuoteBook::QuoteBook(Platform& platform, std::string path, QObject* parent)
    : QObject(parent)
    , platform_(platform)
    , path_(std::move(path)) {
    KeptQuote kept = loadKeptQuote(path_);
    list_.replace(std::move(kept.items));
    if (kept.message)
        platform_.showError(*kept.message);
}

void QuoteBook::add(QuoteItem item) {
    list_.add(std::move(item));
    changedNow();
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
    try {
        keepQuote(path_, list_.items());
    } catch (const Error& error) {
        platform_.showError(error.what());
    }
}

} // namespace kelvane
