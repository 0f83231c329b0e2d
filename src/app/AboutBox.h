#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kelvane {

class Platform;
class TVellHotLabel;

// The about box: the program's icon, name, version, copyright, the support e-mail
// and web-site links and a notice, with one OK button. A fresh box is made for
// every showing and its texts are set afresh each time.
class TAboutBox1 final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox1(Platform& platform, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void setUpLink(TVellHotLabel* label, const QString& caption);

    Platform& platform_;
    QLabel* ProgramIcon;
    QLabel* TitleLabel;
    QLabel* VersionLabel;
    QLabel* CopyrightLabel;
    TVellHotLabel* VellEmailLabel;
    TVellHotLabel* VellWebsiteLabel;
    QPlainTextEdit* NoticeMemo;
    QPushButton* OKButton;
};

} // namespace kelvane
