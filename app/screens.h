#pragma once
// Which screen each main-menu command opens. Commands without a screen here stay disabled.

namespace zeran {
class Session;
namespace ui {
class MainWindow;
}
}  // namespace zeran

void attachScreens(zeran::ui::MainWindow &window, zeran::Session &session);
