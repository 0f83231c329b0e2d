#pragma once

#include "weights/QuoteList.h"
#include "weights/QuoteStore.h"

#include <QObject>
#include <QTimer>

#include <string>

namespace kelvane {

class Platform;

// The window's one quote list, shared by the weight pages (which add to it) and the
// Quote page (which shows and edits it). Every change is kept in its file as soon as the
// event that made it is handled (a burst of changes saved once), and at the latest when
// the book goes, so nothing is lost when the program ends; a save that fails is
// reported as an error.
class QuoteBook final : public QObject {
    Q_OBJECT
public:
    // The list starts empty until loadKept reads it.
    QuoteBook(Platform& platform, QuoteFiles files, QObject* parent = nullptr);
    ~QuoteBook() override;

    // Reads the list the last run kept; a damaged file is reported once, in the
    // language then in use.
    void loadKept();

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
    // One item was added at the end, the rest of the list as it was.
    void added(std::size_t index);

private:
    void changedNow();
    void keepNow();

    Platform& platform_;
    std::string readPath_;
    std::string savePath_;
    QuoteList list_;
    QTimer keepTimer_; // the save that follows a change
};

} // namespace kelvane
