// The window icon decodes its files only when first asked; every answer must be the
// one a plain icon of the same files gives.

#include "widgets/DeferredFileIcon.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

static void registerProgramIcons() {
    Q_INIT_RESOURCE(kelvane);
}

namespace kelvane {
namespace {

struct IconPair {
    QIcon plain;
    QIcon deferred;
};

IconPair programIcons() {
    registerProgramIcons();
    IconPair icons;
    QList<IconFile> files;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral(":/icons/kelvane-%1.png").arg(size);
        icons.plain.addFile(path, QSize(size, size));
        files.push_back({path, QSize(size, size)});
    }
    icons.deferred = deferredFileIcon(std::move(files));
    return icons;
}

TEST(DeferredFileIcon, AnswersAsAPlainIconOfTheSameFiles) {
    const IconPair icons = programIcons();
    ASSERT_FALSE(icons.deferred.isNull());
    for (const auto& [mode, state] :
         {std::pair{QIcon::Normal, QIcon::Off}, std::pair{QIcon::Disabled, QIcon::Off},
          std::pair{QIcon::Selected, QIcon::On}})
        EXPECT_EQ(icons.deferred.availableSizes(mode, state),
                  icons.plain.availableSizes(mode, state));
    // Below, between, at and above the files' sizes, at device pixel ratios 1, 1.5 and 2,
    // in every mode.
    for (const int size : {8, 16, 20, 33, 64, 100, 256, 300}) {
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            for (const QIcon::Mode mode :
                 {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                SCOPED_TRACE(testing::Message()
                             << "size " << size << ", ratio " << ratio << ", mode " << mode);
                const QSize asked(size, size);
                EXPECT_EQ(icons.deferred.actualSize(asked, mode),
                          icons.plain.actualSize(asked, mode));
                const QPixmap deferred = icons.deferred.pixmap(asked, ratio, mode);
                const QPixmap plain = icons.plain.pixmap(asked, ratio, mode);
                EXPECT_EQ(deferred.size(), plain.size());
                EXPECT_EQ(deferred.devicePixelRatio(), plain.devicePixelRatio());
                EXPECT_TRUE(deferred.toImage() == plain.toImage());
            }
        }
    }
}

} // namespace
} // namespace kelvane
