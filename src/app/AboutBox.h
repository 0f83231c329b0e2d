#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kelvane {

class Platform;
class HotLabel;

// The about box: the program's icon, name, version, copyright, the support e-mail
// and web-site links and a notice, with one OK button. A fresh box is made for
// every showing and its texts are set afresh each time.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(Platform& platform, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The texts, the picture and the links, set afresh for every showing.
    void showTexts();
    void setUpLink(HotLabel* label, const QString& caption);

    Platform& platform_;
    QLabel* programIcon_;
    QLabel* titleLabel_;
    QLabel* versionLabel_;
    QLabel* copyrightLabel_;
    HotLabel* emailLabel_;
    HotLabel* websiteLabel_;
    QPlainTextEdit* noticeMemo_;
    QPushButton* okButton_;
};

} // namespace kelvane
