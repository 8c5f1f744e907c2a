#pragma once
// The window shown while the main window loads: artwork, version and platforms.
// A key press or a click on the frame closes it.

#include <QFrame>
#include <QWidget>

class QLabel;

namespace quorvel {

inline constexpr const char* SplashPlatformText = "Linux (X11, Wayland)";

class SplashFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* lblVersion_;
    QLabel* lblPlatform_;
};

}  // namespace quorvel
