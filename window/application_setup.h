#pragma once

namespace quorin {

// What the whole application shows the desktop, set once its QApplication
// exists: the program's icon (for every window, About's included) and the
// name of its desktop entry (for the task bar's icon and grouping).
void SetUpApplication();

}  // namespace quorin
