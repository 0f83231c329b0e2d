#include "widgets/DeferredFileIcon.h"

#include <QIconEngine>

#include <optional>

namespace kelvane {

namespace {

class DeferredFileIconEngine final : public QIconEngine {
public:
    explicit DeferredFileIconEngine(QList<IconFile> files)
        : files_(std::move(files)) {}

    QIconEngine* clone() const override { return new DeferredFileIconEngine(*this); }
    bool isNull() override { return files_.isEmpty(); }

    // The files were added for the normal, unchecked icon: the other modes and states
    // are made from them, and list no sizes of their own.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (const IconFile& file : files_)
                sizes.push_back(file.second);
        return sizes;
    }

    // The size the icon is drawn at without decoding a file: the smallest image that
    // covers the size asked for, or else the largest, fitted within the size asked for.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const auto area = [](const QSize& s) {
            return qint64(s.width()) * s.height();
        };
        QSize best;
        for (const IconFile& file : files_) {
            const QSize candidate = file.second;
            const bool covers = area(candidate) >= area(size);
            const bool bestCovers = best.isValid() && area(best) >= area(size);
            if (!best.isValid() || (covers && (!bestCovers || area(candidate) < area(best))) ||
                (!covers && !bestCovers && area(candidate) > area(best)))
                best = candidate;
        }
        if (best.isValid() && (best.width() > size.width() || best.height() > size.height()))
            best.scale(size, Qt::KeepAspectRatio);
        return best;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return decoded().pixmap(size, 1.0, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    const QIcon& decoded() {
        if (!decoded_) {
            decoded_.emplace();
            for (const IconFile& file : files_)
                decoded_->addFile(file.first, file.second);
        }
        return *decoded_;
    }

    QList<IconFile> files_;
    std::optional<QIcon> decoded_; // made on first use; shared by copies made after
};

} // namespace

QIcon deferredFileIcon(QList<IconFile> files) {
    return QIcon(new DeferredFileIconEngine(std::move(files)));
}

} // namespace kelvane
