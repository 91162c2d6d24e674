#pragma once
// The start screen and the About box: a borderless panel centred on the screen with the
// product name and the version. The About box adds an OK button and is modal.
#include <QDialog>

namespace rp {

class StartScreen : public QDialog {
    Q_OBJECT
  public:
    enum class Kind { StartScreen, About };

    explicit StartScreen(Kind kind, QWidget* parent = nullptr);

    // Shows the About box over parent and waits until it is closed.
    static void showAbout(QWidget* parent);

    // "Version " and the application's version, or the build's when the application has none.
    static QString versionLine();

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace rp
