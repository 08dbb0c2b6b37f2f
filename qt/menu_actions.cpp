// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/menu_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <stdexcept>

#include "qt/latin1.h"

namespace tessaly {

QString WithMnemonic(std::string_view text, char letter) {
  const std::size_t at = text.find(letter);
  if (at == std::string_view::npos) throw std::logic_error("no mnemonic letter in a menu text");
  return FromLatin1(text.substr(0, at)) + QLatin1Char('&') + FromLatin1(text.substr(at));
}

QMenu* AddMenu(QMenuBar& bar, Menu which) {
  const MenuTitle& title = TitleOf(which);
  return bar.addMenu(WithMnemonic(title.Text, title.Mnemonic));
}

QAction* AddMenuAction(QMenu& menu, MenuItem item) {
  const MenuEntry& entry = EntryOf(item);
  if (entry.SeparatorBefore) menu.addSeparator();
  QAction* action = menu.addAction(WithMnemonic(entry.Text, entry.Mnemonic));
  action->setShortcuts(QKeySequence::listFromString(FromLatin1(entry.Shortcuts)));
  action->setCheckable(entry.Checkable);
  return action;
}

}  // namespace tessaly
