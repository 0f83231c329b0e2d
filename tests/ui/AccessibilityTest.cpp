// Every control a user can operate can be named by assistive technology, and the
// whole program is usable with the keyboard alone.

#include "DriveFixture.h"

#include "app/MainWindow.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace kelvane::testing {
namespace {

using AccessibilityTest = DriveTest;

QString SpokenName(const QWidget* control) {
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

TEST_F(AccessibilityTest, EveryOperableControlHasAName) {
    start();
    send(R"(["menu","Help","About"])");
    QStringList unnamed;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool operable =
                qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSlider*>(control) ||
                qobject_cast<QPlainTextEdit*>(control);
            const bool ours = !control->objectName().isEmpty() &&
                              !control->objectName().startsWith(QLatin1String("qt_"));
            if (operable && ours && SpokenName(control).isEmpty())
                unnamed << control->objectName();
        }
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}

TEST_F(AccessibilityTest, KeyboardAloneReachesEveryPageMenuAndResult) {
    start();
    send(R"(["type","50\r3000\r4"])");
    EXPECT_EQ(text("RKGQtyLabel"), "41.23 kg");
    send(R"(["key","Alt+C"])");
    EXPECT_EQ(text("RDiaEdit"), "");
    const char* order[] = {"Polygon", "Flat/Square", "Plate/Sheet", "Tube", "M/I", "Round"};
    for (const char* caption : order) {
        send(R"(["key","Ctrl+Tab"])");
        EXPECT_EQ(value(R"(["tabs"])").toObject()["active"].toString().toStdString(), caption);
    }
    send(R"(["key","Ctrl+Shift+Tab"])");
    EXPECT_EQ(value(R"(["tabs"])").toObject()["active"].toString(), "M/I");
}

} // namespace
} // namespace kelvane::testing
