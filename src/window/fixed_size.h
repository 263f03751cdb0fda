#pragma once

class QWidget;

// The window keeps its one size, also where the compositor leaves the title
// bar to Qt: Qt's own title bar under Wayland has a maximize button whatever
// the window's size, and a compositor that has made a window maximized ends
// the connection when the window then shows itself at another size. There
// the window follows the maximized state only for as long as it takes to
// leave it again, so a maximize does nothing. Elsewhere nothing changes.
void keepFixedSizeWhenMaximized(QWidget& window);
