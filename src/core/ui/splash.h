#pragma once
// The start-up splash: a borderless window clipped to the ellipse inscribed in it.

#include <QWidget>

namespace zeran::ui {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);
    /// Centres the window on the primary screen.
    void centre();

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
};

}  // namespace zeran::ui
