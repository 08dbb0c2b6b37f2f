// SPDX-License-Identifier: GPL-3.0-or-later
// How a screen reader sees the two widgets of the window's own: a frame panel
// is a group, and a result field is a read-only text whose value changes are
// passed on to the screen reader.
#pragma once

namespace tessaly {

// Registers the interfaces with Qt's accessibility; the first call does it.
void InstallAccessibleInterfaces();

}  // namespace tessaly
