#pragma once

#include "weights/QuoteList.h"
#include "weights/QuoteStore.h"

#include <QObject>

#include <string>

namespace kelvane {

class Platform;

// The window's one quote list, shared by the weight pages (which add to it) and the
// Quote page (which shows and edits it). Every change is kept in its file at once, so
// nothing is lost when the program ends; a save that fails is reported as an error.
class QuoteBook final : public QObject {
    Q_OBJECT
public:
    // Reads the list the last run kept; a damaged file is reported once.
    QuoteBook(Platform& platform, QuoteFiles files, QObject* parent = nullptr);

    const QuoteList& list() const { return list_; }

    void add(QuoteItem item);
    void remove(std::size_t index);
    void move(std::size_t from, std::size_t to);
    void setQuantity(std::size_t index, double quantity);
    void clear();
    void replace(std::vector<QuoteItem> items);

signals:
    // The list changed: its rows, their order or a quantity.
    void changed();

private:
    void changedNow();

    Platform& platform_;
    std::string savePath_;
    QuoteList list_;
};

} // namespace kelvane
